#pragma once

#include "tests/aaxhost/testhost/HostObject.h"

#include <functional>
#include <vector>

namespace quindle::test::aaxhost
{
    /** The host's component factory: makes collections, effect and component descriptors,
        property maps and page tables, each a new object offering the versions the host's
        options give, and hands out the host-services object. */
    class ComponentFactory : public HostObject
    {
    public:
        explicit ComponentFactory (Host& host);
        ~ComponentFactory() override;

        struct Creation
        {
            acfCLSID component;
            acfIID iid;
            ACFRESULT result;
            HostObject* object;   // null for an unknown component
        };
        /** Every CreateComponent call, in order. */
        std::vector<Creation> creations() const;

        /** Called with each object the factory makes, before it is handed out: lets a test set
            up objects the plug-in creates itself (forced results, versions). */
        void whenMaking (std::function<void (HostObject&)> setUp);

    private:
        ACFRESULT create (const acfCLSID& component, IACFUnknown* outer, const acfIID& iid, void** out);
        HostObject* make (const acfCLSID& component);

        class Interface;
        std::vector<std::unique_ptr<Interface>> mFacets;
        std::vector<Creation> mCreations;
        std::function<void (HostObject&)> mSetUp;
    };
} // namespace quindle::test::aaxhost
