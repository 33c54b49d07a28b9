#pragma once

#include "AAX_IComponentDescriptor.h"

/** The description of one effect: names, categories, components and creation procedures. */
class AAX_IEffectDescriptor
{
public:
    virtual ~AAX_IEffectDescriptor() = default;

    /** A new component descriptor owned by this descriptor; null when the host offers none. */
    virtual AAX_IComponentDescriptor* NewComponentDescriptor() = 0;
    virtual AAX_Result AddComponent (AAX_IComponentDescriptor* inComponentDescriptor) = 0;
    virtual AAX_Result AddName (const char* inPlugInName) = 0;
    virtual AAX_Result AddCategory (uint32_t inCategory) = 0;
    virtual AAX_Result AddCategoryBypassParameter (uint32_t inCategory, AAX_CParamID inParamID) = 0;
    virtual AAX_Result AddProcPtr (void* inProcPtr, AAX_CProcPtrID inProcID) = 0;
    /** A new map owned by this descriptor; null when the host offers none. */
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result SetProperties (AAX_IPropertyMap* inProperties) = 0;
    virtual AAX_Result AddResourceInfo (AAX_EResourceType inResourceType, const char* inInfo) = 0;
    virtual AAX_Result AddMeterDescription (AAX_CTypeID inMeterID, const char* inMeterName, AAX_IPropertyMap* inProperties) = 0;
    virtual AAX_Result AddControlMIDINode (AAX_CTypeID inNodeID, AAX_EMIDINodeType inNodeType,
                                           const char inNodeName[], uint32_t inChannelMask) = 0;
};
