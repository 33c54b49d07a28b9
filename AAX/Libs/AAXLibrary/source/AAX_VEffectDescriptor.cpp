#include "AAX_VEffectDescriptor.h"

#include "AAX_VComponentDescriptor.h"
#include "AAX_VPropertyMap.h"
#include "AAX_VWrapperSupport.h"

using namespace AAX_VWrapperSupport;

AAX_VEffectDescriptor::AAX_VEffectDescriptor (IACFUnknown* inHostUnknown)
    : mUnkHost (inHostUnknown)
{
    CreateHostObject (inHostUnknown, AAXCompID_AAXEffectDescriptor, IID_IAAXEffectDescriptorV1, mIACFEffectDescriptor);
    QueryHostObject (mIACFEffectDescriptor.get(), IID_IAAXEffectDescriptorV2, mIACFEffectDescriptorV2);
}

AAX_VEffectDescriptor::~AAX_VEffectDescriptor()
{
    DeleteOwned (mComponentDescriptors);
    DeleteOwned (mPropertyMaps);
}

AAX_IComponentDescriptor* AAX_VEffectDescriptor::NewComponentDescriptor()
{
    return Own (mComponentDescriptors, std::make_unique<AAX_VComponentDescriptor> (mUnkHost.get()));
}

AAX_Result AAX_VEffectDescriptor::AddComponent (AAX_IComponentDescriptor* inComponentDescriptor)
{
    return Forward (mIACFEffectDescriptor, kNoHostObject, &AAX_IACFEffectDescriptor::AddComponent,
                    HostObjectOf<AAX_VComponentDescriptor> (inComponentDescriptor));
}

AAX_Result AAX_VEffectDescriptor::AddName (const char* inPlugInName)
{
    return Forward (mIACFEffectDescriptor, kNoHostObject, &AAX_IACFEffectDescriptor::AddName, inPlugInName);
}

AAX_Result AAX_VEffectDescriptor::AddCategory (uint32_t inCategory)
{
    return Forward (mIACFEffectDescriptor, kNoHostObject, &AAX_IACFEffectDescriptor::AddCategory, inCategory);
}

AAX_Result AAX_VEffectDescriptor::AddCategoryBypassParameter (uint32_t inCategory, AAX_CParamID inParamID)
{
    return Forward (mIACFEffectDescriptor, kNoHostObject, &AAX_IACFEffectDescriptor::AddCategoryBypassParameter,
                    inCategory, inParamID);
}

AAX_Result AAX_VEffectDescriptor::AddProcPtr (void* inProcPtr, AAX_CProcPtrID inProcID)
{
    return Forward (mIACFEffectDescriptor, kNoHostObject, &AAX_IACFEffectDescriptor::AddProcPtr, inProcPtr, inProcID);
}

AAX_IPropertyMap* AAX_VEffectDescriptor::NewPropertyMap()
{
    return Own (mPropertyMaps, std::unique_ptr<AAX_VPropertyMap> (AAX_VPropertyMap::Create (mUnkHost.get())));
}

AAX_Result AAX_VEffectDescriptor::SetProperties (AAX_IPropertyMap* inProperties)
{
    return Forward (mIACFEffectDescriptor, kNoHostObject, &AAX_IACFEffectDescriptor::SetProperties,
                    HostObjectOf (inProperties));
}

AAX_Result AAX_VEffectDescriptor::AddResourceInfo (AAX_EResourceType inResourceType, const char* inInfo)
{
    return Forward (mIACFEffectDescriptor, kNoHostObject, &AAX_IACFEffectDescriptor::AddResourceInfo,
                    inResourceType, inInfo);
}

AAX_Result AAX_VEffectDescriptor::AddMeterDescription (AAX_CTypeID inMeterID, const char* inMeterName,
                                                       AAX_IPropertyMap* inProperties)
{
    return Forward (mIACFEffectDescriptor, kNoHostObject, &AAX_IACFEffectDescriptor::AddMeterDescription,
                    inMeterID, inMeterName, HostObjectOf (inProperties));
}

AAX_Result AAX_VEffectDescriptor::AddControlMIDINode (AAX_CTypeID inNodeID, AAX_EMIDINodeType inNodeType,
                                                      const char inNodeName[], uint32_t inChannelMask)
{
    return Forward (mIACFEffectDescriptorV2, kNotImplementedByHost, &AAX_IACFEffectDescriptor_V2::AddControlMIDINode,
                    inNodeID, inNodeType, inNodeName, inChannelMask);
}

IACFUnknown* AAX_VEffectDescriptor::GetIUnknown() const
{
    return mIACFEffectDescriptor.get();
}
