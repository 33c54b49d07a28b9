#pragma once

#include "ACFPtr.h"
#include "AAX_IACFDescriptionHost.h"
#include "AAX_IACFPropertyMap.h"
#include "AAX_IPropertyMap.h"

#include <map>

/** Forwards a property map to the newest version of the host's map that has each operation.
    Keeps the native and TI procedure pointers itself for hosts whose map has no pointer
    properties, so that AAX_VComponentDescriptor::AddProcessProc can register them. */
class AAX_VPropertyMap : public AAX_IPropertyMap
{
public:
    /** A map made through the host's component factory; null for a null unknown or a host
        without factory. Throws ACF_E_POINTER when the factory query succeeds without a
        factory, as every creator of host objects does. */
    static AAX_VPropertyMap* Create (IACFUnknown* inHostUnknown);
    /** A map over a host map object that the host handed out. */
    static AAX_VPropertyMap* Acquire (IACFUnknown* inPropertyMapUnknown, IACFUnknown* inHostUnknown);

    ~AAX_VPropertyMap() override;

    AAX_CBoolean GetProperty (AAX_EProperty inProperty, AAX_CPropertyValue* outValue) const override;
    AAX_CBoolean GetPointerProperty (AAX_EProperty inProperty, const void** outValue) const override;
    AAX_Result AddProperty (AAX_EProperty inProperty, AAX_CPropertyValue inValue) override;
    AAX_Result AddPointerProperty (AAX_EProperty inProperty, const void* inValue) override;
    AAX_Result AddPointerProperty (AAX_EProperty inProperty, const char* inValue) override;
    AAX_Result RemoveProperty (AAX_EProperty inProperty) override;
    AAX_Result AddPropertyWithIDArray (AAX_EProperty inProperty, const AAX_SPlugInIdentifierTriad* inPluginIDs,
                                       uint32_t inNumPluginIDs) override;
    AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty inProperty, const AAX_SPlugInIdentifierTriad** outPluginIDs,
                                         uint32_t* outNumPluginIDs) const override;
    IACFUnknown* GetIUnknown() override;

private:
    AAX_VPropertyMap();
    void InitWithFactory (IACFComponentFactory* inFactory, IACFUnknown* inHostUnknown);
    void InitWithPropertyMap (IACFUnknown* inPropertyMapUnknown, IACFUnknown* inHostUnknown);

    ACFPtr<AAX_IACFPropertyMap> mIACFPropertyMap;
    ACFPtr<AAX_IACFPropertyMap_V2> mIACFPropertyMapV2;
    ACFPtr<AAX_IACFPropertyMap_V3> mIACFPropertyMapV3;
    ACFPtr<AAX_IACFDescriptionHost> mIACFDescriptionHost;
    std::map<AAX_EProperty, const void*> mLocalPointerProperties;
};
