#pragma once

// A chunk record in a heap block of exactly its header and its data size, so that AddressSanitizer
// catches any read or write past the data's end.

#include "AAX.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace quindle::test::aax
{
    constexpr size_t kChunkHeaderSize = offsetof (AAX_SPlugInChunk, fData);

    class ChunkBuffer
    {
    public:
        /** A zeroed record whose size field says dataSize. */
        explicit ChunkBuffer (int32_t dataSize)
            : mCapacity (static_cast<size_t> (std::max (dataSize, 0))),
              mBytes (new unsigned char[kChunkHeaderSize + mCapacity]())
        {
            chunk()->fSize = dataSize;
        }

        /** A record holding exactly these data bytes. */
        explicit ChunkBuffer (const std::vector<unsigned char>& data)
            : ChunkBuffer (static_cast<int32_t> (data.size()))
        {
            if (! data.empty())
                std::memcpy (mBytes.get() + kChunkHeaderSize, data.data(), data.size());
        }

        AAX_SPlugInChunk* chunk() noexcept { return reinterpret_cast<AAX_SPlugInChunk*> (mBytes.get()); }

        /** The data bytes the size field covers (the whole allocation at most). */
        std::vector<unsigned char> data() const
        {
            const auto* record = reinterpret_cast<const AAX_SPlugInChunk*> (mBytes.get());
            const size_t size = std::min (mCapacity, static_cast<size_t> (std::max (record->fSize, 0)));
            return { mBytes.get() + kChunkHeaderSize, mBytes.get() + kChunkHeaderSize + size };
        }

    private:
        size_t mCapacity;
        std::unique_ptr<unsigned char[]> mBytes;
    };
} // namespace quindle::test::aax
