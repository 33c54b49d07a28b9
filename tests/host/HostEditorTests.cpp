// The plug-in's editor open in JUCE's own VST3 and LV2 hosting, in a window of an X server of the
// test's own: the plug-in's messages then run on the host's message thread, and the host sizes
// and closes the editor's window as it does for a user.

#include "tests/host/PluginHost.h"
#include "tests/common/ChainSignals.h"
#include "tests/common/Watchdog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>

namespace quindle::test::host
{
namespace
{
constexpr double sampleRate = 48000.0;
constexpr int blockSize = 512;

class HostedEditor : public ::testing::TestWithParam<Format>
{
protected:
    PluginHost host;
};

/** The host's editor for the instance, shown in a window of its own, as a host opens it. */
std::unique_ptr<juce::AudioProcessorEditor> openEditor (juce::AudioPluginInstance& instance)
{
    std::unique_ptr<juce::AudioProcessorEditor> editor (instance.createEditorIfNeeded());

    if (editor != nullptr)
    {
        editor->addToDesktop (juce::ComponentPeer::windowHasTitleBar);
        editor->setVisible (true);
    }

    return editor;
}

/** The width the plug-in's settings file holds; empty when it holds none. */
juce::String storedWidth()
{
    const juce::File file ("~/Norvane/Quindle/Quindle.config");
    return file.existsAsFile() ? juce::PropertiesFile (file, {}).getValue ("size-x") : juce::String();
}

/** A host's window showing the host's editor as its content, as a host shows a plug-in. */
struct HostWindow : juce::DocumentWindow
{
    explicit HostWindow (juce::AudioProcessorEditor& editor)
        : juce::DocumentWindow ("Quindle", juce::Colours::black, 0, true)
    {
        setUsingNativeTitleBar (true);
        setContentNonOwned (&editor, true);
        setVisible (true);
    }
};

// Longer than the plug-in's poll of its settings file, once a second.
constexpr int pastAPoll = 1300;
} // namespace

TEST_P (HostedEditor, AWidthTheUserGivesIsKeptWhenTheEditorClosesAndOpensTheNextOne)
{
    // The host takes the editor out of its window, which resizes it back to the size it last
    // asked for, and then deletes it: the user's width stays, and the next editor opens at it.
    juce::File ("~/Norvane/Quindle/Quindle.config").deleteFile();
    const auto instance = host.load (GetParam(), sampleRate, blockSize);
    ASSERT_NE (instance, nullptr);

    {
        auto editor = openEditor (*instance);
        ASSERT_NE (editor, nullptr);
        EXPECT_EQ (editor->getWidth(), 700);
        HostWindow window (*editor);
        runMessageLoopFor (pastAPoll);
        EXPECT_EQ (storedWidth(), "") << "opening the editor wrote the file";

        window.setContentComponentSize (911, 397);   // the user drags the window
        runMessageLoopFor (100);
        ASSERT_EQ (storedWidth(), "911");

        window.clearContentComponent();
        editor.reset();
    }

    runMessageLoopFor (pastAPoll);
    EXPECT_EQ (storedWidth(), "911");

    const auto reopened = openEditor (*instance);
    ASSERT_NE (reopened, nullptr);
    EXPECT_EQ (reopened->getWidth(), 911);
    EXPECT_EQ (reopened->getHeight(), 397);
}

TEST_P (HostedEditor, AValueNoHostShouldSendKeepsTheParameterInRangeAndTheMessageLoopRunning)
{
    // A NaN used to hang the thread the plug-in's messages run on, here the host's own. The
    // parameter keeps its value for a NaN and takes the nearer end of 0..1 for a number outside;
    // the audio and a save follow what it holds. An infinity arrives as an end: JUCE's VST3
    // wrapper holds a host's normalised value to 0..1 before it reaches the parameter, and JUCE's
    // LV2 host sends a plain value within the port's range.
    const auto identity = [] (double l, double r) { return Sample { l, r }; };
    const auto mono = [] (double l, double r) { return Sample { mid (l, r), mid (l, r) }; };
    const auto widthOf = [] (double width) { return [width] (double l, double r) { return withSideGain (l, r, widthGain (width)); }; };
    const auto sideSolo = [] (double l, double r) { return Sample { side (l, r), -side (l, r) }; };

    struct Parameter { const char* name; float present; std::function<Sample (double, double)> atPresent, atZero, atOne; };
    const Parameter parameters[] {
        { "Width", 0.25f, widthOf (0.5), widthOf (0.0), widthOf (2.0) },
        { "In Mono", 1.0f, mono, identity, mono },
        { "In M/S", 0.5f, mono, identity, sideSolo },
    };

    constexpr auto infinity = std::numeric_limits<float>::infinity();
    const float hostValues[] { std::numeric_limits<float>::quiet_NaN(), infinity, -infinity, -1.0f, 2.0f };
    const auto input = twoToneSignal (9216 + 1024, sampleRate);

    for (const auto& p : parameters)
    {
        for (const auto hostValue : hostValues)
        {
            const auto what = nameOf (GetParam()) + ": " + p.name + " set to " + std::to_string (hostValue);
            SCOPED_TRACE (what);
            const auto instance = host.load (GetParam(), sampleRate, blockSize);
            ASSERT_NE (instance, nullptr);
            const auto editor = openEditor (*instance);
            ASSERT_NE (editor, nullptr);
            auto* parameter = parameterNamed (*instance, p.name);
            ASSERT_NE (parameter, nullptr);

            parameter->setValueNotifyingHost (p.present);
            processSilence (*instance, blockSize);
            runMessageLoopFor (20);

            {
                const Watchdog watchdog ("the host's message loop after " + what);
                parameter->setValueNotifyingHost (hostValue);
                processSilence (*instance, blockSize);
                runMessageLoopFor (50);
            }

            const auto& expected = std::isnan (hostValue) ? p.atPresent : hostValue < 0.0f ? p.atZero : p.atOne;
            EXPECT_LT (largestError (input, render (*instance, input, blockSize), 9216, expected), 1.0e-4);

            juce::MemoryBlock state;
            instance->getStateInformation (state);
            const auto restored = host.load (GetParam(), sampleRate, blockSize);
            ASSERT_NE (restored, nullptr);
            restored->setStateInformation (state.getData(), static_cast<int> (state.getSize()));
            processSilence (*restored, blockSize);
            runMessageLoopFor (20);
            EXPECT_LT (largestError (input, render (*restored, input, blockSize), 9216, expected), 1.0e-4) << "the save holds what the parameter holds";
        }
    }
}

INSTANTIATE_TEST_SUITE_P (Formats, HostedEditor, ::testing::Values (Format::vst3, Format::lv2),
                          [] (const auto& testInfo) { return nameOf (testInfo.param); });
} // namespace quindle::test::host
