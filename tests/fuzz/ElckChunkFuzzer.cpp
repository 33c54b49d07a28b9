// Any bytes as the data of an 'elck' chunk: the chunk codec's reader on its own, then a restore
// through the effect parameters base of an instance the test host drives. The reader reads
// nothing outside the data (the chunk record is allocated at exactly its size); a restore leaves
// the master bypass alone and every parameter finite and in range, and the instance's own chunk
// then restores exactly, elsewhere.

#include "FuzzCheck.h"

#include "aax/support/ChunkBuffer.h"
#include "aax/support/TestEffect.h"

#include "AAX_CChunkDataParser.h"

#include <string>
#include <vector>

namespace
{
using namespace quindle::fuzz;
using aaxtest::ChunkBuffer;
using aaxtest::EffectSession;

constexpr AAX_CTypeID elck = 0x656C636B;

// Each record the reader keeps is written back in as many bytes as it was read from, so what it
// read never adds up to more than the data (the last record's padding may be missing).
void checkTheReaderAlone (const std::vector<unsigned char>& data)
{
    ChunkBuffer chunk (data);
    AAX_CChunkDataParser parser;
    parser.LoadChunk (chunk.chunk());

    if (parser.NumDataFields() == 0)
        return;

    const auto paddedSize = static_cast<int32_t> ((data.size() + 3) & ~std::size_t { 3 });
    check (parser.GetChunkDataSize() <= paddedSize, "the records read fit in the data",
           std::to_string (parser.GetChunkDataSize()) + " bytes from " + std::to_string (data.size()));
    ChunkBuffer rewritten (parser.GetChunkDataSize());
    check (parser.GetChunkData (rewritten.chunk()) == AAX_SUCCESS, "the records read are written");
}

ChunkBuffer savedChunk (const aaxtest::TestEffect& effect)
{
    uint32_t size = 0;
    check (effect.GetChunkSize (elck, &size) == AAX_SUCCESS, "the chunk's size is reported");
    ChunkBuffer chunk (static_cast<int32_t> (size));
    check (effect.GetChunk (elck, chunk.chunk()) == AAX_SUCCESS, "the chunk is written");
    chunk.chunk()->fChunkID = elck;
    return chunk;
}

std::vector<double> normalisedValues (aaxtest::TestEffect& effect)
{
    std::vector<double> values;

    for (int32_t i = 0; i < effect.manager().NumParameters(); ++i)
        values.push_back (effect.manager().GetParameter (i)->GetNormalizedValue());

    return values;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    const std::vector<unsigned char> bytes (data, data + size);
    checkTheReaderAlone (bytes);

    EffectSession session;
    auto& effect = *session.effect;
    effect.UpdateParameterNormalizedValue (cDefaultMasterBypassID, 1.0, AAX_eUpdateSource_Parameter);

    ChunkBuffer chunk (bytes);
    chunk.chunk()->fChunkID = elck;
    check (effect.SetChunk (elck, chunk.chunk()) == AAX_SUCCESS, "a restore succeeds");
    check (effect.valueOf (cDefaultMasterBypassID) == 1.0f, "a restore leaves the master bypass alone");

    for (const auto value : normalisedValues (effect))
        check (value >= 0.0 && value <= 1.0, "every parameter is finite and in range", std::to_string (value));

    auto saved = savedChunk (effect);
    AAX_CBoolean equal = 0;
    check (effect.CompareActiveChunk (saved.chunk(), &equal) == AAX_SUCCESS && equal == 1, "the instance equals its own chunk");

    EffectSession other;
    check (other.effect->SetChunk (elck, saved.chunk()) == AAX_SUCCESS, "the saved chunk restores");
    check (other.effect->valueOf (cDefaultMasterBypassID) == 0.0f, "the saved chunk holds no master bypass");

    auto values = normalisedValues (effect);
    auto otherValues = normalisedValues (*other.effect);
    values.pop_back(); // the master bypass, last, is not in the chunk
    otherValues.pop_back();
    check (otherValues == values, "the saved chunk restores every value exactly");
    check (savedChunk (*other.effect).data() == saved.data(), "the restored instance saves the same chunk");
    return 0;
}
