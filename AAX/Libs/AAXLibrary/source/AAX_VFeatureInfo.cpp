#include "AAX_VFeatureInfo.h"

#include "AAX_VPropertyMap.h"
#include "AAX_VWrapperSupport.h"

using namespace AAX_VWrapperSupport;

AAX_VFeatureInfo::AAX_VFeatureInfo (IACFUnknown* inFeatureInfo, const AAX_Feature_UID& inFeatureID)
    : mFeatureID (inFeatureID)
{
    QueryHostObject (inFeatureInfo, IID_IAAXFeatureInfoV1, mIACFFeatureInfo);
}

AAX_VFeatureInfo::~AAX_VFeatureInfo() = default;

AAX_Result AAX_VFeatureInfo::SupportLevel (AAX_ESupportLevel& oSupportLevel) const
{
    return Forward (mIACFFeatureInfo, kNoHostObject, &AAX_IACFFeatureInfo::SupportLevel, oSupportLevel);
}

const AAX_IPropertyMap* AAX_VFeatureInfo::AcquireProperties() const
{
    if (mIACFFeatureInfo.isNull())
        return nullptr;

    ACFPtr<IACFUnknown> properties;
    const AAX_Result result = mIACFFeatureInfo->AcquireProperties (reinterpret_cast<IACFUnknown**> (properties.GetOutPtr()));
    if (! KeepIfSucceeded (result == AAX_SUCCESS, properties) || properties.isNull())
        return nullptr;

    return AAX_VPropertyMap::Acquire (properties.get(), properties.get());
}

const AAX_Feature_UID& AAX_VFeatureInfo::ID() const
{
    return mFeatureID;
}
