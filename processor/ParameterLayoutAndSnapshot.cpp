// The 13 parameters: their layout, and the snapshot of their values that the chain reads once
// per block.

#include "PluginProcessor.h"

#include "ParameterIDs.h"
#include "ParameterRanges.h"
#include "ParameterText.h"

#include <cmath>

juce::AudioProcessorValueTreeState::ParameterLayout QuindleAudioProcessor::createParameterLayout()
{
    using namespace ParameterIDs;
    using namespace ParameterRanges;
    using namespace ParameterText;

    juce::AudioProcessorValueTreeState::ParameterLayout layout;
    const auto idOf = [] (const char* parameterId) { return juce::ParameterID { parameterId, versionHint }; };
    const auto addSwitch = [&] (const char* parameterId, const char* name, bool defaultOn)
    {
        layout.add (std::make_unique<InRangeParameter<juce::AudioParameterBool>> (idOf (parameterId), name, defaultOn));
    };
    const auto addFloat = [&] (const char* parameterId, const char* name, const FloatRange& range,
                               const juce::AudioParameterFloatAttributes& attributes)
    {
        const juce::NormalisableRange<float> normalisable (range.start, range.end, range.interval);
        layout.add (std::make_unique<InRangeParameter<juce::AudioParameterFloat>> (idOf (parameterId), name, normalisable,
                                                                                   range.defaultValue, attributes));
    };

    const juce::StringArray midSideChoices (inputMidSideTexts.data(), static_cast<int> (inputMidSideTexts.size()));
    layout.add (std::make_unique<InRangeParameter<juce::AudioParameterChoice>> (idOf (inputMidSide), "In M/S", midSideChoices, midAndSide));
    addSwitch (leftEnabled, "In L", true);
    addSwitch (rightEnabled, "In R", true);
    addSwitch (phaseFlipLeft, "In L Phase Flip", false);
    addSwitch (phaseFlipRight, "In R Phase Flip", false);
    addSwitch (stereoSwap, "In Stereo Swap", false);
    addSwitch (inputMono, "In Mono", false);
    layout.add (std::make_unique<InRangeParameter<juce::AudioParameterInt>> (
        idOf (balance), "Balance", -balanceLimit, balanceLimit, 0,
        juce::AudioParameterIntAttributes().withStringFromValueFunction (balanceValueToText)
                                           .withValueFromStringFunction (balanceTextToValue)));
    addSwitch (stereoPan, "Stereo Pan", false);
    addFloat (width, "Width", widthRange,
              juce::AudioParameterFloatAttributes().withLabel ("%")
                                                   .withStringFromValueFunction (widthValueToText)
                                                   .withValueFromStringFunction (widthTextToValue));
    addFloat (monoFreq, "Mono Freq", monoFreqRange,
              juce::AudioParameterFloatAttributes().withStringFromValueFunction (monoFreqValueToText)
                                                   .withValueFromStringFunction (monoFreqTextToValue));
    addSwitch (monoCheck, "Out Mono", false);
    // The framework writes the value with the one decimal its step implies; only the reader is
    // ours, so that a typed "nan" cannot reach the parameter.
    addFloat (outputGain, "Out Gain", outputGainRange,
              juce::AudioParameterFloatAttributes().withLabel ("dB").withValueFromStringFunction (readFiniteNumber));
    return layout;
}

//==============================================================================
QuindleAudioProcessor::RawValue::RawValue (const juce::AudioProcessorValueTreeState& tree, const char* parameterId)
    : value (*tree.getRawParameterValue (parameterId)),
      defaultValue ([&]
      {
          const auto& parameter = *tree.getParameter (parameterId);
          return parameter.convertFrom0to1 (parameter.getDefaultValue());
      }())
{
}

float QuindleAudioProcessor::RawValue::get() const noexcept
{
    const auto raw = value.load();
    return std::isfinite (raw) ? raw : defaultValue;
}

QuindleAudioProcessor::RawValues::RawValues (const juce::AudioProcessorValueTreeState& tree)
    : inputMidSide (tree, ParameterIDs::inputMidSide),
      leftEnabled (tree, ParameterIDs::leftEnabled),
      rightEnabled (tree, ParameterIDs::rightEnabled),
      phaseFlipLeft (tree, ParameterIDs::phaseFlipLeft),
      phaseFlipRight (tree, ParameterIDs::phaseFlipRight),
      stereoSwap (tree, ParameterIDs::stereoSwap),
      inputMono (tree, ParameterIDs::inputMono),
      balance (tree, ParameterIDs::balance),
      stereoPan (tree, ParameterIDs::stereoPan),
      width (tree, ParameterIDs::width),
      monoFreq (tree, ParameterIDs::monoFreq),
      monoCheck (tree, ParameterIDs::monoCheck),
      outputGain (tree, ParameterIDs::outputGain)
{
}

ChainSettings QuindleAudioProcessor::getSettings() const noexcept
{
    ChainSettings settings;

    // The choice index stands for its text. Reading the index keeps the audio thread clear of
    // strings.
    const auto midSide = static_cast<int> (rawValues.inputMidSide.get());
    settings.midOn = midSide != ParameterRanges::sideSolo;
    settings.sideOn = midSide != ParameterRanges::midSolo;

    settings.leftOn = rawValues.leftEnabled.get() != 0.0f;
    settings.rightOn = rawValues.rightEnabled.get() != 0.0f;
    settings.flipLeft = rawValues.phaseFlipLeft.get() != 0.0f;
    settings.flipRight = rawValues.phaseFlipRight.get() != 0.0f;
    settings.swap = rawValues.stereoSwap.get() != 0.0f;
    settings.inputMono = rawValues.inputMono.get() != 0.0f;

    settings.balance = static_cast<int> (rawValues.balance.get());
    settings.pan = static_cast<float> (settings.balance) / static_cast<float> (ParameterRanges::balanceLimit);
    settings.stereoPan = rawValues.stereoPan.get() != 0.0f;

    settings.width = rawValues.width.get();
    settings.widthOffset = settings.width - ParameterRanges::unchangedWidth;

    // The nudge keeps a value stored a hair below a whole number from rounding down.
    settings.monoFreqHz = static_cast<int> (std::floor (static_cast<double> (rawValues.monoFreq.get()) + 1.5e-8 + 0.5));
    settings.monoCheck = rawValues.monoCheck.get() != 0.0f;
    settings.outputGainDb = rawValues.outputGain.get();
    return settings;
}
