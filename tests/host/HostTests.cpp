#include "tests/host/PluginHost.h"
#include "tests/common/ChainSignals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace quindle::test::host
{
namespace
{
constexpr double sampleRate = 48000.0;
constexpr int blockSize = 512;

struct HostedParameter
{
    const char* name;
    float normalisedDefault;
    const char* defaultText;
    bool labelledOverLv2; // its texts are LV2 scale points: the switches and the choice
};

// Index order.
const HostedParameter expectedParameters[] {
    { "In M/S", 0.0f, "M and S", true },
    { "In L", 1.0f, "On", true },
    { "In R", 1.0f, "On", true },
    { "In L Phase Flip", 0.0f, "Off", true },
    { "In R Phase Flip", 0.0f, "Off", true },
    { "In Stereo Swap", 0.0f, "Off", true },
    { "In Mono", 0.0f, "Off", true },
    { "Balance", 0.5f, "0.0", false },
    { "Stereo Pan", 0.0f, "Off", true },
    { "Width", 0.5f, "100", false },
    { "Mono Freq", 0.0f, "Off", false },
    { "Out Mono", 0.0f, "Off", true },
    { "Out Gain", 0.5f, "0.0", false },
};

class HostedQuindle : public ::testing::TestWithParam<Format>
{
protected:
    std::unique_ptr<juce::AudioPluginInstance> load() { return host.load (GetParam(), sampleRate, blockSize); }

    /** The plug-in's parameters in its own index order. VST3 keeps that order; JUCE's LV2 host
        lists parameters by their IRIs instead (LV2 has no parameter order), so there each one is
        found by its name. */
    std::vector<juce::AudioProcessorParameter*> inIndexOrder (juce::AudioPluginInstance& instance)
    {
        const auto parameters = pluginParameters (instance);
        EXPECT_EQ (parameters.size(), 13);

        if (GetParam() == Format::vst3)
            return { parameters.begin(), parameters.end() };

        std::vector<juce::AudioProcessorParameter*> ordered;

        for (const auto& expected : expectedParameters)
        {
            const auto named = std::count_if (parameters.begin(), parameters.end(),
                                              [&] (auto* p) { return p->getName (100) == expected.name; });
            EXPECT_EQ (named, 1) << expected.name;
            ordered.push_back (*std::find_if (parameters.begin(), parameters.end(),
                                              [&] (auto* p) { return p->getName (100) == expected.name; }));
        }

        return ordered;
    }

    PluginHost host;
};
} // namespace

TEST_P (HostedQuindle, SeesThirteenParametersInIndexOrderWithNamesDefaultsAndTexts)
{
    const auto instance = load();
    ASSERT_NE (instance, nullptr);
    EXPECT_EQ (instance->getMainBusNumInputChannels(), 2);
    EXPECT_EQ (instance->getMainBusNumOutputChannels(), 2);

    const auto parameters = inIndexOrder (*instance);
    ASSERT_EQ (parameters.size(), 13u);

    for (size_t index = 0; index < parameters.size(); ++index)
    {
        const auto& expected = expectedParameters[index];
        SCOPED_TRACE (expected.name);
        auto* p = parameters[index];

        EXPECT_EQ (p->getName (100), expected.name);
        EXPECT_NEAR (p->getDefaultValue(), expected.normalisedDefault, 1.0e-6f);
        EXPECT_NEAR (p->getValue(), expected.normalisedDefault, 1.0e-6f) << "a new instance starts at its defaults";

        // LV2 carries texts only as scale points: the numbers show as plain numbers there.
        if (GetParam() == Format::vst3 || expected.labelledOverLv2)
        {
            EXPECT_EQ (p->getText (p->getDefaultValue(), 100), expected.defaultText);
        }
    }

    struct TextCase { size_t index; float normalised; const char* text; };
    const TextCase choiceTexts[] { { 0, 0.5f, "M Solo" }, { 0, 1.0f, "S Solo" }, { 1, 0.0f, "Off" }, { 11, 1.0f, "On" } };

    for (const auto& t : choiceTexts)
        EXPECT_EQ (parameters[t.index]->getText (t.normalised, 100), t.text) << expectedParameters[t.index].name;

    if (GetParam() == Format::vst3)
    {
        const TextCase numberTexts[] {
            { 7, 0.0f, "100L" }, { 7, 0.315f, "37.0L" }, { 7, 1.0f, "100R" },
            { 9, 1.0f, "200" },  { 10, 1.0f, "999Hz" }, { 12, 0.0f, "-18.0" },
        };

        for (const auto& t : numberTexts)
            EXPECT_EQ (parameters[t.index]->getText (t.normalised, 100), t.text) << expectedParameters[t.index].name;
    }
}

TEST_P (HostedQuindle, StateSavedThroughTheHostRestoresIntoASecondInstance)
{
    const auto first = load();
    ASSERT_NE (first, nullptr);

    // Every parameter away from its default, in the normalised values a host sends.
    const float settings[] { 1.0f, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.315f, 1.0f, 0.75f, 0.5f, 1.0f, 0.25f };
    const auto parameters = inIndexOrder (*first);
    ASSERT_EQ (parameters.size(), 13u);

    for (size_t index = 0; index < 13; ++index)
        parameters[index]->setValueNotifyingHost (settings[index]);

    processSilence (*first, blockSize);
    runMessageLoopFor (50);

    juce::MemoryBlock state;
    first->getStateInformation (state);
    ASSERT_GT (state.getSize(), 0u);

    const auto second = load();
    ASSERT_NE (second, nullptr);
    second->setStateInformation (state.getData(), static_cast<int> (state.getSize()));
    processSilence (*second, blockSize);
    runMessageLoopFor (50);

    const auto restored = inIndexOrder (*second);
    ASSERT_EQ (restored.size(), 13u);

    for (size_t index = 0; index < 13; ++index)
    {
        SCOPED_TRACE (expectedParameters[index].name);
        EXPECT_NEAR (parameters[index]->getValue(), settings[index], 1.0e-4f) << "the first instance took the setting";
        EXPECT_NEAR (restored[index]->getValue(), settings[index], 1.0e-4f);
    }
}

TEST_P (HostedQuindle, RendersTheChainWithParametersSetThroughTheHost)
{
    struct Case { const char* name; std::vector<std::pair<size_t, float>> settings; std::function<Sample (double, double)> expected; };
    const Case cases[] {
        { "defaults", {}, [] (double l, double r) { return Sample { l, r }; } },
        { "M Solo", { { 0, 0.5f } }, [] (double l, double r) { return Sample { mid (l, r), mid (l, r) }; } },
        { "L flipped and swapped", { { 3, 1.0f }, { 5, 1.0f } }, [] (double l, double r) { return Sample { r, -l }; } },
        { "width 0 %", { { 9, 0.0f } }, [] (double l, double r) { return Sample { mid (l, r), mid (l, r) }; } },
        { "balance full left", { { 7, 0.0f } }, [] (double l, double) { return Sample { sqrt2 * l, 0.0 }; } },
        { "stereo pan full left", { { 7, 0.0f }, { 8, 1.0f } }, [] (double l, double r) { return stereoPan (-1.0, l, r); } },
        { "output -6 dB", { { 12, 1.0f / 3.0f } }, [] (double l, double r) { const auto g = decibelsToGain (-6); return Sample { g * l, g * r }; } },
    };

    const auto input = twoToneSignal (9216 + 1024, sampleRate);

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto instance = load();
        ASSERT_NE (instance, nullptr);
        const auto parameters = inIndexOrder (*instance);
        ASSERT_EQ (parameters.size(), 13u);

        for (const auto& [index, normalised] : c.settings)
            parameters[index]->setValueNotifyingHost (normalised);

        // The changes reach the plug-in with the first block and then ramp; the last 1024
        // samples are long past every ramp.
        const auto output = render (*instance, input, blockSize);
        EXPECT_LT (largestError (input, output, 9216, c.expected), 1.0e-4);
    }
}

TEST (HostedQuindleLV2, BlocksLongerThanPreparedAreProcessedWhole)
{
    // JUCE's LV2 wrapper hands such blocks straight to the processor (its VST3 wrapper would cut
    // them to the prepared size first). Under the sanitizers the processor tests show that
    // nothing overruns; here the whole chain must still come out right.
    PluginHost host;
    const auto instance = host.load (Format::lv2, sampleRate, 64);
    ASSERT_NE (instance, nullptr);

    for (auto* parameter : pluginParameters (*instance))
    {
        if (parameter->getName (100) == "Out Gain")
            parameter->setValueNotifyingHost (1.0f / 3.0f); // -6 dB
        else if (parameter->getName (100) == "In Stereo Swap")
            parameter->setValueNotifyingHost (1.0f);
    }

    const auto input = twoToneSignal (12000, sampleRate);
    const auto output = render (*instance, input, 1000);
    const auto gain = decibelsToGain (-6);

    EXPECT_LT (largestError (input, output, 6000, [gain] (double l, double r) { return Sample { gain * r, gain * l }; }), 1.0e-4);
}

INSTANTIATE_TEST_SUITE_P (Formats, HostedQuindle, ::testing::Values (Format::vst3, Format::lv2),
                          [] (const auto& testInfo) { return nameOf (testInfo.param); });
} // namespace quindle::test::host
