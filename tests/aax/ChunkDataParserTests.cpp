#include "AAX_CChunkDataParser.h"
#include "AAX_Errors.h"
#include "tests/aax/support/ChunkBuffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace quindle::test::aax
{
namespace
{
    using Bytes = std::vector<unsigned char>;

    const Bytes kMarker { 0x01, 0x01, 0x01, 0x01 };

    Bytes operator+ (Bytes a, const Bytes& b)
    {
        a.insert (a.end(), b.begin(), b.end());
        return a;
    }

    /** Text bytes, optionally with the terminator and the zero padding to 4 bytes. */
    Bytes text (const std::string& s, bool terminatedAndPadded = true)
    {
        Bytes bytes (s.begin(), s.end());

        if (terminatedAndPadded)
            bytes.resize ((s.size() + 4) & ~size_t { 3 }, 0);

        return bytes;
    }

    Bytes bigEndianDouble (double value)
    {
        uint64_t bits = 0;
        std::memcpy (&bits, &value, sizeof (bits));
        Bytes bytes;

        for (int shift = 56; shift >= 0; shift -= 8)
            bytes.push_back (static_cast<unsigned char> (bits >> shift));

        return bytes;
    }

    Bytes doubleRecord (const std::string& name, double value)
    {
        return text ("d_" + name) + bigEndianDouble (value);
    }

    /** Writes the parser's values into a record of exactly the size it needs. */
    ChunkBuffer written (const AAX_CChunkDataParser& parser)
    {
        ChunkBuffer buffer (parser.GetChunkDataSize());
        EXPECT_EQ (parser.GetChunkData (buffer.chunk()), AAX_SUCCESS);
        return buffer;
    }

    /** The Quindle parameters as the 'elck' chunk holds them: one double per float parameter. */
    struct NamedValue
    {
        const char* name;
        double value;
    };

    const std::vector<NamedValue> kQuindleLikeValues {
        { "Input M/S", 0.0f }, { "L Enabled", 1.0f }, { "R Enabled", 1.0f }, { "Phase Flip L", 0.0f },
        { "Phase Flip R", 1.0f }, { "Stereo Swap", 0.0f }, { "Input Mono", 0.0f }, { "Balance", 0.37f },
        { "Stereo Pan", 1.0f }, { "Width", 0.8125f }, { "Mono Freq", 0.123456f }, { "Mono Check", 0.0f },
        { "Output Gain", 0.6666667f },
    };
} // namespace

TEST (ChunkDataParser, OneDoubleRecordHasTheKnownBytes)
{
    AAX_CChunkDataParser parser;
    parser.AddDouble ("Width", 1.0);

    auto buffer = written (parser);

    const Bytes expected { 0x01, 0x01, 0x01, 0x01, 'd', '_', 'W', 'i', 'd', 't', 'h', 0x00,
                           0x3F, 0xF0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00 };
    EXPECT_EQ (buffer.chunk()->fSize, 20);
    EXPECT_EQ (buffer.data(), expected);
}

TEST (ChunkDataParser, IntegerAndStringRecordsHaveTheKnownBytes)
{
    struct Case
    {
        const char* name;
        void (*add) (AAX_CChunkDataParser&);
        Bytes data;
    };

    const Case cases[] = {
        { "negative int32, big-endian two's complement", [] (AAX_CChunkDataParser& p) { p.AddInt32 ("ab", -2); },
          kMarker + Bytes { 'l', '_', 'a', 'b', 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFE } },
        { "string of 3: characters and terminator", [] (AAX_CChunkDataParser& p) { p.AddString ("s", AAX_CString ("abc")); },
          kMarker + Bytes { 'r', '_', 's', 0, 'a', 'b', 'c', 0 } },
        { "string of 4: padded to 8", [] (AAX_CChunkDataParser& p) { p.AddString ("s", AAX_CString ("abcd")); },
          kMarker + Bytes { 'r', '_', 's', 0, 'a', 'b', 'c', 'd', 0, 0, 0, 0 } },
        { "empty string", [] (AAX_CChunkDataParser& p) { p.AddString ("s", AAX_CString ("")); },
          kMarker + Bytes { 'r', '_', 's', 0, 0, 0, 0, 0 } },
        { "no values: the marker alone", [] (AAX_CChunkDataParser&) {}, kMarker },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        AAX_CChunkDataParser parser;
        c.add (parser);

        auto buffer = written (parser);
        EXPECT_EQ (buffer.data(), c.data);
        EXPECT_EQ (buffer.chunk()->fSize, static_cast<int32_t> (c.data.size()));
    }
}

TEST (ChunkDataParser, RecordsArePaddedToFourBytes)
{
    struct Case
    {
        size_t nameLength;
        int32_t nameField;   // (length + 6) & ~3
    };

    for (const Case c : { Case { 0, 4 }, Case { 1, 4 }, Case { 2, 8 }, Case { 5, 8 }, Case { 6, 12 }, Case { 31, 36 } })
    {
        SCOPED_TRACE (c.nameLength);
        AAX_CChunkDataParser parser;
        parser.AddDouble (std::string (c.nameLength, 'n').c_str(), 0.5);
        parser.AddInt32 ("i", 1);

        EXPECT_EQ (parser.GetChunkDataSize(), 4 + c.nameField + 8 + 4 + 4);
        EXPECT_EQ (written (parser).data().size() % 4, 0u);
    }
}

TEST (ChunkDataParser, QuindleLikeParameterSetRoundTrips)
{
    AAX_CChunkDataParser writer;

    for (const auto& v : kQuindleLikeValues)
        writer.AddDouble (v.name, v.value);

    auto buffer = written (writer);
    buffer.chunk()->fVersion = 7;

    AAX_CChunkDataParser reader;
    reader.LoadChunk (buffer.chunk());

    EXPECT_EQ (reader.NumDataFields(), 13);
    EXPECT_EQ (reader.GetChunkVersion(), 7);

    // Looked up in reverse, so each search wraps around.
    for (auto v = kQuindleLikeValues.rbegin(); v != kQuindleLikeValues.rend(); ++v)
    {
        SCOPED_TRACE (v->name);
        double value = -1.0;
        ASSERT_TRUE (reader.FindDouble (v->name, &value));
        EXPECT_EQ (value, v->value) << "bit for bit";
    }
}

TEST (ChunkDataParser, MixedRecordsRoundTripAndFindersCheckTheType)
{
    AAX_CChunkDataParser writer;
    writer.AddString ("Name", AAX_CString ("Quindle"));
    writer.AddInt32 ("Count", -123456);
    writer.AddDouble ("Gain", -0.25);

    AAX_CChunkDataParser reader;
    reader.LoadChunk (written (writer).chunk());

    AAX_CString name ("stale");
    int32_t count = 0;
    double gain = 0.0;
    EXPECT_TRUE (reader.FindString ("Name", &name));
    EXPECT_STREQ (name.Get(), "Quindle");
    EXPECT_TRUE (reader.FindInt32 ("Count", &count));
    EXPECT_EQ (count, -123456);
    EXPECT_TRUE (reader.FindDouble ("Gain", &gain));
    EXPECT_EQ (gain, -0.25);
    EXPECT_EQ (reader.NumDataFields(), 3) << "a string record followed by others reads back exactly these";

    EXPECT_FALSE (reader.FindDouble ("Count", &gain));
    EXPECT_FALSE (reader.FindInt32 ("Name", &count));
    EXPECT_FALSE (reader.FindString ("Gain", &name));
    EXPECT_FALSE (reader.FindDouble (nullptr, &gain)) << "a null name is the empty name";
    EXPECT_EQ (gain, -0.25);
}

TEST (ChunkDataParser, FindNameSearchesOnFromTheLastHitAndWrapsAround)
{
    AAX_CChunkDataParser parser;
    parser.AddDouble ("A", 0.0);
    parser.AddDouble ("B", 1.0);
    parser.AddDouble ("A", 2.0);
    parser.AddDouble ("C", 3.0);

    struct Step
    {
        const char* name;
        int32_t found;
    };

    const Step steps[] = {
        { "A", 0 }, { "A", 2 }, { "A", 0 },   // duplicates alternate
        { "B", 1 }, { "Z", -1 }, { "A", 2 },  // a miss leaves the last hit where it was
        { "B", 1 },                           // from after 2, wrapping round to 1
        { "C", 3 }, { "A", 0 },               // after the last value the search starts afresh
        { "", -1 },
    };

    for (const auto& step : steps)
    {
        SCOPED_TRACE (step.name);
        EXPECT_EQ (parser.FindName (AAX_CString (step.name)), step.found);
    }

    double value = 0.0;
    int32_t integer = 0;
    EXPECT_FALSE (parser.FindInt32 ("A", &integer)) << "a hit of the wrong type...";
    EXPECT_TRUE (parser.FindDouble ("A", &value)) << "...still moves the search on";
    EXPECT_EQ (value, 0.0);
}

TEST (ChunkDataParser, MalformedChunksLoadWhatPrecedesTheFaultAndNothingBeyondTheData)
{
    const Bytes goodA = doubleRecord ("A", 0.5);
    const Bytes goodB = doubleRecord ("B", 0.25);

    struct Case
    {
        const char* name;
        Bytes data;
        std::vector<std::string> names;   // every value read, in order
    };

    const std::vector<Case> cases {
        { "no data", {}, {} },
        { "shorter than the marker", { 0x01, 0x01, 0x01 }, {} },
        { "marker only", kMarker, {} },
        { "wrong marker", Bytes { 0x02, 0x01, 0x01, 0x01 } + goodA, {} },
        { "name running to the end without a terminator", kMarker + text ("d_Width", false), {} },
        { "name field of one character is skipped", kMarker + text ("d") + bigEndianDouble (1.0) + goodB, { "B" } },
        { "empty name field is skipped", kMarker + Bytes { 0, 0, 0, 0 } + goodB, { "B" } },
        { "double cut short keeps the record before", kMarker + goodA + text ("d_B") + Bytes { 0x3F, 0xF0, 0, 0 }, { "A" } },
        { "name padding past the end", kMarker + goodA + text ("d_BCD", false) + Bytes { 0 }, { "A" } },
        { "int32 cut short", kMarker + text ("l_I") + Bytes { 0, 7 }, {} },
        { "int16 slot cut short", kMarker + text ("s_H") + Bytes { 0, 7 }, {} },
        { "string without a terminator", kMarker + text ("r_S") + text ("abc", false), {} },
        { "name without a terminator within 255 bytes", kMarker + Bytes (300, 'a') + Bytes { 0 } + goodA, {} },
        { "name of 250 characters is read", kMarker + doubleRecord (std::string (250, 'n'), 1.0), { std::string (250, 'n') } },
        { "unknown letter and int16 are kept but found by no finder",
          kMarker + text ("x_X") + text ("s_H") + Bytes { 0, 7, 0, 0 } + goodA, { "X", "H", "A" } },
        { "string then double", kMarker + text ("r_S") + text ("abcd") + goodA, { "S", "A" } },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        ChunkBuffer buffer (c.data);
        AAX_CChunkDataParser parser;
        parser.AddDouble ("stale", 1.0);

        parser.LoadChunk (buffer.chunk());

        ASSERT_EQ (parser.NumDataFields(), static_cast<int32_t> (c.names.size()));

        for (size_t i = 0; i < c.names.size(); ++i)
            EXPECT_EQ (parser.FindName (AAX_CString (c.names[i].c_str())), static_cast<int32_t> (i)) << c.names[i];

        double value = 0.0;
        int32_t integer = 0;
        EXPECT_FALSE (parser.FindDouble ("X", &value));
        EXPECT_FALSE (parser.FindInt32 ("H", &integer));
        EXPECT_FALSE (parser.FindDouble ("stale", &value)) << "loading replaces what the parser held";
    }
}

TEST (ChunkDataParser, NegativeSizeOrNullChunkLoadsNothing)
{
    AAX_CChunkDataParser parser;
    parser.AddDouble ("stale", 1.0);

    ChunkBuffer negative (0);
    negative.chunk()->fSize = -8;
    negative.chunk()->fVersion = 3;
    parser.LoadChunk (negative.chunk());
    EXPECT_EQ (parser.NumDataFields(), 0);
    EXPECT_EQ (parser.GetChunkVersion(), 3) << "the version is copied whatever the data";

    parser.LoadChunk (nullptr);
    EXPECT_EQ (parser.NumDataFields(), 0);
    EXPECT_EQ (parser.GetChunkVersion(), -1);
}

TEST (ChunkDataParser, ChunkCutAtEveryOffsetLoadsExactlyTheWholeRecords)
{
    AAX_CChunkDataParser writer;
    std::vector<size_t> recordEnds;
    size_t end = 4;

    for (const auto& v : kQuindleLikeValues)
    {
        writer.AddDouble (v.name, v.value);
        end += ((std::strlen (v.name) + 6) & ~size_t { 3 }) + 8;
        recordEnds.push_back (end);
    }

    writer.AddInt32 ("Version", 2);
    recordEnds.push_back (end + ((std::strlen ("Version") + 6) & ~size_t { 3 }) + 4);

    const Bytes full = written (writer).data();
    ASSERT_EQ (full.size(), recordEnds.back());

    for (size_t cut = 0; cut <= full.size(); ++cut)
    {
        SCOPED_TRACE (cut);
        ChunkBuffer buffer (Bytes (full.begin(), full.begin() + static_cast<std::ptrdiff_t> (cut)));
        AAX_CChunkDataParser reader;

        reader.LoadChunk (buffer.chunk());

        size_t whole = 0;
        while (whole < recordEnds.size() && recordEnds[whole] <= cut)
            ++whole;

        ASSERT_EQ (reader.NumDataFields(), static_cast<int32_t> (whole));
    }
}

TEST (ChunkDataParser, WriterRefusesANullChunkAndWritesNoFurtherThanTheDataSize)
{
    AAX_CChunkDataParser parser;
    parser.AddString ("s", AAX_CString ("abcd"));
    EXPECT_EQ (parser.GetChunkData (nullptr), -333);

    // The record is exactly as large as the size the parser reports; AddressSanitizer watches its end.
    ChunkBuffer buffer (parser.GetChunkDataSize());
    buffer.chunk()->fSize = 0;
    buffer.chunk()->fVersion = 5;
    EXPECT_EQ (parser.GetChunkData (buffer.chunk()), AAX_SUCCESS);
    EXPECT_EQ (buffer.chunk()->fSize, 16);
    EXPECT_EQ (buffer.chunk()->fVersion, 5) << "the writer leaves the version to its caller";
}
} // namespace quindle::test::aax
