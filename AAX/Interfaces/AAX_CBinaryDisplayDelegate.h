#pragma once

// The framework's wrapper includes this header but uses no binary display; the library has none.

#include "AAX_IDisplayDelegate.h"
