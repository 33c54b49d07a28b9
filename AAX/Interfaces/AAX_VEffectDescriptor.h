#pragma once

#include "ACFPtr.h"
#include "AAX_IACFEffectDescriptor.h"
#include "AAX_IEffectDescriptor.h"

#include <set>

class AAX_VComponentDescriptor;
class AAX_VPropertyMap;

/** Forwards an effect description to the host's effect descriptor. */
class AAX_VEffectDescriptor : public AAX_IEffectDescriptor
{
public:
    explicit AAX_VEffectDescriptor (IACFUnknown* inHostUnknown);
    ~AAX_VEffectDescriptor() override;

    AAX_IComponentDescriptor* NewComponentDescriptor() override;
    AAX_Result AddComponent (AAX_IComponentDescriptor* inComponentDescriptor) override;
    AAX_Result AddName (const char* inPlugInName) override;
    AAX_Result AddCategory (uint32_t inCategory) override;
    AAX_Result AddCategoryBypassParameter (uint32_t inCategory, AAX_CParamID inParamID) override;
    AAX_Result AddProcPtr (void* inProcPtr, AAX_CProcPtrID inProcID) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result SetProperties (AAX_IPropertyMap* inProperties) override;
    AAX_Result AddResourceInfo (AAX_EResourceType inResourceType, const char* inInfo) override;
    AAX_Result AddMeterDescription (AAX_CTypeID inMeterID, const char* inMeterName, AAX_IPropertyMap* inProperties) override;
    AAX_Result AddControlMIDINode (AAX_CTypeID inNodeID, AAX_EMIDINodeType inNodeType,
                                   const char inNodeName[], uint32_t inChannelMask) override;

    /** The host's first-version object, handed to the host in place of this wrapper. */
    IACFUnknown* GetIUnknown() const;

private:
    ACFPtr<IACFUnknown> mUnkHost;
    ACFPtr<AAX_IACFEffectDescriptor> mIACFEffectDescriptor;
    ACFPtr<AAX_IACFEffectDescriptor_V2> mIACFEffectDescriptorV2;
    std::set<AAX_VComponentDescriptor*> mComponentDescriptors;   // owned
    std::set<AAX_VPropertyMap*> mPropertyMaps;                   // owned
};
