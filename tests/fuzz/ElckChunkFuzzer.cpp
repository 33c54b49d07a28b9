// Any bytes as the data of an 'elck' chunk: the chunk codec's reader on its own, then a restore
// through the effect parameters base of an instance the test host drives. The reader reads
// nothing outside the data (the chunk record is allocated at exactly its size) and keeps the
// records a reader of the format's own here finds. A restore goes through the host, leaves the
// master bypass alone, gives each parameter the value of its record and leaves the others as
// they were; and the instance's own chunk then restores exactly, elsewhere.

#include "tests/fuzz/FuzzCheck.h"

#include "tests/aax/support/ChunkBuffer.h"
#include "tests/aax/support/TestEffect.h"

#include "AAX_CChunkDataParser.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace
{
using namespace quindle::test::fuzz;
using quindle::test::aax::ChunkBuffer;
using quindle::test::aax::EffectSession;
using quindle::test::aax::quindleParameters;
using quindle::test::aax::TestEffect;

constexpr AAX_CTypeID elck = 0x656C636B;

/** One record of 'elck' data: the letter of its type, its name and, for a "d_" record, its double. */
struct Record
{
    char type = 0;
    std::string name;
    double value = 0.0;
};

std::size_t paddedTo4 (std::size_t size)
{
    return (size + 3) & ~std::size_t { 3 };
}

std::uint64_t bigEndianAt (const unsigned char* bytes, std::size_t numBytes)
{
    std::uint64_t bits = 0;

    for (std::size_t i = 0; i < numBytes; ++i)
        bits = (bits << 8) | bytes[i];

    return bits;
}

/** The length of the text at data[offset] when a NUL ends it within limit bytes. */
std::optional<std::size_t> textLengthAt (const std::vector<unsigned char>& data, std::size_t offset, std::size_t limit)
{
    const auto* begin = data.data() + offset;
    const auto* end = begin + std::min (limit, data.size() - offset);
    const auto* nul = std::find (begin, end, 0);
    return nul != end ? std::optional<std::size_t> (static_cast<std::size_t> (nul - begin)) : std::nullopt;
}

/** The records of the data, read from the format without the codec: after the marker, a name
    field (type letter, one more character, the name, a NUL, padded to 4) and a value field per
    record. A record that the data's end cuts short ends the reading; one whose name field is
    too short for a name is passed over. */
std::vector<Record> recordsIn (const std::vector<unsigned char>& data)
{
    constexpr std::size_t markerSize = 4, longestNameField = 255;
    std::vector<Record> records;

    if (data.size() <= markerSize || bigEndianAt (data.data(), markerSize) != 0x01010101)
        return records;

    for (std::size_t offset = markerSize; offset < data.size();)
    {
        const auto textLength = textLengthAt (data, offset, longestNameField);

        if (! textLength)
            break;

        Record record;
        const auto* text = reinterpret_cast<const char*> (data.data() + offset);
        record.type = *textLength > 0 ? text[0] : 0;
        const auto named = *textLength >= 2;

        if (named)
            record.name.assign (text + 2, *textLength - 2);

        offset = paddedTo4 (offset + *textLength + 1);

        if (offset > data.size())
            break;

        const auto available = data.size() - offset;

        if (record.type == 'd')
        {
            if (available < 8)
                break;

            const auto bits = bigEndianAt (data.data() + offset, 8);
            std::memcpy (&record.value, &bits, sizeof (bits));
            offset += 8;
        }
        else if (record.type == 'f' || record.type == 'l' || record.type == 's')
        {
            if (available < 4)
                break;

            offset += 4;
        }
        else if (record.type == 'r')
        {
            const auto length = textLengthAt (data, offset, available);

            if (! length)
                break;

            offset = paddedTo4 (offset + *length + 1);
        }

        if (named)
            records.push_back (record);
    }

    return records;
}

// Each record the reader keeps is written back in as many bytes as it was read from, so what it
// read never adds up to more than the data (the last record's padding may be missing).
void checkTheReaderAlone (const std::vector<unsigned char>& data, const std::vector<Record>& records)
{
    ChunkBuffer chunk (data);
    AAX_CChunkDataParser parser;
    parser.LoadChunk (chunk.chunk());

    check (parser.NumDataFields() == static_cast<int32_t> (records.size()), "the reader keeps the records of the data",
           std::to_string (parser.NumDataFields()) + " read, " + std::to_string (records.size()) + " in the data");

    if (parser.NumDataFields() == 0)
        return;

    const auto paddedSize = static_cast<int32_t> (paddedTo4 (data.size()));
    check (parser.GetChunkDataSize() <= paddedSize, "the records read fit in the data",
           std::to_string (parser.GetChunkDataSize()) + " bytes from " + std::to_string (data.size()));
    ChunkBuffer rewritten (parser.GetChunkDataSize());
    check (parser.GetChunkData (rewritten.chunk()) == AAX_SUCCESS, "the records read are written");
}

ChunkBuffer savedChunk (const TestEffect& effect)
{
    uint32_t size = 0;
    check (effect.GetChunkSize (elck, &size) == AAX_SUCCESS, "the chunk's size is reported");
    ChunkBuffer chunk (static_cast<int32_t> (size));
    check (effect.GetChunk (elck, chunk.chunk()) == AAX_SUCCESS, "the chunk is written");
    chunk.chunk()->fChunkID = elck;
    return chunk;
}

std::vector<double> normalisedValues (TestEffect& effect)
{
    std::vector<double> values;

    for (int32_t i = 0; i < effect.manager().NumParameters(); ++i)
        values.push_back (effect.manager().GetParameter (i)->GetNormalizedValue());

    return values;
}

std::vector<float> valuesOf (TestEffect& effect)
{
    std::vector<float> values;

    for (const auto& parameter : quindleParameters())
        values.push_back (effect.valueOf (parameter.id));

    return values;
}

std::string describe (const std::vector<float>& values)
{
    std::string text;

    for (const auto value : values)
        text += std::to_string (value) + " ";

    return text;
}

// A value kept and a value taken from a record differ unless the record holds that very value;
// the master bypass is on, so that a restore that turned it off would show.
void setAwayFromDefaults (TestEffect& effect)
{
    for (const auto& parameter : quindleParameters())
    {
        const auto value = parameter.id == cDefaultMasterBypassID ? 1.0 : parameter.defaultValue < 0.5f ? 0.8 : 0.2;
        effect.UpdateParameterNormalizedValue (parameter.id.c_str(), value, AAX_eUpdateSource_Parameter);
    }
}

// What a restore leaves in each parameter, in index order. The codec looks each chunked
// parameter's name up among the records, starting after the record the previous look-up found
// and going round the end, so a name that repeats is found in turn. A "d_" record holding a
// number a float holds gives the parameter that float, limited to 0..1 by its unit taper; any
// other record, or none, leaves the parameter as it was. The master bypass is never looked up.
std::vector<float> expectedAfterRestoring (const std::vector<Record>& records, const std::vector<float>& present)
{
    auto expected = present;
    const auto parameters = quindleParameters();
    std::size_t next = 0;

    for (std::size_t i = 0; i < parameters.size(); ++i)
    {
        if (parameters[i].id == cDefaultMasterBypassID)
            continue;

        for (std::size_t step = 0; step < records.size(); ++step)
        {
            const auto index = (next + step) % records.size();
            const auto& record = records[index];

            if (record.name != parameters[i].id)
                continue;

            next = index + 1;

            if (record.type == 'd' && std::isfinite (record.value)
                && std::abs (record.value) <= static_cast<double> (std::numeric_limits<float>::max()))
                expected[i] = std::clamp (static_cast<float> (record.value), 0.0f, 1.0f);

            break;
        }
    }

    return expected;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    const std::vector<unsigned char> bytes (data, data + size);
    const auto records = recordsIn (bytes);
    checkTheReaderAlone (bytes, records);

    EffectSession session;
    auto& effect = *session.effect;
    setAwayFromDefaults (effect);
    const auto present = valuesOf (effect);

    ChunkBuffer chunk (bytes);
    chunk.chunk()->fChunkID = elck;
    session.automation().answerSetRequests (quindle::test::aaxhost::AutomationDelegate::Answer::later);
    check (effect.SetChunk (elck, chunk.chunk()) == AAX_SUCCESS, "a restore succeeds");
    check (valuesOf (effect) == present, "a restore asks the host and changes nothing before it answers", describe (valuesOf (effect)));
    session.automation().deliverPending();

    const auto expected = expectedAfterRestoring (records, present);
    check (valuesOf (effect) == expected, "each parameter takes the value of its record, the others keep theirs",
           "got " + describe (valuesOf (effect)) + "\nexpected " + describe (expected));
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
