#pragma once

// The framework's wrapper includes this header; the library keeps no native utilities of its own.

#include "AAX.h"
