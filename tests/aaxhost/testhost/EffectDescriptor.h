#pragma once

#include "tests/aaxhost/testhost/HostObject.h"
#include "tests/aaxhost/testhost/PropertyMap.h"

#include <vector>

namespace quindle::test::aaxhost
{
    class ComponentDescriptor;

    /** The host's description of one effect (two versions). */
    class EffectDescriptor : public HostObject
    {
    public:
        EffectDescriptor (Host& host, Versions offered);
        ~EffectDescriptor() override;

        struct ProcPtr
        {
            void* pointer;
            AAX_CProcPtrID id;
        };

        struct Meter
        {
            AAX_CTypeID id;
            std::string name;
            PropertySnapshot properties;
        };

        struct MIDINode
        {
            AAX_CTypeID id;
            AAX_EMIDINodeType type;
            std::string name;
            uint32_t channelMask;
        };

        struct Resource
        {
            AAX_EResourceType type;
            std::string info;
        };

        struct Description
        {
            std::vector<ComponentDescriptor*> components;   // null entries for foreign objects
            std::vector<std::string> names;
            std::vector<uint32_t> categories;
            std::vector<std::pair<uint32_t, std::string>> bypassParameters;
            std::vector<ProcPtr> procPtrs;
            std::vector<PropertySnapshot> properties;
            std::vector<Resource> resources;
            std::vector<Meter> meters;
            std::vector<MIDINode> midiNodes;
        };

        Description description() const;
        /** The creation procedure last registered under id, or null. */
        void* procPtr (AAX_CProcPtrID id) const;

        /** A new data-model or GUI object from the creation procedure registered for it, as the
            host makes one per instance (the object holds no reference yet: Instance::initialize
            and initializeGUI take the host's); null when no procedure is registered. */
        IACFUnknown* createDataModel() const;
        IACFUnknown* createGUI() const;

    private:
        class Interface;
        std::vector<std::unique_ptr<Interface>> mFacets;
        Description mDescription;
    };
} // namespace quindle::test::aaxhost
