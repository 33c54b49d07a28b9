#pragma once

#include "ACFPtr.h"
#include "AAX_IACFHostServices.h"
#include "AAX_IHostServices.h"

/** Forwards traces and assertion reports to the host; the process-wide object behind
    sHostServices. Its versions are created through the host's component factory. */
class AAX_VHostServices : public AAX_IHostServices
{
public:
    /** Throws ACF_E_POINTER when the host's factory query succeeds without a factory. */
    explicit AAX_VHostServices (IACFUnknown* pUnkHost);
    ~AAX_VHostServices() override;

    AAX_Result HandleAssertFailure (const char* iFile, int32_t iLine, const char* iNote, int32_t iFlags) const override;
    AAX_Result Trace (int32_t iPriority, const char* iMessage) const override;
    AAX_Result StackTrace (int32_t iTracePriority, int32_t iStackTracePriority, const char* iMessage) const override;

private:
    ACFPtr<AAX_IACFHostServices> mIACFHostServices;
    ACFPtr<AAX_IACFHostServices_V2> mIACFHostServicesV2;
    ACFPtr<AAX_IACFHostServices_V3> mIACFHostServicesV3;
};
