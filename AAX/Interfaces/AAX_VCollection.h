#pragma once

#include "ACFPtr.h"
#include "AAX_IACFCollection.h"
#include "AAX_ICollection.h"
#include "AAX_VDescriptionHost.h"

#include <set>

class AAX_VEffectDescriptor;
class AAX_VPropertyMap;

/** Forwards the description of the plug-in to the host's collection; lives for one
    registration call and owns every descriptor and map made through it. */
class AAX_VCollection : public AAX_ICollection
{
public:
    explicit AAX_VCollection (IACFUnknown* inHostUnknown);
    ~AAX_VCollection() override;

    AAX_IEffectDescriptor* NewDescriptor() override;
    AAX_Result AddEffect (const char* inEffectID, AAX_IEffectDescriptor* inEffectDescriptor) override;
    AAX_Result SetManufacturerName (const char* inPackageName) override;
    AAX_Result AddPackageName (const char* inPackageName) override;
    AAX_Result SetPackageVersion (uint32_t inVersion) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result SetProperties (AAX_IPropertyMap* inProperties) override;
    AAX_IDescriptionHost* DescriptionHost() override;
    const AAX_IDescriptionHost* DescriptionHost() const override;
    IACFDefinition* HostDefinition() const override;

    /** The host's collection object, which registration queries for the plug-in definition. */
    IACFUnknown* GetIUnknown() const;

private:
    ACFPtr<IACFUnknown> mUnkHost;
    ACFPtr<AAX_IACFCollection> mIACFCollection;
    AAX_VDescriptionHost mDescriptionHost;
    std::set<AAX_VEffectDescriptor*> mEffectDescriptors;   // owned
    std::set<AAX_VPropertyMap*> mPropertyMaps;             // owned
};
