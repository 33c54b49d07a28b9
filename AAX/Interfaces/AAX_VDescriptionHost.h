#pragma once

#include "ACFPtr.h"
#include "AAX_IACFDescriptionHost.h"
#include "AAX_IDescriptionHost.h"

/** Forwards the host's description services. */
class AAX_VDescriptionHost : public AAX_IDescriptionHost
{
public:
    explicit AAX_VDescriptionHost (IACFUnknown* inHostUnknown);
    ~AAX_VDescriptionHost() override;

    const AAX_IFeatureInfo* AcquireFeatureProperties (const AAX_Feature_UID& inFeatureID) const override;

    bool Supported() const noexcept { return ! mDescriptionHost.isNull(); }
    IACFDefinition* HostDefinition() const noexcept { return mHostInformation.get(); }

private:
    ACFPtr<AAX_IACFDescriptionHost> mDescriptionHost;
    ACFPtr<IACFDefinition> mHostInformation;
};
