#include "tests/aaxhost/testhost/Algorithm.h"

#include "tests/aaxhost/testhost/Controller.h"

#include "AAX_Callbacks.h"
#include "AAX_IACFEffectParameters.h"

#include <algorithm>
#include <cstring>

namespace quindle::test::aaxhost
{
    namespace
    {
        int channelsOf (const PropertySnapshot& properties, AAX_EProperty stemFormatProperty)
        {
            const auto entry = properties.contents.values.find (stemFormatProperty);
            return entry != properties.contents.values.end()
                       ? AAX_STEM_FORMAT_CHANNEL_COUNT (static_cast<uint32_t> (entry->second))
                       : 0;
        }

        uint32_t sizeValue (const ComponentDescriptor::Field& field)
        {
            return field.values.empty() ? 0u : static_cast<uint32_t> (field.values.front());
        }

        /** A procedure the plug-in registered, as the host recorded its address. */
        template <typename Procedure>
        Procedure procedureAt (const void* address)
        {
            return reinterpret_cast<Procedure> (const_cast<void*> (address));
        }

        /** Channel buffers and the pointer array the context holds for them. */
        void makeChannels (int count, int length, std::vector<std::vector<float>>& channels, std::vector<float*>& pointers)
        {
            channels.assign (static_cast<size_t> (count), std::vector<float> (static_cast<size_t> (length)));
            for (auto& channel : channels)
                pointers.push_back (channel.data());
        }
    }

    Algorithm::Algorithm (const ComponentDescriptor& component, AAX_IACFEffectParameters& dataModel,
                          const Controller& controller, int maxBlockSize)
        : mDataModel (dataModel), mController (controller), mMaxBlockSize (maxBlockSize)
    {
        const auto description = component.description();
        const auto native = std::find_if (description.processProcs.begin(), description.processProcs.end(),
                                          [] (const auto& proc) { return proc.kind == "Native" && proc.processProc != nullptr; });
        if (native == description.processProcs.end())
        {
            mProblems.push_back ("the component has no native process procedure");
            return;
        }

        mProc = *native;
        makeChannels (channelsOf (mProc.properties, AAX_eProperty_InputStemFormat), maxBlockSize, mInputs, mInputPointers);
        makeChannels (channelsOf (mProc.properties, AAX_eProperty_OutputStemFormat), maxBlockSize, mOutputs, mOutputPointers);
        mSampleRate = controller.state.sampleRate;

        AAX_CFieldIndex lastField = -1;
        for (const auto& field : description.fields)
            lastField = std::max (lastField, field.index);
        mContext.assign (static_cast<size_t> (lastField + 1), nullptr);

        for (const auto& field : description.fields)
            layOut (field);

        // The host resets private data once the context is laid out, in field order.
        for (const auto& field : description.fields)
            if (field.operation == "AddPrivateData" && mContext[static_cast<size_t> (field.index)] != nullptr)
                mDataModel.ResetFieldData (field.index, mContext[static_cast<size_t> (field.index)], sizeValue (field));

        if (mProc.instanceInitProc != nullptr)
            procedureAt<AAX_CInstanceInitProc> (mProc.instanceInitProc) (mContext.data(), AAX_eComponentInstanceInitAction_AddingNewInstance);

        mRunnable = true;
    }

    Algorithm::~Algorithm()
    {
        if (mRunnable && mProc.instanceInitProc != nullptr)
            procedureAt<AAX_CInstanceInitProc> (mProc.instanceInitProc) (mContext.data(), AAX_eComponentInstanceInitAction_RemovingInstance);
    }

    void* Algorithm::allocate (size_t bytes)
    {
        auto block = std::make_unique<Block>();
        block->storage.resize (std::max<size_t> (1, (bytes + sizeof (std::max_align_t) - 1) / sizeof (std::max_align_t)));
        std::memset (block->data(), 0, block->storage.size() * sizeof (std::max_align_t));
        mBlocks.push_back (std::move (block));
        return mBlocks.back()->data();
    }

    void Algorithm::layOut (const ComponentDescriptor::Field& field)
    {
        if (field.index < 0)
        {
            mProblems.push_back (field.operation + ": a negative field index");
            return;
        }

        void*& slot = mContext[static_cast<size_t> (field.index)];
        if (slot != nullptr)
            mProblems.push_back (field.operation + ": field " + std::to_string (field.index) + " is taken twice");

        if (field.operation == "AddAudioIn")
            slot = mInputPointers.data();
        else if (field.operation == "AddAudioOut")
            slot = mOutputPointers.data();
        else if (field.operation == "AddAudioBufferLength")
            slot = &mBufferLength;
        else if (field.operation == "AddSampleRate")
            slot = &mSampleRate;
        else if (field.operation == "AddSideChainIn")
            slot = &mSideChainIndex;
        else if (field.operation == "AddPrivateData")
            slot = allocate (sizeValue (field));
        else if (field.operation == "AddDataInPort")
        {
            slot = allocate (sizeValue (field));
            mPorts.push_back ({ field.index, slot, sizeValue (field) });
        }
        else
            mProblems.push_back (field.operation + ": not offered by this host");
    }

    void Algorithm::deliverPackets()
    {
        const auto packets = mController.packets();

        for (const auto& port : mPorts)
        {
            const auto last = std::find_if (packets.rbegin(), packets.rend(), [&] (const auto& p) { return p.field == port.field; });
            if (last != packets.rend())
                std::memcpy (port.data, last->payload.data(), std::min<size_t> (port.size, last->payload.size()));
        }
    }

    std::vector<std::vector<float>> Algorithm::process (const std::vector<std::vector<float>>& inputs)
    {
        const size_t length = inputs.empty() ? 0 : inputs.front().size();
        const bool fits = inputs.size() == mInputs.size() && length <= static_cast<size_t> (mMaxBlockSize)
                       && std::all_of (inputs.begin(), inputs.end(), [&] (const auto& channel) { return channel.size() == length; });
        if (! mRunnable || ! fits)
        {
            mProblems.push_back ("process: the algorithm cannot run this block");
            return {};
        }

        for (size_t channel = 0; channel < inputs.size(); ++channel)
            std::copy (inputs[channel].begin(), inputs[channel].end(), mInputs[channel].begin());
        for (auto& channel : mOutputs)
            std::fill (channel.begin(), channel.end(), 0.0f);
        mBufferLength = static_cast<int32_t> (length);

        mDataModel.GenerateCoefficients();
        deliverPackets();

        void* const instances[] = { mContext.data() };
        procedureAt<AAX_CProcessProc> (mProc.processProc) (instances, instances + 1);

        std::vector<std::vector<float>> outputs;
        for (const auto& channel : mOutputs)
            outputs.emplace_back (channel.begin(), channel.begin() + static_cast<std::ptrdiff_t> (length));
        return outputs;
    }

    std::vector<uint8_t> Algorithm::portContents (AAX_CFieldIndex field) const
    {
        for (const auto& port : mPorts)
            if (port.field == field)
            {
                const auto* bytes = static_cast<const uint8_t*> (port.data);
                return { bytes, bytes + port.size };
            }
        return {};
    }
} // namespace quindle::test::aaxhost
