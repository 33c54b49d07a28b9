#include "tests/aaxhost/testhost/ComponentFactory.h"

#include "tests/aaxhost/testhost/Collection.h"
#include "tests/aaxhost/testhost/ComponentDescriptor.h"
#include "tests/aaxhost/testhost/EffectDescriptor.h"
#include "tests/aaxhost/testhost/Host.h"
#include "tests/aaxhost/testhost/HostServices.h"
#include "tests/aaxhost/testhost/PageTable.h"
#include "tests/aaxhost/testhost/PropertyMap.h"

#include "AAX_UIDs.h"

namespace quindle::test::aaxhost
{
    class ComponentFactory::Interface final : public Facet<IACFComponentFactory, ComponentFactory>
    {
    public:
        using Facet::Facet;

        ACFRESULT CreateComponent (const acfCLSID& component, IACFUnknown* outer, const acfIID& iid, void** out) override
        {
            const AAX_Result result = call ("CreateComponent");
            if (result != AAX_SUCCESS)
            {
                if (out != nullptr)
                    *out = nullptr;
                return result;
            }

            return owner().create (component, outer, iid, out);
        }
    };

    ComponentFactory::ComponentFactory (Host& host)
        : HostObject (host, "ComponentFactory", host.options().componentFactory)
    {
        offerFacets (*this, mFacets, { IID_IACFComponentFactory });
    }

    ComponentFactory::~ComponentFactory() = default;

    std::vector<ComponentFactory::Creation> ComponentFactory::creations() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mCreations;
    }

    ACFRESULT ComponentFactory::create (const acfCLSID& component, IACFUnknown* outer, const acfIID& iid, void** out)
    {
        if (out == nullptr)
            return nullArgument ("CreateComponent");

        *out = nullptr;

        if (outer != nullptr)
            host().problem ("ComponentFactory::CreateComponent: aggregation is not offered");

        HostObject* object = outer == nullptr ? make (component) : nullptr;
        std::function<void (HostObject&)> setUp;
        {
            const std::lock_guard<std::mutex> lock (mMutex);
            setUp = mSetUp;
        }
        if (object != nullptr && setUp)
            setUp (*object);

        const ACFRESULT result = object != nullptr ? object->QueryInterface (iid, out) : ACF_E_NOINTERFACE;

        const std::lock_guard<std::mutex> lock (mMutex);
        mCreations.push_back ({ component, iid, result, object });
        return result;
    }

    void ComponentFactory::whenMaking (std::function<void (HostObject&)> setUp)
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        mSetUp = std::move (setUp);
    }

    HostObject* ComponentFactory::make (const acfCLSID& component)
    {
        auto& h = host();
        const auto& options = h.options();

        if (component == AAXCompID_AAXCollection)
            return &h.make<Collection>();
        if (component == AAXCompID_AAXEffectDescriptor)
            return &h.make<EffectDescriptor> (options.effectDescriptor);
        if (component == AAXCompID_AAXComponentDescriptor)
            return &h.make<ComponentDescriptor> (options.componentDescriptor);
        if (component == AAXCompID_AAXPropertyMap)
            return &h.make<PropertyMap> (options.propertyMap);
        if (component == AAXCompID_PageTable)
            return &h.make<PageTable> (options.pageTable);
        if (component == AAXCompID_HostServices)
            return &h.services();

        return nullptr;
    }
} // namespace quindle::test::aaxhost
