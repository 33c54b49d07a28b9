#include "tests/aaxhost/testhost/ComponentDescriptor.h"

#include "tests/aaxhost/testhost/Host.h"

#include "AAX_IACFComponentDescriptor.h"
#include "AAX_UIDs.h"

namespace quindle::test::aaxhost
{
    namespace
    {
        template <typename Function>
        const void* addressOf (Function function) noexcept
        {
            return reinterpret_cast<const void*> (function);
        }

        using ProcessProc = ComponentDescriptor::ProcessProc;

        ProcessProc nativeProc (const void* process, const void* instanceInit, const void* background)
        {
            ProcessProc proc;
            proc.kind = "Native";
            proc.processProc = process;
            proc.instanceInitProc = instanceInit;
            proc.backgroundProc = background;
            return proc;
        }

        ProcessProc tiProc (std::string dllFileName, std::string process, std::string instanceInit, std::string background)
        {
            ProcessProc proc;
            proc.kind = "TI";
            proc.dllFileName = std::move (dllFileName);
            proc.processProcSymbol = std::move (process);
            proc.instanceInitProcSymbol = std::move (instanceInit);
            proc.backgroundProcSymbol = std::move (background);
            return proc;
        }
    }

    class ComponentDescriptor::Interface final : public Facet<AAX_IACFComponentDescriptor_V3, ComponentDescriptor>
    {
    public:
        using Facet::Facet;

        AAX_Result Clear() override
        {
            return change ("Clear", [&] { records() = { {}, {}, records().clears + 1 }; });
        }

        AAX_Result AddAudioIn (AAX_CFieldIndex index) override { return field ("AddAudioIn", index); }
        AAX_Result AddAudioOut (AAX_CFieldIndex index) override { return field ("AddAudioOut", index); }
        AAX_Result AddAudioBufferLength (AAX_CFieldIndex index) override { return field ("AddAudioBufferLength", index); }
        AAX_Result AddSampleRate (AAX_CFieldIndex index) override { return field ("AddSampleRate", index); }
        AAX_Result AddClock (AAX_CFieldIndex index) override { return field ("AddClock", index); }
        AAX_Result AddSideChainIn (AAX_CFieldIndex index) override { return field ("AddSideChainIn", index); }

        AAX_Result AddDataInPort (AAX_CFieldIndex index, uint32_t packetSize, AAX_EDataInPortType type) override
        {
            return field ("AddDataInPort", index, { packetSize, type });
        }

        AAX_Result AddAuxOutputStem (AAX_CFieldIndex index, int32_t stemFormat, const char name[]) override
        {
            return field ("AddAuxOutputStem", index, { stemFormat }, textOf (name));
        }

        AAX_Result AddPrivateData (AAX_CFieldIndex index, uint32_t dataSize, uint32_t options) override
        {
            return field ("AddPrivateData", index, { dataSize, options });
        }

        AAX_Result AddDmaInstance (AAX_CFieldIndex index, AAX_IDma::EMode mode) override
        {
            return field ("AddDmaInstance", index, { mode });
        }

        AAX_Result AddMeters (AAX_CFieldIndex index, const AAX_CTypeID* meterIDs, uint32_t meterCount) override
        {
            if (meterIDs == nullptr && meterCount != 0)
                return owner().nullArgument ("AddMeters");

            return field ("AddMeters", index, std::vector<int64_t> (meterIDs, meterIDs + meterCount));
        }

        AAX_Result AddMIDINode (AAX_CFieldIndex index, AAX_EMIDINodeType type, const char name[], uint32_t channelMask) override
        {
            return field ("AddMIDINode", index, { type, channelMask }, textOf (name));
        }

        AAX_Result AddReservedField (AAX_CFieldIndex index, uint32_t fieldType) override
        {
            return field ("AddReservedField", index, { fieldType });
        }

        AAX_Result AddProcessProc_Native (AAX_CProcessProc processProc, IACFUnknown* properties,
                                          AAX_CInstanceInitProc instanceInitProc, AAX_CBackgroundProc backgroundProc,
                                          AAX_CSelector* outID) override
        {
            auto proc = nativeProc (addressOf (processProc), addressOf (instanceInitProc), addressOf (backgroundProc));
            proc.properties = PropertySnapshot::of (owner().host(), properties);
            return registerCalled ("AddProcessProc_Native", std::move (proc), outID);
        }

        AAX_Result AddProcessProc_TI (const char dllFileName[], const char processProcSymbol[], IACFUnknown* properties,
                                      const char instanceInitProcSymbol[], const char backgroundProcSymbol[],
                                      AAX_CSelector* outID) override
        {
            auto proc = tiProc (textOf (dllFileName), textOf (processProcSymbol), textOf (instanceInitProcSymbol),
                                textOf (backgroundProcSymbol));
            proc.properties = PropertySnapshot::of (owner().host(), properties);
            return registerCalled ("AddProcessProc_TI", std::move (proc), outID);
        }

        AAX_Result AddTemporaryData (AAX_CFieldIndex index, uint32_t dataElementSize) override
        {
            return field ("AddTemporaryData", index, { dataElementSize });
        }

        AAX_Result AddProcessProc (IACFUnknown* properties, AAX_CSelector* outIDs, int32_t idsSize) override
        {
            const AAX_Result result = call ("AddProcessProc");
            if (result != AAX_SUCCESS)
                return result;

            const auto snapshot = PropertySnapshot::of (owner().host(), properties);
            if (snapshot.map == nullptr)
                return owner().nullArgument ("AddProcessProc");

            std::vector<AAX_CSelector> ids;
            for (auto& proc : procsNamedBy (snapshot))
            {
                AAX_CSelector id = 0;
                owner().registerProc (std::move (proc), &id);
                ids.push_back (id);
            }

            if (outIDs == nullptr)
                return AAX_SUCCESS;
            if (static_cast<int64_t> (ids.size()) >= idsSize)
                return AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW;

            ids.push_back (0);
            std::copy (ids.begin(), ids.end(), outIDs);
            return AAX_SUCCESS;
        }

    private:
        Description& records() const { return owner().mDescription; }

        AAX_Result field (const char* operation, AAX_CFieldIndex index, std::vector<int64_t> values = {}, std::string name = {})
        {
            return change (operation, [&] { records().fields.push_back ({ operation, index, std::move (values), std::move (name) }); });
        }

        AAX_Result registerCalled (const char* operation, ProcessProc proc, AAX_CSelector* outID)
        {
            const AAX_Result result = call (operation);
            return result != AAX_SUCCESS ? result : owner().registerProc (std::move (proc), outID);
        }

        /** The procedures that a map registered in one call names. */
        static std::vector<ProcessProc> procsNamedBy (const PropertySnapshot& snapshot)
        {
            const auto& pointers = snapshot.contents.pointers;
            const auto pointerOf = [&] (AAX_EProperty property) {
                const auto entry = pointers.find (property);
                return entry != pointers.end() ? entry->second : nullptr;
            };
            const auto textAt = [&] (AAX_EProperty property) { return textOf (static_cast<const char*> (pointerOf (property))); };

            std::vector<ProcessProc> procs;
            if (pointerOf (AAX_eProperty_NativeProcessProc) != nullptr)
                procs.push_back (nativeProc (pointerOf (AAX_eProperty_NativeProcessProc),
                                             pointerOf (AAX_eProperty_NativeInstanceInitProc),
                                             pointerOf (AAX_eProperty_NativeBackgroundProc)));
            if (pointerOf (AAX_eProperty_TIProcessProc) != nullptr)
                procs.push_back (tiProc (textAt (AAX_eProperty_TIDLLFileName), textAt (AAX_eProperty_TIProcessProc),
                                         textAt (AAX_eProperty_TIInstanceInitProc), textAt (AAX_eProperty_TIBackgroundProc)));

            for (auto& proc : procs)
            {
                proc.properties = snapshot;
                proc.fromAddProcessProc = true;
            }
            return procs;
        }
    };

    ComponentDescriptor::ComponentDescriptor (Host& host, Versions offered)
        : HostObject (host, "ComponentDescriptor", offered)
    {
        offerFacets (*this, mFacets, { IID_IAAXComponentDescriptorV1, IID_IAAXComponentDescriptorV2, IID_IAAXComponentDescriptorV3 });
    }

    ComponentDescriptor::~ComponentDescriptor() = default;

    ComponentDescriptor::Description ComponentDescriptor::description() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mDescription;
    }

    AAX_Result ComponentDescriptor::registerProc (ProcessProc proc, AAX_CSelector* outID)
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        proc.id = ++mLastID;
        if (outID != nullptr)
            *outID = proc.id;
        mDescription.processProcs.push_back (std::move (proc));
        return AAX_SUCCESS;
    }
} // namespace quindle::test::aaxhost
