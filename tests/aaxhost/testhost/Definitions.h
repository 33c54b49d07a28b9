#pragma once

#include "tests/aaxhost/testhost/HostObject.h"

#include "AAX_UIDs.h"

namespace quindle::test::aaxhost
{
    /** A definition object: no operations of its own, only an identity to hand over. */
    template <class Interface>
    class Definition : public HostObject
    {
    public:
        Definition (Host& host, std::string name, const acfIID& iid, Versions offered)
            : HostObject (host, std::move (name), offered), mFacet (*this, 1)
        {
            answer (iid, 1, &mFacet);
        }

    private:
        Facet<Interface, Definition> mFacet;
    };

    /** The host's definition of itself, which the collection wrapper passes on. */
    class HostDefinition : public Definition<IACFDefinition>
    {
    public:
        HostDefinition (Host& host, Versions offered)
            : Definition (host, "HostDefinition", IID_IACFDefinition, offered) {}
    };

    /** The plug-in definition that a collection answers for and registration hands back. */
    class PluginDefinition : public Definition<IACFPluginDefinition>
    {
    public:
        PluginDefinition (Host& host, Versions offered)
            : Definition (host, "PluginDefinition", IID_IACFPluginDefinition, offered) {}
    };
} // namespace quindle::test::aaxhost
