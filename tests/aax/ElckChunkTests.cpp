// The library's 'elck' chunk as the host saves, restores and compares it, against the test host.

#include "AAX_CChunkDataParser.h"
#include "tests/aax/support/ChunkBuffer.h"
#include "tests/aax/support/TestEffect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace quindle::test::aax
{
namespace
{
    using Answer = aaxhost::AutomationDelegate::Answer;

    constexpr AAX_CTypeID kElck = 0x656C636B;

    /** The chunk as the host gets it: size first, then the chunk into a record of that size. */
    ChunkBuffer savedChunk (const TestEffect& effect)
    {
        uint32_t size = 0;
        EXPECT_EQ (effect.GetChunkSize (kElck, &size), AAX_SUCCESS);
        ChunkBuffer buffer (static_cast<int32_t> (size));
        EXPECT_EQ (effect.GetChunk (kElck, buffer.chunk()), AAX_SUCCESS);
        buffer.chunk()->fChunkID = kElck;   // the host files the chunk under its ID
        return buffer;
    }

    AAX_CBoolean compare (const TestEffect& effect, ChunkBuffer& chunk)
    {
        AAX_CBoolean equal = 7;
        EXPECT_EQ (effect.CompareActiveChunk (chunk.chunk(), &equal), AAX_SUCCESS);
        return equal;
    }

    /** Distinct values for the 13 chunked parameters, and the master bypass on. */
    void setDistinctValues (TestEffect& effect)
    {
        int32_t index = 0;
        for (const auto& definition : quindleParameters())
            effect.UpdateParameterNormalizedValue (definition.id.c_str(), 0.05 * ++index, AAX_eUpdateSource_Parameter);

        effect.UpdateParameterNormalizedValue (cDefaultMasterBypassID, 1.0, AAX_eUpdateSource_Parameter);
    }

    ChunkBuffer chunkOf (const AAX_CChunkDataParser& parser)
    {
        ChunkBuffer buffer (parser.GetChunkDataSize());
        EXPECT_EQ (parser.GetChunkData (buffer.chunk()), AAX_SUCCESS);
        buffer.chunk()->fChunkID = kElck;
        return buffer;
    }
} // namespace

TEST (ElckChunk, OneDoubleRecordPerParameterInIndexOrderWithoutTheMasterBypass)
{
    EffectSession session;
    auto chunk = savedChunk (*session.effect);
    const AAX_SPlugInChunk& record = *chunk.chunk();

    int32_t expectedSize = 4;
    for (const auto& definition : quindleParameters())
        if (definition.id != cDefaultMasterBypassID)
            expectedSize += static_cast<int32_t> ((definition.id.size() + 6) & ~size_t { 3 }) + 8;

    EXPECT_EQ (record.fSize, expectedSize);
    EXPECT_EQ (record.fVersion, -1);
    char name[32] = "Complete Controls State";
    EXPECT_EQ (std::memcmp (record.fName, name, sizeof (name)), 0) << "the name and 9 zero bytes";

    const std::vector<unsigned char> firstRecord { 0x01, 0x01, 0x01, 0x01, 'd', '_', 'I', 'n', 'p', 'u', 't', ' ',
                                                   'M', '/', 'S', 0x00, 0, 0, 0, 0, 0, 0, 0, 0 };
    const auto data = chunk.data();
    EXPECT_EQ (std::vector<unsigned char> (data.begin(), data.begin() + 24), firstRecord);

    AAX_CChunkDataParser parser;
    parser.LoadChunk (&record);
    ASSERT_EQ (parser.NumDataFields(), 13);
    EXPECT_EQ (parser.FindName (AAX_CString ("MasterBypassID")), -1);

    int32_t index = 0;
    for (const auto& definition : quindleParameters())
    {
        if (definition.id == cDefaultMasterBypassID)
            continue;

        SCOPED_TRACE (definition.id);
        EXPECT_EQ (parser.FindName (AAX_CString (definition.id.c_str())), index++);
        double value = -1.0;
        EXPECT_TRUE (parser.FindDouble (definition.id.c_str(), &value));
        EXPECT_EQ (value, static_cast<double> (definition.defaultValue));
    }
}

TEST (ElckChunk, TheChunkMustBeAskedForAtTheSizeLastReported)
{
    EffectSession session;
    auto& effect = *session.effect;

    int32_t numChunks = 0;
    AAX_CTypeID id = 0;
    EXPECT_EQ (effect.GetNumberOfChunks (&numChunks), AAX_SUCCESS);
    EXPECT_EQ (numChunks, 1);
    EXPECT_EQ (effect.GetChunkIDFromIndex (0, &id), AAX_SUCCESS);
    EXPECT_EQ (id, kElck);

    ChunkBuffer roomy (4096);
    EXPECT_EQ (effect.GetChunk (kElck, roomy.chunk()), AAX_ERROR_INCORRECT_CHUNK_SIZE) << "no size query before";

    uint32_t size = 0;
    ASSERT_EQ (effect.GetChunkSize (kElck, &size), AAX_SUCCESS);
    effect.addParameter ({ "Added Later", "Added Later", 0.0f });
    EXPECT_EQ (effect.GetChunk (kElck, roomy.chunk()), AAX_ERROR_INCORRECT_CHUNK_SIZE) << "the records grew since";

    ASSERT_EQ (effect.GetChunkSize (kElck, &size), AAX_SUCCESS);
    EXPECT_EQ (effect.GetChunk (kElck, roomy.chunk()), AAX_SUCCESS);
    EXPECT_EQ (roomy.chunk()->fSize, static_cast<int32_t> (size));
}

TEST (ElckChunk, AnInstanceWithOnlyTheMasterBypassSavesTheMarkerAlone)
{
    EffectSession session ({}, { { cDefaultMasterBypassID, "Master Bypass", 0.0f, 2, true } });

    auto chunk = savedChunk (*session.effect);

    EXPECT_EQ (chunk.data(), (std::vector<unsigned char> { 0x01, 0x01, 0x01, 0x01 }));
}

TEST (ElckChunk, RestoreSetsEveryParameterThroughTheHost)
{
    EffectSession saved;
    setDistinctValues (*saved.effect);
    auto chunk = savedChunk (*saved.effect);

    struct Case
    {
        const char* name;
        aaxhost::InstanceOptions options;
        Answer answer;
    };

    const Case cases[] = {
        { "host answers inside the request", {}, Answer::atOnce },
        { "host answers later", {}, Answer::later },
        { "host without automation", withoutAutomationDelegate(), Answer::atOnce },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EffectSession restored (c.options);
        restored.automation().answerSetRequests (c.answer);

        EXPECT_EQ (restored.effect->SetChunk (kElck, chunk.chunk()), AAX_SUCCESS);

        if (c.answer == Answer::later)
        {
            EXPECT_EQ (restored.effect->valueOf ("Width"), 0.5f) << "the values wait for the host";
            EXPECT_EQ (restored.automation().pending().size(), 13u);
            restored.automation().deliverPending();
        }

        for (const auto& definition : quindleParameters())
        {
            SCOPED_TRACE (definition.id);
            const float expected = definition.id == cDefaultMasterBypassID ? 0.0f : saved.effect->valueOf (definition.id);
            EXPECT_EQ (restored.effect->valueOf (definition.id), expected);
        }

        EXPECT_EQ (compare (*restored.effect, chunk), 1);
    }
}

TEST (ElckChunk, RecordsThatAreNotFiniteOrOfAnotherTypeLeaveTheirParameterAlone)
{
    AAX_CChunkDataParser parser;
    parser.AddDouble ("Width", std::numeric_limits<double>::quiet_NaN());
    parser.AddDouble ("Balance", std::numeric_limits<double>::infinity());
    parser.AddDouble ("Output Gain", -1e300);
    parser.AddInt32 ("Stereo Pan", 1);
    parser.AddString ("Mono Check", AAX_CString ("1"));
    parser.AddDouble ("Mono Freq", 0.25);
    auto chunk = chunkOf (parser);

    EffectSession session;
    EXPECT_EQ (session.effect->SetChunk (kElck, chunk.chunk()), AAX_SUCCESS);

    EXPECT_EQ (session.effect->valueOf ("Width"), 0.5f);
    EXPECT_EQ (session.effect->valueOf ("Balance"), 0.5f);
    EXPECT_EQ (session.effect->valueOf ("Output Gain"), 0.5f);
    EXPECT_EQ (session.effect->valueOf ("Stereo Pan"), 0.0f);
    EXPECT_EQ (session.effect->valueOf ("Mono Check"), 0.0f);
    EXPECT_EQ (session.effect->valueOf ("Mono Freq"), 0.25f);
    EXPECT_EQ (session.automation().pending().size(), 0u);
    EXPECT_EQ (compare (*session.effect, chunk), 0) << "a NaN record never equals a value";
}

TEST (ElckChunk, DamagedChunksApplyTheWholeRecordsBeforeTheDamage)
{
    EffectSession saved;
    setDistinctValues (*saved.effect);
    const auto full = savedChunk (*saved.effect).data();

    struct Case
    {
        const char* name;
        std::vector<unsigned char> data;
        std::vector<const char*> restored;
    };

    auto noMarker = full;
    noMarker[0] = 0x02;
    const size_t firstTwoRecords = 4 + 12 + 8 + 12 + 8;   // "Input M/S" and "L Enabled"

    const Case cases[] = {
        { "cut inside the third record", { full.begin(), full.begin() + static_cast<std::ptrdiff_t> (firstTwoRecords + 10) },
          { "Input M/S", "L Enabled" } },
        { "no marker", noMarker, {} },
        { "empty", {}, {} },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        ChunkBuffer chunk (c.data);
        EffectSession restored;

        EXPECT_EQ (restored.effect->SetChunk (kElck, chunk.chunk()), AAX_SUCCESS);

        for (const auto& definition : quindleParameters())
        {
            SCOPED_TRACE (definition.id);
            const bool applied = std::find (c.restored.begin(), c.restored.end(), definition.id) != c.restored.end();
            EXPECT_EQ (restored.effect->valueOf (definition.id), applied ? saved.effect->valueOf (definition.id) : definition.defaultValue);
        }
    }
}

TEST (ElckChunk, CompareTellsWhetherTheParametersHoldTheChunksValues)
{
    EffectSession session;
    auto& effect = *session.effect;
    auto current = savedChunk (effect);

    AAX_CChunkDataParser missingOne;
    for (const auto& definition : quindleParameters())
        if (definition.id != "Width" && definition.id != cDefaultMasterBypassID)
            missingOne.AddDouble (definition.id.c_str(), definition.defaultValue);
    auto withoutWidth = chunkOf (missingOne);

    auto foreign = savedChunk (effect);
    foreign.chunk()->fChunkID = 0x6A756365;   // 'juce'

    ChunkBuffer markerOnly (std::vector<unsigned char> { 0x01, 0x01, 0x01, 0x01 });
    markerOnly.chunk()->fChunkID = kElck;

    EXPECT_EQ (compare (effect, current), 1);
    EXPECT_EQ (compare (effect, withoutWidth), 0) << "a parameter without its record differs";
    EXPECT_EQ (compare (effect, markerOnly), 0);
    EXPECT_EQ (compare (effect, foreign), 1) << "a chunk of another ID says nothing about the parameters";

    effect.UpdateParameterNormalizedValue (cDefaultMasterBypassID, 1.0, AAX_eUpdateSource_Parameter);
    EXPECT_EQ (compare (effect, current), 1) << "the master bypass is not part of the chunk";
    effect.UpdateParameterNormalizedValue ("Output Gain", 0.75, AAX_eUpdateSource_Parameter);
    EXPECT_EQ (compare (effect, current), 0);

    EffectSession empty ({}, {});
    EXPECT_EQ (compare (*empty.effect, markerOnly), 1) << "no parameters, nothing to differ";
}
} // namespace quindle::test::aax
