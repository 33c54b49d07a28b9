// The bundle's seven exported functions, the host's only way in. Compiled into the plug-in's
// own translation unit (the framework's wrapper includes this file), not into the library.
// No exception ever crosses into the host: anything that escapes a twin becomes
// ACF_E_UNEXPECTED.

#include "AAX_Init.h"

#if defined (_WIN32)
 #define AAX_EXPORT __declspec (dllexport)
#else
 #define AAX_EXPORT __attribute__ ((visibility ("default")))
#endif

extern "C"
{
    AAX_EXPORT ACFRESULT ACFRegisterPlugin (IACFUnknown* pUnkHost, IACFPluginDefinition** ppPluginDefinition);
    AAX_EXPORT ACFRESULT ACFRegisterComponent (IACFUnknown* pUnkHost, ACFUInt32 index, IACFComponentDefinition** ppComponentDefinition);
    AAX_EXPORT ACFRESULT ACFGetClassFactory (IACFUnknown* pUnkHost, const acfCLSID& clsid, const acfIID& iid, void** ppOut);
    AAX_EXPORT ACFRESULT ACFCanUnloadNow (IACFUnknown* pUnkHost);
    AAX_EXPORT ACFRESULT ACFStartup (IACFUnknown* pUnkHost);
    AAX_EXPORT ACFRESULT ACFShutdown (IACFUnknown* pUnkHost);
    AAX_EXPORT ACFRESULT ACFGetSDKVersion (uint64_t* oSDKVersion);
}

namespace
{
    template <typename Twin, typename... Args>
    ACFRESULT callCatchingEverything (Twin twin, Args... args) noexcept
    {
        try { return twin (args...); }
        catch (...) { return ACF_E_UNEXPECTED; }
    }
}

ACFRESULT ACFRegisterPlugin (IACFUnknown* pUnkHost, IACFPluginDefinition** ppPluginDefinition)
{
    return callCatchingEverything (AAXRegisterPlugin, pUnkHost, ppPluginDefinition);
}

ACFRESULT ACFRegisterComponent (IACFUnknown* pUnkHost, ACFUInt32 index, IACFComponentDefinition** ppComponentDefinition)
{
    return callCatchingEverything (AAXRegisterComponent, pUnkHost, index, ppComponentDefinition);
}

ACFRESULT ACFGetClassFactory (IACFUnknown* pUnkHost, const acfCLSID& clsid, const acfIID& iid, void** ppOut)
{
    return callCatchingEverything (AAXGetClassFactory, pUnkHost, clsid, iid, ppOut);
}

ACFRESULT ACFCanUnloadNow (IACFUnknown* pUnkHost)
{
    return callCatchingEverything (AAXCanUnloadNow, pUnkHost);
}

ACFRESULT ACFStartup (IACFUnknown* pUnkHost)
{
    return callCatchingEverything (AAXStartup, pUnkHost);
}

ACFRESULT ACFShutdown (IACFUnknown* pUnkHost)
{
    return callCatchingEverything (AAXShutdown, pUnkHost);
}

ACFRESULT ACFGetSDKVersion (uint64_t* oSDKVersion)
{
    return callCatchingEverything (AAXGetSDKVersion, oSDKVersion);
}
