#include "tests/aaxhost/testhost/DescriptionHost.h"

#include "tests/aaxhost/testhost/FeatureInfo.h"
#include "tests/aaxhost/testhost/Host.h"

#include "AAX_IACFDescriptionHost.h"

#include <algorithm>

namespace quindle::test::aaxhost
{
    class DescriptionHost::Interface final : public Facet<AAX_IACFDescriptionHost, DescriptionHost>
    {
    public:
        using Facet::Facet;

        AAX_Result AcquireFeatureProperties (const AAX_Feature_UID& id, IACFUnknown** out) override
        {
            return handOut ("AcquireFeatureProperties", out, owner().feature (id));
        }
    };

    DescriptionHost::DescriptionHost (Host& host)
        : HostObject (host, "DescriptionHost", host.options().descriptionHost)
    {
        offerFacets (*this, mFacets, { IID_IAAXDescriptionHostV1 });
    }

    DescriptionHost::~DescriptionHost() = default;

    FeatureInfo& DescriptionHost::addFeature (const AAX_Feature_UID& id, AAX_ESupportLevel level)
    {
        auto& feature = host().make<FeatureInfo> (id, level);
        const std::lock_guard<std::mutex> lock (mMutex);
        mFeatures.push_back (&feature);
        return feature;
    }

    FeatureInfo* DescriptionHost::feature (const AAX_Feature_UID& id) const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        const auto found = std::find_if (mFeatures.begin(), mFeatures.end(), [&] (const FeatureInfo* f) { return f->id() == id; });
        return found != mFeatures.end() ? *found : nullptr;
    }
} // namespace quindle::test::aaxhost
