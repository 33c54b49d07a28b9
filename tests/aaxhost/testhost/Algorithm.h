#pragma once

#include "tests/aaxhost/testhost/ComponentDescriptor.h"

#include "AAX_Enums.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class AAX_IACFEffectParameters;

namespace quindle::test::aaxhost
{
    class Controller;

    /** One algorithm instance of a registered component, run the way a host runs a native
        algorithm: its context is laid out from the component's fields (one pointer-sized slot
        per field index, the field's data behind it), the data-model object resets each
        private-data field, and each block the data model is asked for its coefficients, every
        data-in port gets the packet last posted for it, and the component's native process
        procedure runs over this one instance.

        Offered fields: audio in and out (channel counts from the procedure's stem-format
        properties), buffer length, sample rate, data-in ports, private data and side-chain input
        (no side chain: index 0). Any other field gets a null slot and is listed in
        problems(). Runs on the calling thread; one block at a time. */
    class Algorithm
    {
    public:
        /** Lays out the context for the component's first native process procedure, with room
            for blocks of up to maxBlockSize samples. */
        Algorithm (const ComponentDescriptor& component, AAX_IACFEffectParameters& dataModel,
                   const Controller& controller, int maxBlockSize);
        /** Tells the instance-init procedure, if any, that the instance goes. */
        ~Algorithm();

        Algorithm (const Algorithm&) = delete;
        Algorithm& operator= (const Algorithm&) = delete;

        int numInputs() const noexcept { return static_cast<int> (mInputs.size()); }
        int numOutputs() const noexcept { return static_cast<int> (mOutputs.size()); }

        /** One block: inputs holds numInputs() channels of equal length (at most maxBlockSize);
            returns numOutputs() channels of that length, or nothing when the block cannot run
            (see problems()). */
        std::vector<std::vector<float>> process (const std::vector<std::vector<float>>& inputs);

        /** The bytes the data-in port of a field received for the last block (empty for other
            fields). */
        std::vector<uint8_t> portContents (AAX_CFieldIndex field) const;

        /** What this host could not give the component, or what the caller got wrong. */
        std::vector<std::string> problems() const { return mProblems; }

    private:
        struct Block
        {
            std::vector<std::max_align_t> storage;
            void* data() { return storage.data(); }
        };

        void* allocate (size_t bytes);
        void layOut (const ComponentDescriptor::Field& field);
        void deliverPackets();

        AAX_IACFEffectParameters& mDataModel;
        const Controller& mController;
        const int mMaxBlockSize;
        ComponentDescriptor::ProcessProc mProc;
        bool mRunnable = false;

        std::vector<void*> mContext;
        std::vector<std::unique_ptr<Block>> mBlocks;
        std::vector<std::vector<float>> mInputs, mOutputs;
        std::vector<float*> mInputPointers, mOutputPointers;
        int32_t mBufferLength = 0;
        AAX_CSampleRate mSampleRate = 0;
        int32_t mSideChainIndex = 0;
        struct Port
        {
            AAX_CFieldIndex field;
            void* data;
            uint32_t size;
        };
        std::vector<Port> mPorts;
        std::vector<std::string> mProblems;
    };
} // namespace quindle::test::aaxhost
