#pragma once

#include "tests/aaxhost/testhost/HostObject.h"

#include "AAX_Enums.h"
#include "AAX_UIDs.h"

#include <vector>

namespace quindle::test::aaxhost
{
    class FeatureInfo;

    /** The host's description services: hands out the feature info of the features it knows;
        for any other feature it answers success with no object. */
    class DescriptionHost : public HostObject
    {
    public:
        explicit DescriptionHost (Host& host);
        ~DescriptionHost() override;

        FeatureInfo& addFeature (const AAX_Feature_UID& id, AAX_ESupportLevel level);
        FeatureInfo* feature (const AAX_Feature_UID& id) const;

    private:
        class Interface;
        std::vector<std::unique_ptr<Interface>> mFacets;
        std::vector<FeatureInfo*> mFeatures;
    };
} // namespace quindle::test::aaxhost
