#include "tests/aaxhost/testhost/PropertyMap.h"

#include "tests/aaxhost/testhost/DescriptionHost.h"
#include "tests/aaxhost/testhost/Host.h"

#include "AAX_IACFPropertyMap.h"
#include "AAX_UIDs.h"

namespace quindle::test::aaxhost
{
    class PropertyMap::Interface final : public Facet<AAX_IACFPropertyMap_V3, PropertyMap>
    {
    public:
        using Facet::Facet;

        AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* out) const override
        {
            return found ("GetProperty", out, owner().value (property));
        }

        AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) override
        {
            return change ("AddProperty", [&] { contents().values[property] = value; });
        }

        AAX_Result RemoveProperty (AAX_EProperty property) override
        {
            return change ("RemoveProperty", [&] {
                auto& c = contents();
                return c.values.erase (property) + c.pointers.erase (property) + c.idArrays.erase (property) != 0
                           ? AAX_SUCCESS
                           : AAX_Result { AAX_ERROR_PROPERTY_UNDEFINED };
            });
        }

        AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids, uint32_t count) override
        {
            if (ids == nullptr && count != 0)
                return owner().nullArgument ("AddPropertyWithIDArray");

            return change ("AddPropertyWithIDArray", [&] { contents().idArrays[property].assign (ids, ids + count); });
        }

        AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outIDs,
                                             uint32_t* outCount) const override
        {
            if (call ("GetPropertyWithIDArray") != AAX_SUCCESS)
                return 0;

            const std::lock_guard<std::mutex> lock (owner().mMutex);
            const auto entry = owner().mContents.idArrays.find (property);
            if (entry == owner().mContents.idArrays.end())
                return 0;

            if (put ("GetPropertyWithIDArray", outIDs, entry->second.data()) != AAX_SUCCESS
                || put ("GetPropertyWithIDArray", outCount, entry->second.size()) != AAX_SUCCESS)
                return 0;

            return 1;
        }

        AAX_CBoolean GetPointerProperty (AAX_EProperty property, const void** out) const override
        {
            return found ("GetPointerProperty", out, owner().pointer (property));
        }

        AAX_Result AddPointerProperty (AAX_EProperty property, const void* value) override
        {
            return change ("AddPointerProperty", [&] { contents().pointers[property] = value; });
        }

    private:
        template <typename Out, typename Value>
        AAX_CBoolean found (const char* operation, Out* out, const std::optional<Value>& value) const
        {
            if (call (operation) != AAX_SUCCESS || ! value.has_value())
                return 0;

            return put (operation, out, *value) == AAX_SUCCESS ? 1 : 0;
        }

        Contents& contents() const { return owner().mContents; }
    };

    PropertyMap::PropertyMap (Host& host, Versions offered)
        : HostObject (host, "PropertyMap", offered)
    {
        offerFacets (*this, mFacets, { IID_IAAXPropertyMapV1, IID_IAAXPropertyMapV2, IID_IAAXPropertyMapV3 });

        if (host.options().descriptionHostFromPropertyMaps)
            alsoAsk (host.descriptionHost());
    }

    PropertyMap::~PropertyMap() = default;

    PropertyMap::Contents PropertyMap::contents() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mContents;
    }

    std::optional<AAX_CPropertyValue> PropertyMap::value (int32_t property) const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        const auto entry = mContents.values.find (property);
        return entry != mContents.values.end() ? std::optional<AAX_CPropertyValue> (entry->second) : std::nullopt;
    }

    std::optional<const void*> PropertyMap::pointer (int32_t property) const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        const auto entry = mContents.pointers.find (property);
        return entry != mContents.pointers.end() ? std::optional<const void*> (entry->second) : std::nullopt;
    }

    void PropertyMap::set (int32_t property, AAX_CPropertyValue value)
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        mContents.values[property] = value;
    }

    PropertySnapshot PropertySnapshot::of (const Host& host, const IACFUnknown* iface)
    {
        PropertySnapshot snapshot;
        snapshot.map = host.find<PropertyMap> (iface);
        if (snapshot.map != nullptr)
            snapshot.contents = snapshot.map->contents();
        return snapshot;
    }
} // namespace quindle::test::aaxhost
