#include "AAX_VDescriptionHost.h"

#include "AAX_VFeatureInfo.h"
#include "AAX_VWrapperSupport.h"

using namespace AAX_VWrapperSupport;

AAX_VDescriptionHost::AAX_VDescriptionHost (IACFUnknown* inHostUnknown)
{
    QueryHostObject (inHostUnknown, IID_IAAXDescriptionHostV1, mDescriptionHost);
    QueryHostObject (inHostUnknown, IID_IACFDefinition, mHostInformation);
}

AAX_VDescriptionHost::~AAX_VDescriptionHost() = default;

const AAX_IFeatureInfo* AAX_VDescriptionHost::AcquireFeatureProperties (const AAX_Feature_UID& inFeatureID) const
{
    if (mDescriptionHost.isNull())
        return nullptr;

    // The host's own reference on the object ends here; the feature info takes one of its own.
    ACFPtr<IACFUnknown> featureInfo;
    const AAX_Result result = mDescriptionHost->AcquireFeatureProperties (inFeatureID,
                                                                          reinterpret_cast<IACFUnknown**> (featureInfo.GetOutPtr()));
    if (! KeepIfSucceeded (result == AAX_SUCCESS, featureInfo) || featureInfo.isNull())
        return nullptr;

    return new AAX_VFeatureInfo (featureInfo.get(), inFeatureID);
}
