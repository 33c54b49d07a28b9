// The library's side of the seven exported functions (AAX_Exports.cpp calls these inside a
// handler that catches everything). Start-up and shutdown must not overlap any other call into
// the bundle: they write sHostServices, which every trace reads without a lock.

#include "AAX_Init.h"

#include "AAX_CHostServices.h"
#include "AAX_CheckedResult.h"
#include "AAX_Exception.h"
#include "AAX_VCollection.h"
#include "AAX_VHostServices.h"
#include "AAX_Version.h"
#include "CACFUnknown.h"

#include <exception>

// The framework's AAX wrapper defines it; declared here only, as the wrapper declares it itself.
AAX_Result GetEffectDescriptions (AAX_ICollection* outCollection);

namespace
{
    void deleteHostServices()
    {
        delete sHostServices;
        sHostServices = nullptr;
    }

    /** Describes the plug-in into the host's collection and hands the host its definition. The
        collection and everything made through it are gone when this returns or throws. */
    void describeInto (IACFUnknown* hostUnknown, IACFPluginDefinition** outDefinition)
    {
        AAX_VCollection collection (hostUnknown);
        AAX_CheckedResult result;

        // Without a collection (a host without component factory) the description code would
        // get no property maps and dereference null: stop here instead, with the failure
        // registration reports for a host without plug-in definition (assigning the rejected
        // result traces it and throws; the return says that nothing below runs).
        if (collection.GetIUnknown() == nullptr)
        {
            result = AAX_ERROR_NULL_OBJECT;
            return;
        }

        result = GetEffectDescriptions (&collection);

        *outDefinition = nullptr;
        if (collection.GetIUnknown()->QueryInterface (IID_IACFPluginDefinition,
            reinterpret_cast<void**> (outDefinition)) != ACF_OK)
        {
            // A failed query hands out no reference: what a broken host wrote is forgotten, as
            // the host wrappers forget it, not released and not handed back.
            *outDefinition = nullptr;
            result = AAX_ERROR_NULL_OBJECT;
        }
    }

    AAX_Result traceCaught (const char* what, AAX_Result result)
    {
        AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "AAXRegisterPlugin exception caught: %s", what);
        return result;
    }
}

ACFRESULT AAXStartup (IACFUnknown* pUnkHost)
{
    if (pUnkHost != nullptr && sHostServices == nullptr)
        sHostServices = new AAX_VHostServices (pUnkHost);
    else if (pUnkHost == nullptr)
        deleteHostServices();

    return ACF_OK;
}

ACFRESULT AAXRegisterPlugin (IACFUnknown* pUnkHost, IACFPluginDefinition** ppPluginDefinition)
{
    if (ppPluginDefinition == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    try
    {
        describeInto (pUnkHost, ppPluginDefinition);
        return AAX_SUCCESS;
    }
    catch (const AAX::Exception::ResultError& e)
    {
        return traceCaught (e.What().c_str(), e.Result());
    }
    catch (const AAX::Exception::Any& e)
    {
        return traceCaught (e.What().c_str(), AAX_ERROR_UNKNOWN_EXCEPTION);
    }
    catch (const std::exception& e)
    {
        return traceCaught (e.what(), AAX_ERROR_UNKNOWN_EXCEPTION);
    }
    catch (...)
    {
        AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "AAXRegisterPlugin exception caught: unknown");
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

ACFRESULT AAXRegisterComponent (IACFUnknown*, ACFUInt32, IACFComponentDefinition** ppComponentDefinition)
{
    if (ppComponentDefinition == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *ppComponentDefinition = nullptr;
    return ACF_OK;
}

ACFRESULT AAXGetClassFactory (IACFUnknown*, const acfCLSID&, const acfIID&, void** ppOut)
{
    if (ppOut == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *ppOut = nullptr;
    return AAX_ERROR_UNIMPLEMENTED;
}

ACFRESULT AAXCanUnloadNow (IACFUnknown*)
{
    return CACFUnknown::m_ActiveObjects.load();
}

ACFRESULT AAXShutdown (IACFUnknown*)
{
    deleteHostServices();
    return ACF_OK;
}

ACFRESULT AAXGetSDKVersion (uint64_t* oSDKVersion)
{
    if (oSDKVersion == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *oSDKVersion = AAX_LIBRARY_VERSION_REPORTED;
    return ACF_OK;
}
