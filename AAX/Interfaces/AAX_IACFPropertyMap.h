#pragma once

#include "AAX_ACF.h"
#include "AAX_Enums.h"

/** The host's property map, first version. */
class AAX_IACFPropertyMap : public IACFUnknown
{
public:
    virtual AAX_CBoolean GetProperty (AAX_EProperty inProperty, AAX_CPropertyValue* outValue) const = 0;
    virtual AAX_Result AddProperty (AAX_EProperty inProperty, AAX_CPropertyValue inValue) = 0;
    virtual AAX_Result RemoveProperty (AAX_EProperty inProperty) = 0;

protected:
    ~AAX_IACFPropertyMap() = default;
};

/** Second version: properties holding plug-in ID arrays. */
class AAX_IACFPropertyMap_V2 : public AAX_IACFPropertyMap
{
public:
    virtual AAX_Result AddPropertyWithIDArray (AAX_EProperty inProperty, const AAX_SPlugInIdentifierTriad* inPluginIDs,
                                               uint32_t inNumPluginIDs) = 0;
    virtual AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty inProperty, const AAX_SPlugInIdentifierTriad** outPluginIDs,
                                                 uint32_t* outNumPluginIDs) const = 0;

protected:
    ~AAX_IACFPropertyMap_V2() = default;
};

/** Third version: pointer-valued properties. */
class AAX_IACFPropertyMap_V3 : public AAX_IACFPropertyMap_V2
{
public:
    virtual AAX_CBoolean GetPointerProperty (AAX_EProperty inProperty, const void** outValue) const = 0;
    virtual AAX_Result AddPointerProperty (AAX_EProperty inProperty, const void* inValue) = 0;

protected:
    ~AAX_IACFPropertyMap_V3() = default;
};
