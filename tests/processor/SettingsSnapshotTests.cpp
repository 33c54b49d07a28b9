#include "tests/processor/ProcessorTestSupport.h"
#include "processor/ParameterIDs.h"

#include <functional>
#include <limits>
#include <tuple>

namespace quindle::test::processor
{
namespace
{
auto fieldsOf (const ChainSettings& s)
{
    return std::make_tuple (s.midOn, s.sideOn, s.leftOn, s.rightOn, s.flipLeft, s.flipRight, s.swap, s.inputMono,
                            s.balance, s.pan, s.stereoPan, s.width, s.widthOffset, s.monoFreqHz, s.monoCheck, s.outputGainDb);
}

ChainSettings atDefaults()
{
    ChainSettings s;
    s.width = 1.0f;
    s.monoFreqHz = 9;
    return s;
}

void storeRaw (QuindleAudioProcessor& processor, const char* parameterId, float value)
{
    processor.apvts.getRawParameterValue (parameterId)->store (value);
}
} // namespace

TEST (SettingsSnapshot, ReadsEveryParameterIntoItsFields)
{
    struct Case
    {
        const char* name;
        std::vector<std::pair<const char*, float>> parameters; // set as a host does
        std::vector<std::pair<const char*, float>> raw;        // stored as the tree keeps them
        std::function<void (ChainSettings&)> expect;
    };

    const Case cases[] {
        { "defaults", {}, {}, [] (ChainSettings&) {} },
        { "M Solo", { { "Input M/S", 1 } }, {}, [] (ChainSettings& s) { s.sideOn = false; } },
        { "S Solo", { { "Input M/S", 2 } }, {}, [] (ChainSettings& s) { s.midOn = false; } },
        { "switches", { { "L Enabled", 0 }, { "R Enabled", 0 }, { "Phase Flip L", 1 }, { "Phase Flip R", 1 },
                        { "Stereo Swap", 1 }, { "Input Mono", 1 }, { "Stereo Pan", 1 }, { "Mono Check", 1 } }, {},
          [] (ChainSettings& s)
          {
              s.leftOn = s.rightOn = false;
              s.flipLeft = s.flipRight = s.swap = s.inputMono = s.stereoPan = s.monoCheck = true;
          } },
        { "negative zero is off", {}, { { "L Enabled", -0.0f } }, [] (ChainSettings& s) { s.leftOn = false; } },
        { "balance -37", { { "Balance", -37 } }, {}, [] (ChainSettings& s) { s.balance = -37; s.pan = -0.37f; } },
        { "balance truncates toward zero", {}, { { "Balance", -37.9f } }, [] (ChainSettings& s) { s.balance = -37; s.pan = -0.37f; } },
        { "width 50 %", { { "Width", 0.5f } }, {}, [] (ChainSettings& s) { s.width = 0.5f; s.widthOffset = -0.5f; } },
        { "Mono Freq 10", { { "Mono Freq", 10 } }, {}, [] (ChainSettings& s) { s.monoFreqHz = 10; } },
        { "Mono Freq rounds a half up", {}, { { "Mono Freq", 99.5f } }, [] (ChainSettings& s) { s.monoFreqHz = 100; } },
        { "Mono Freq rounds to nearest", {}, { { "Mono Freq", 99.49f } }, [] (ChainSettings& s) { s.monoFreqHz = 99; } },
        { "output -3.5 dB", { { "Output Gain", -3.5f } }, {}, [] (ChainSettings& s) { s.outputGainDb = -3.5f; } },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto processor = makeProcessor();

        for (const auto& [id, value] : c.parameters)
            setParameter (*processor, id, value);

        for (const auto& [id, value] : c.raw)
            storeRaw (*processor, id, value);

        auto expected = atDefaults();
        c.expect (expected);
        EXPECT_EQ (fieldsOf (processor->getSettings()), fieldsOf (expected));
    }
}

TEST (SettingsSnapshot, ANonFiniteValueReadsAsTheDefault)
{
    // A host can hand a parameter NaN; the chain must still get a number it can ramp to.
    for (const auto* id : ParameterIDs::inIndexOrder)
    {
        for (const auto value : { std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                                  -std::numeric_limits<float>::infinity() })
        {
            SCOPED_TRACE (std::string (id) + " = " + std::to_string (value));
            const auto processor = makeProcessor();
            setParameter (*processor, "Width", 1.5f);
            storeRaw (*processor, id, value);

            auto expected = atDefaults();

            if (std::string (id) != "Width")
            {
                expected.width = 1.5f;
                expected.widthOffset = 0.5f;
            }

            EXPECT_EQ (fieldsOf (processor->getSettings()), fieldsOf (expected));
        }
    }

    // And the audio stays clean.
    const auto processor = makeProcessor();

    for (const auto* id : ParameterIDs::inIndexOrder)
        storeRaw (*processor, id, std::numeric_limits<float>::quiet_NaN());

    processor->prepareToPlay (48000.0, 512);
    const auto input = testSignal (2048);
    const auto output = render (*processor, input, 512);

    for (size_t i = 0; i < input.size(); ++i)
    {
        ASSERT_NEAR (output.left[i], input.left[i], 1.0e-6f) << i;
        ASSERT_NEAR (output.right[i], input.right[i], 1.0e-6f) << i;
    }
}
} // namespace quindle::test::processor
