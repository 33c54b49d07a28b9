#pragma once

// Assertion failures of the library are reported to the host through AAX_CHostServices and
// never stop the caller: each site reports and carries on with its own fallback.

#include "AAX_CHostServices.h"

// The flags every assertion site of the library passes to the host.
constexpr int32_t kAAX_AssertFlags_Default = 1;
