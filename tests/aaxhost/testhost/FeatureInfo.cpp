#include "tests/aaxhost/testhost/FeatureInfo.h"

#include "tests/aaxhost/testhost/Host.h"
#include "tests/aaxhost/testhost/PropertyMap.h"

#include "AAX_IACFFeatureInfo.h"

namespace quindle::test::aaxhost
{
    class FeatureInfo::Interface final : public Facet<AAX_IACFFeatureInfo, FeatureInfo>
    {
    public:
        using Facet::Facet;

        AAX_Result SupportLevel (AAX_ESupportLevel& out) const override
        {
            return reply ("SupportLevel", &out, owner().supportLevel());
        }

        AAX_Result AcquireProperties (IACFUnknown** out) override
        {
            return handOut ("AcquireProperties", out, owner().propertiesIfAny());
        }
    };

    FeatureInfo::FeatureInfo (Host& host, const AAX_Feature_UID& id, AAX_ESupportLevel level)
        : HostObject (host, "FeatureInfo", host.options().featureInfo), mID (id), mLevel (level)
    {
        offerFacets (*this, mFacets, { IID_IAAXFeatureInfoV1 });
    }

    FeatureInfo::~FeatureInfo() = default;

    PropertyMap& FeatureInfo::properties()
    {
        if (mProperties == nullptr)
            mProperties = &host().make<PropertyMap> (host().options().propertyMap);

        return *mProperties;
    }
} // namespace quindle::test::aaxhost
