#pragma once

// The library's side of the seven exported functions (AAX_Exports.cpp): each export calls its
// twin here inside a handler that catches every exception. GetEffectDescriptions, which
// registration calls, is declared and defined by the framework's wrapper.

#include "AAX_ACF.h"

ACFRESULT AAXStartup (IACFUnknown* pUnkHost);
ACFRESULT AAXRegisterPlugin (IACFUnknown* pUnkHost, IACFPluginDefinition** ppPluginDefinition);
ACFRESULT AAXRegisterComponent (IACFUnknown* pUnkHost, ACFUInt32 index, IACFComponentDefinition** ppComponentDefinition);
ACFRESULT AAXGetClassFactory (IACFUnknown* pUnkHost, const acfCLSID& clsid, const acfIID& iid, void** ppOut);
ACFRESULT AAXCanUnloadNow (IACFUnknown* pUnkHost);
ACFRESULT AAXShutdown (IACFUnknown* pUnkHost);
ACFRESULT AAXGetSDKVersion (uint64_t* oSDKVersion);
