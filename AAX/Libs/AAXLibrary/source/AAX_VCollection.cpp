#include "AAX_VCollection.h"

#include "AAX_VEffectDescriptor.h"
#include "AAX_VPropertyMap.h"
#include "AAX_VWrapperSupport.h"

using namespace AAX_VWrapperSupport;

AAX_VCollection::AAX_VCollection (IACFUnknown* inHostUnknown)
    : mUnkHost (inHostUnknown), mDescriptionHost (inHostUnknown)
{
    CreateHostObject (inHostUnknown, AAXCompID_AAXCollection, IID_IAAXCollectionV1, mIACFCollection);
}

AAX_VCollection::~AAX_VCollection()
{
    DeleteOwned (mEffectDescriptors);
    DeleteOwned (mPropertyMaps);
}

AAX_IEffectDescriptor* AAX_VCollection::NewDescriptor()
{
    return Own (mEffectDescriptors, std::make_unique<AAX_VEffectDescriptor> (mUnkHost.get()));
}

AAX_Result AAX_VCollection::AddEffect (const char* inEffectID, AAX_IEffectDescriptor* inEffectDescriptor)
{
    if (inEffectDescriptor == nullptr)
        return kNoHostObject;

    return Forward (mIACFCollection, kNoHostObject, &AAX_IACFCollection::AddEffect, inEffectID,
                    HostObjectOf<AAX_VEffectDescriptor> (inEffectDescriptor));
}

AAX_Result AAX_VCollection::SetManufacturerName (const char* inPackageName)
{
    return Forward (mIACFCollection, kNoHostObject, &AAX_IACFCollection::SetManufacturerName, inPackageName);
}

AAX_Result AAX_VCollection::AddPackageName (const char* inPackageName)
{
    return Forward (mIACFCollection, kNoHostObject, &AAX_IACFCollection::AddPackageName, inPackageName);
}

AAX_Result AAX_VCollection::SetPackageVersion (uint32_t inVersion)
{
    return Forward (mIACFCollection, kNoHostObject, &AAX_IACFCollection::SetPackageVersion, inVersion);
}

AAX_IPropertyMap* AAX_VCollection::NewPropertyMap()
{
    return Own (mPropertyMaps, std::unique_ptr<AAX_VPropertyMap> (AAX_VPropertyMap::Create (mUnkHost.get())));
}

AAX_Result AAX_VCollection::SetProperties (AAX_IPropertyMap* inProperties)
{
    return Forward (mIACFCollection, kNoHostObject, &AAX_IACFCollection::SetProperties, HostObjectOf (inProperties));
}

AAX_IDescriptionHost* AAX_VCollection::DescriptionHost()
{
    return mDescriptionHost.Supported() ? &mDescriptionHost : nullptr;
}

const AAX_IDescriptionHost* AAX_VCollection::DescriptionHost() const
{
    return mDescriptionHost.Supported() ? &mDescriptionHost : nullptr;
}

IACFDefinition* AAX_VCollection::HostDefinition() const
{
    return mDescriptionHost.HostDefinition();
}

IACFUnknown* AAX_VCollection::GetIUnknown() const
{
    return mIACFCollection.get();
}
