#include "AAX_VPropertyMap.h"

#include "AAX_VComponentDescriptor.h"
#include "AAX_VWrapperSupport.h"

#include <initializer_list>
#include <memory>

using namespace AAX_VWrapperSupport;

namespace
{
    bool isStemFormatProperty (AAX_EProperty property) noexcept
    {
        return property == AAX_eProperty_InputStemFormat || property == AAX_eProperty_OutputStemFormat;
    }

    /** The stem formats a host without a description host knows: "any", "none" and the layout
        indices 0 to 12 with any channel count. */
    bool isBasicStemFormat (AAX_CPropertyValue value) noexcept
    {
        if (value < 0)
            return value == AAX_eStemFormat_Any || value == AAX_eStemFormat_None;

        return value <= AAX_STEM_FORMAT (kAAX_StemFormat_MaxBasicIndex, 0xFFFF);
    }

    /** Asks each candidate in turn (null ones are skipped) until one offers the description host. */
    void findDescriptionHost (std::initializer_list<IACFUnknown*> candidates,
                              ACFPtr<AAX_IACFDescriptionHost>& descriptionHost)
    {
        for (auto* candidate : candidates)
        {
            QueryHostObject (candidate, IID_IAAXDescriptionHostV1, descriptionHost);
            if (! descriptionHost.isNull())
                return;
        }
    }
}

AAX_VPropertyMap::AAX_VPropertyMap() = default;

AAX_VPropertyMap::~AAX_VPropertyMap() = default;

AAX_VPropertyMap* AAX_VPropertyMap::Create (IACFUnknown* inHostUnknown)
{
    ACFPtr<IACFComponentFactory> factory;
    if (! QueryFactory (inHostUnknown, factory))
        return nullptr;

    std::unique_ptr<AAX_VPropertyMap> map (new AAX_VPropertyMap());
    map->InitWithFactory (factory.get(), inHostUnknown);
    return map.release();
}

AAX_VPropertyMap* AAX_VPropertyMap::Acquire (IACFUnknown* inPropertyMapUnknown, IACFUnknown* inHostUnknown)
{
    if (inPropertyMapUnknown == nullptr)
        return nullptr;

    std::unique_ptr<AAX_VPropertyMap> map (new AAX_VPropertyMap());
    map->InitWithPropertyMap (inPropertyMapUnknown, inHostUnknown);
    return map.release();
}

void AAX_VPropertyMap::InitWithFactory (IACFComponentFactory* inFactory, IACFUnknown* inHostUnknown)
{
    CreateHostObject (ACFPtr<IACFComponentFactory> (inFactory), AAXCompID_AAXPropertyMap, IID_IAAXPropertyMapV1,
                      mIACFPropertyMap);
    QueryHostObject (mIACFPropertyMap.get(), IID_IAAXPropertyMapV2, mIACFPropertyMapV2);
    QueryHostObject (mIACFPropertyMap.get(), IID_IAAXPropertyMapV3, mIACFPropertyMapV3);

    findDescriptionHost ({ inHostUnknown, inFactory, mIACFPropertyMapV2.get(), mIACFPropertyMapV3.get(), mIACFPropertyMap.get() },
                         
                         mIACFDescriptionHost);
}

void AAX_VPropertyMap::InitWithPropertyMap (IACFUnknown* inPropertyMapUnknown, IACFUnknown* inHostUnknown)
{
    QueryHostObject (inPropertyMapUnknown, IID_IAAXPropertyMapV1, mIACFPropertyMap);
    QueryHostObject (inPropertyMapUnknown, IID_IAAXPropertyMapV2, mIACFPropertyMapV2);
    QueryHostObject (inPropertyMapUnknown, IID_IAAXPropertyMapV3, mIACFPropertyMapV3);
    findDescriptionHost ({ inHostUnknown, inPropertyMapUnknown }, mIACFDescriptionHost);
}

AAX_CBoolean AAX_VPropertyMap::GetProperty (AAX_EProperty inProperty, AAX_CPropertyValue* outValue) const
{
    return Forward (mIACFPropertyMap, AAX_CBoolean { 0 }, &AAX_IACFPropertyMap::GetProperty, inProperty, outValue);
}

AAX_CBoolean AAX_VPropertyMap::GetPointerProperty (AAX_EProperty inProperty, const void** outValue) const
{
    if (! mIACFPropertyMapV3.isNull())
        return mIACFPropertyMapV3->GetPointerProperty (inProperty, outValue);

    const auto stored = mLocalPointerProperties.find (inProperty);
    if (outValue == nullptr || stored == mLocalPointerProperties.end())
        return 0;

    *outValue = stored->second;
    return 1;
}

AAX_Result AAX_VPropertyMap::AddProperty (AAX_EProperty inProperty, AAX_CPropertyValue inValue)
{
    // A host with a description host judges stem formats itself; an older one knows only the
    // basic ones, and a format it does not know must not reach it.
    if (mIACFDescriptionHost.isNull() && isStemFormatProperty (inProperty) && ! isBasicStemFormat (inValue))
        return AAX_ERROR_PROPERTY_UNDEFINED;

    return Forward (mIACFPropertyMap, kNoHostObject, &AAX_IACFPropertyMap::AddProperty, inProperty, inValue);
}

AAX_Result AAX_VPropertyMap::AddPointerProperty (AAX_EProperty inProperty, const void* inValue)
{
    if (! mIACFPropertyMapV3.isNull())
        return mIACFPropertyMapV3->AddPointerProperty (inProperty, inValue);

    // Kept here for AAX_VComponentDescriptor::AddProcessProc, which registers them one by one.
    if (AAX_VComponentDescriptor::PointerPropertiesUsedByAddProcessProc().count (inProperty) == 0)
        return kNotImplementedByHost;

    mLocalPointerProperties[inProperty] = inValue;
    return AAX_SUCCESS;
}

AAX_Result AAX_VPropertyMap::AddPointerProperty (AAX_EProperty inProperty, const char* inValue)
{
    return AddPointerProperty (inProperty, static_cast<const void*> (inValue));
}

AAX_Result AAX_VPropertyMap::RemoveProperty (AAX_EProperty inProperty)
{
    return Forward (mIACFPropertyMap, kNoHostObject, &AAX_IACFPropertyMap::RemoveProperty, inProperty);
}

AAX_Result AAX_VPropertyMap::AddPropertyWithIDArray (AAX_EProperty inProperty, const AAX_SPlugInIdentifierTriad* inPluginIDs,
                                                     uint32_t inNumPluginIDs)
{
    return Forward (mIACFPropertyMapV2, kNotImplementedByHost, &AAX_IACFPropertyMap_V2::AddPropertyWithIDArray,
                    inProperty, inPluginIDs, inNumPluginIDs);
}

AAX_CBoolean AAX_VPropertyMap::GetPropertyWithIDArray (AAX_EProperty inProperty,
                                                       const AAX_SPlugInIdentifierTriad** outPluginIDs,
                                                       uint32_t* outNumPluginIDs) const
{
    return Forward (mIACFPropertyMapV2, AAX_CBoolean { 0 }, &AAX_IACFPropertyMap_V2::GetPropertyWithIDArray,
                    inProperty, outPluginIDs, outNumPluginIDs);
}

IACFUnknown* AAX_VPropertyMap::GetIUnknown()
{
    if (! mIACFPropertyMapV3.isNull())
        return mIACFPropertyMapV3.get();
    if (! mIACFPropertyMapV2.isNull())
        return mIACFPropertyMapV2.get();
    return mIACFPropertyMap.get();
}
