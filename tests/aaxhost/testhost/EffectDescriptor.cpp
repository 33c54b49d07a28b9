#include "tests/aaxhost/testhost/EffectDescriptor.h"

#include "tests/aaxhost/testhost/ComponentDescriptor.h"
#include "tests/aaxhost/testhost/Host.h"

#include "AAX_IACFEffectDescriptor.h"
#include "AAX_IEffectGUI.h"
#include "AAX_IEffectParameters.h"
#include "AAX_UIDs.h"

namespace quindle::test::aaxhost
{
    class EffectDescriptor::Interface final : public Facet<AAX_IACFEffectDescriptor_V2, EffectDescriptor>
    {
    public:
        using Facet::Facet;

        AAX_Result AddComponent (IACFUnknown* component) override
        {
            auto* descriptor = owner().host().resolve<ComponentDescriptor> ("EffectDescriptor::AddComponent", component);
            return change ("AddComponent", [&] { records().components.push_back (descriptor); });
        }

        AAX_Result AddName (const char* name) override
        {
            return change ("AddName", [&] { records().names.push_back (textOf (name)); });
        }

        AAX_Result AddCategory (uint32_t category) override
        {
            return change ("AddCategory", [&] { records().categories.push_back (category); });
        }

        AAX_Result AddCategoryBypassParameter (uint32_t category, AAX_CParamID parameterID) override
        {
            return change ("AddCategoryBypassParameter",
                           [&] { records().bypassParameters.emplace_back (category, textOf (parameterID)); });
        }

        AAX_Result AddProcPtr (void* procPtr, AAX_CProcPtrID id) override
        {
            return change ("AddProcPtr", [&] { records().procPtrs.push_back ({ procPtr, id }); });
        }

        AAX_Result SetProperties (IACFUnknown* properties) override
        {
            auto snapshot = PropertySnapshot::of (owner().host(), properties);
            return change ("SetProperties", [&] { records().properties.push_back (std::move (snapshot)); });
        }

        AAX_Result AddResourceInfo (AAX_EResourceType type, const char* info) override
        {
            return change ("AddResourceInfo", [&] { records().resources.push_back ({ type, textOf (info) }); });
        }

        AAX_Result AddMeterDescription (AAX_CTypeID meterID, const char* name, IACFUnknown* properties) override
        {
            auto snapshot = PropertySnapshot::of (owner().host(), properties);
            return change ("AddMeterDescription",
                           [&] { records().meters.push_back ({ meterID, textOf (name), std::move (snapshot) }); });
        }

        AAX_Result AddControlMIDINode (AAX_CTypeID nodeID, AAX_EMIDINodeType type, const char name[], uint32_t channelMask) override
        {
            return change ("AddControlMIDINode",
                           [&] { records().midiNodes.push_back ({ nodeID, type, textOf (name), channelMask }); });
        }

    private:
        Description& records() const { return owner().mDescription; }
    };

    EffectDescriptor::EffectDescriptor (Host& host, Versions offered)
        : HostObject (host, "EffectDescriptor", offered)
    {
        offerFacets (*this, mFacets, { IID_IAAXEffectDescriptorV1, IID_IAAXEffectDescriptorV2 });
    }

    EffectDescriptor::~EffectDescriptor() = default;

    EffectDescriptor::Description EffectDescriptor::description() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mDescription;
    }

    void* EffectDescriptor::procPtr (AAX_CProcPtrID id) const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        for (auto entry = mDescription.procPtrs.rbegin(); entry != mDescription.procPtrs.rend(); ++entry)
            if (entry->id == id)
                return entry->pointer;
        return nullptr;
    }

    namespace
    {
        // The host knows only the interface bases of what a creation procedure returns; the
        // plug-in's own classes derive from them first, so the pointers are the same.
        using CreateDataModel = AAX_IEffectParameters* (AAX_CALLBACK*) ();
        using CreateGUI = AAX_IEffectGUI* (AAX_CALLBACK*) ();
    }

    IACFUnknown* EffectDescriptor::createDataModel() const
    {
        auto* procedure = reinterpret_cast<CreateDataModel> (procPtr (kAAX_ProcPtrID_Create_EffectParameters));
        return procedure != nullptr ? static_cast<AAX_IACFEffectParameters*> (procedure()) : nullptr;
    }

    IACFUnknown* EffectDescriptor::createGUI() const
    {
        auto* procedure = reinterpret_cast<CreateGUI> (procPtr (kAAX_ProcPtrID_Create_EffectGUI));
        return procedure != nullptr ? static_cast<AAX_IACFEffectGUI*> (procedure()) : nullptr;
    }
} // namespace quindle::test::aaxhost
