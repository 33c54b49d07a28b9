#pragma once

#include "tests/aaxhost/testhost/HostObject.h"
#include "tests/aaxhost/testhost/PropertyMap.h"

#include <optional>
#include <vector>

namespace quindle::test::aaxhost
{
    class EffectDescriptor;
    class PluginDefinition;

    /** The host's collection of effect descriptions. It answers queries for the plug-in
        definition (a PluginDefinition of its own, offered as the host options say), which
        registration hands back to the host. */
    class Collection : public HostObject
    {
    public:
        explicit Collection (Host& host);
        ~Collection() override;

        struct Effect
        {
            std::string id;
            EffectDescriptor* descriptor;   // null for a foreign object
        };

        struct Description
        {
            std::vector<Effect> effects;
            std::vector<std::string> manufacturerNames;
            std::vector<std::string> packageNames;
            std::optional<uint32_t> packageVersion;
            std::vector<PropertySnapshot> properties;
        };

        Description description() const;
        PluginDefinition& pluginDefinition() const noexcept { return mPluginDefinition; }

    private:
        class Interface;
        std::vector<std::unique_ptr<Interface>> mFacets;
        PluginDefinition& mPluginDefinition;
        Description mDescription;
    };
} // namespace quindle::test::aaxhost
