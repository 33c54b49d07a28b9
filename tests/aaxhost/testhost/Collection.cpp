#include "tests/aaxhost/testhost/Collection.h"

#include "tests/aaxhost/testhost/Definitions.h"
#include "tests/aaxhost/testhost/EffectDescriptor.h"
#include "tests/aaxhost/testhost/Host.h"

#include "AAX_IACFCollection.h"

namespace quindle::test::aaxhost
{
    class Collection::Interface final : public Facet<AAX_IACFCollection, Collection>
    {
    public:
        using Facet::Facet;

        AAX_Result AddEffect (const char* effectID, IACFUnknown* descriptor) override
        {
            auto* effect = owner().host().resolve<EffectDescriptor> ("Collection::AddEffect", descriptor);
            return change ("AddEffect", [&] { records().effects.push_back ({ textOf (effectID), effect }); });
        }

        AAX_Result SetManufacturerName (const char* name) override
        {
            return change ("SetManufacturerName", [&] { records().manufacturerNames.push_back (textOf (name)); });
        }

        AAX_Result AddPackageName (const char* name) override
        {
            return change ("AddPackageName", [&] { records().packageNames.push_back (textOf (name)); });
        }

        AAX_Result SetPackageVersion (uint32_t version) override
        {
            return change ("SetPackageVersion", [&] { records().packageVersion = version; });
        }

        AAX_Result SetProperties (IACFUnknown* properties) override
        {
            auto snapshot = PropertySnapshot::of (owner().host(), properties);
            return change ("SetProperties", [&] { records().properties.push_back (std::move (snapshot)); });
        }

    private:
        Description& records() const { return owner().mDescription; }
    };

    Collection::Collection (Host& host)
        : HostObject (host, "Collection", host.options().collection),
          mPluginDefinition (host.make<PluginDefinition> (host.options().pluginDefinition))
    {
        offerFacets (*this, mFacets, { IID_IAAXCollectionV1 });
        alsoAsk (mPluginDefinition);
    }

    Collection::~Collection() = default;

    Collection::Description Collection::description() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mDescription;
    }
} // namespace quindle::test::aaxhost
