#pragma once

#include "tests/aaxhost/testhost/HostObject.h"

#include "AAX_Enums.h"

#include <map>
#include <optional>
#include <vector>

namespace quindle::test::aaxhost
{
    /** A host property map (three versions): integer, pointer and plug-in ID array
        properties. */
    class PropertyMap : public HostObject
    {
    public:
        PropertyMap (Host& host, Versions offered);
        ~PropertyMap() override;

        struct Contents
        {
            std::map<int32_t, AAX_CPropertyValue> values;
            std::map<int32_t, const void*> pointers;
            std::map<int32_t, std::vector<AAX_SPlugInIdentifierTriad>> idArrays;
        };

        Contents contents() const;
        std::optional<AAX_CPropertyValue> value (int32_t property) const;
        std::optional<const void*> pointer (int32_t property) const;

        /** Host-side filling, e.g. of a feature's properties. */
        void set (int32_t property, AAX_CPropertyValue value);

    private:
        class Interface;
        std::vector<std::unique_ptr<Interface>> mFacets;
        Contents mContents;
    };

    /** A property map as the plug-in handed it to the host, copied at that moment. */
    struct PropertySnapshot
    {
        const PropertyMap* map = nullptr;   // null when the plug-in passed no map (or a foreign one)
        PropertyMap::Contents contents;

        /** The snapshot of the map behind iface (empty for null or a foreign object). */
        static PropertySnapshot of (const Host& host, const IACFUnknown* iface);
    };
} // namespace quindle::test::aaxhost
