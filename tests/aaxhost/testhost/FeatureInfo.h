#pragma once

#include "tests/aaxhost/testhost/HostObject.h"

#include "AAX_Enums.h"
#include "AAX_UIDs.h"

namespace quindle::test::aaxhost
{
    class PropertyMap;

    /** What the host tells about one feature: a support level and, when the host has any,
        properties (for the stem-format feature: each stem format's support level under the
        format's value). */
    class FeatureInfo : public HostObject
    {
    public:
        FeatureInfo (Host& host, const AAX_Feature_UID& id, AAX_ESupportLevel level);
        ~FeatureInfo() override;

        const AAX_Feature_UID& id() const noexcept { return mID; }
        AAX_ESupportLevel supportLevel() const noexcept { return mLevel; }
        void setSupportLevel (AAX_ESupportLevel level) noexcept { mLevel = level; }

        /** The properties AcquireProperties hands out, made on first use; a feature whose
            properties were never asked for here hands out none. */
        PropertyMap& properties();
        PropertyMap* propertiesIfAny() const noexcept { return mProperties; }

    private:
        class Interface;
        std::vector<std::unique_ptr<Interface>> mFacets;
        const AAX_Feature_UID mID;
        std::atomic<AAX_ESupportLevel> mLevel;
        PropertyMap* mProperties = nullptr;
    };
} // namespace quindle::test::aaxhost
