#pragma once

// The framework's wrapper includes this header but uses no binary taper; the library has none.

#include "AAX_ITaperDelegate.h"
