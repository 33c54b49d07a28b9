#pragma once

#include "ACFPtr.h"
#include "AAX_IACFFeatureInfo.h"
#include "AAX_IFeatureInfo.h"

/** Forwards the host's feature info; made by AAX_VDescriptionHost::AcquireFeatureProperties and
    owned by its caller. */
class AAX_VFeatureInfo : public AAX_IFeatureInfo
{
public:
    AAX_VFeatureInfo (IACFUnknown* inFeatureInfo, const AAX_Feature_UID& inFeatureID);
    ~AAX_VFeatureInfo() override;

    AAX_Result SupportLevel (AAX_ESupportLevel& oSupportLevel) const override;
    const AAX_IPropertyMap* AcquireProperties() const override;
    const AAX_Feature_UID& ID() const override;

private:
    AAX_Feature_UID mFeatureID;
    ACFPtr<AAX_IACFFeatureInfo> mIACFFeatureInfo;
};
