#include "AAX_VHostServices.h"

#include "AAX_VWrapperSupport.h"

using namespace AAX_VWrapperSupport;

AAX_VHostServices::AAX_VHostServices (IACFUnknown* pUnkHost)
{
    ACFPtr<IACFComponentFactory> factory;
    if (! QueryFactory (pUnkHost, factory))
        return;

    CreateHostObject (factory, AAXCompID_HostServices, IID_IAAXHostServicesV1, mIACFHostServices);
    CreateHostObject (factory, AAXCompID_HostServices, IID_IAAXHostServicesV2, mIACFHostServicesV2);
    CreateHostObject (factory, AAXCompID_HostServices, IID_IAAXHostServicesV3, mIACFHostServicesV3);
}

AAX_VHostServices::~AAX_VHostServices() = default;

// The assertion report is the third version's, although the first version's trace is older.
AAX_Result AAX_VHostServices::HandleAssertFailure (const char* iFile, int32_t iLine, const char* iNote, int32_t iFlags) const
{
    return Forward (mIACFHostServicesV3, kNoHostObject, &AAX_IACFHostServices_V3::HandleAssertFailure, iFile, iLine,
                    iNote, iFlags);
}

AAX_Result AAX_VHostServices::Trace (int32_t iPriority, const char* iMessage) const
{
    return Forward (mIACFHostServices, kNoHostObject, &AAX_IACFHostServices::Trace, iPriority, iMessage);
}

AAX_Result AAX_VHostServices::StackTrace (int32_t iTracePriority, int32_t iStackTracePriority, const char* iMessage) const
{
    return Forward (mIACFHostServicesV2, kNotImplementedByHost, &AAX_IACFHostServices_V2::StackTrace, iTracePriority,
                    iStackTracePriority, iMessage);
}
