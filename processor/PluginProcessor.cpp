#include "PluginProcessor.h"

#include "Diagnostics.h"
#include "ParameterIDs.h"
#include "ParameterText.h"
#include "ValueTreeStreamCheck.h"

#include <cmath>
#include <limits>

namespace
{
// The framework's names inside the parameter tree.
const juce::Identifier stateType { "Parameters" };
const juce::Identifier parameterType { "PARAM" };
const juce::Identifier idProperty { "id" };
const juce::Identifier valueProperty { "value" };

juce::PropertiesFile::Options settingsFileOptions()
{
    juce::PropertiesFile::Options options;
    options.applicationName = "Quindle";
    options.filenameSuffix = ".config";
    options.folderName = "Norvane/" + options.applicationName;
    options.osxLibrarySubFolder = "Application Support";
    options.millisecondsBeforeSaving = 500;
    return options;
}

void writeTreeAsXml (const juce::ValueTree& tree)
{
    const auto xml = tree.createXml();
    writeDiagnosticLine (xml != nullptr ? xml->toString() : juce::String());
}

// The tree in the bytes, or an invalid tree unless the bytes hold a complete one.
juce::ValueTree readCompleteTree (const void* data, int sizeInBytes)
{
    if (sizeInBytes <= 0 || ! holdsCompleteValueTree (data, static_cast<std::size_t> (sizeInBytes)))
        return {};

    return juce::ValueTree::readFromData (data, static_cast<std::size_t> (sizeInBytes));
}

// What the framework does with the value when it connects a parameter: convert it to float.
bool isFiniteAsFloat (const juce::var& value)
{
    const auto number = static_cast<double> (value);
    return std::isfinite (number) && std::abs (number) <= std::numeric_limits<float>::max();
}
} // namespace

//==============================================================================
QuindleAudioProcessor::QuindleAudioProcessor()
    : AudioProcessor (BusesProperties().withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                       .withOutput ("Output", juce::AudioChannelSet::stereo(), true)),
      apvts (*this, nullptr, stateType, createParameterLayout())
{
    // Reads the file at once if it exists; a missing file is only created by a later save.
    propertiesFile = std::make_shared<juce::PropertiesFile> (settingsFileOptions());
    writeDiagnosticLine ("Props path: " + propertiesFile->getFile().getFullPathName());
}

QuindleAudioProcessor::~QuindleAudioProcessor() = default;

//==============================================================================
juce::AudioProcessorValueTreeState::ParameterLayout QuindleAudioProcessor::createParameterLayout()
{
    using namespace ParameterIDs;
    using namespace ParameterText;

    juce::AudioProcessorValueTreeState::ParameterLayout layout;
    const auto idOf = [] (const char* parameterId) { return juce::ParameterID { parameterId, versionHint }; };
    const auto addSwitch = [&] (const char* parameterId, const char* name, bool defaultOn)
    {
        layout.add (std::make_unique<juce::AudioParameterBool> (idOf (parameterId), name, defaultOn));
    };

    const juce::StringArray midSideChoices { "M and S", "M Solo", "S Solo" };
    layout.add (std::make_unique<juce::AudioParameterChoice> (idOf (inputMidSide), "In M/S", midSideChoices, 0));
    addSwitch (leftEnabled, "In L", true);
    addSwitch (rightEnabled, "In R", true);
    addSwitch (phaseFlipLeft, "In L Phase Flip", false);
    addSwitch (phaseFlipRight, "In R Phase Flip", false);
    addSwitch (stereoSwap, "In Stereo Swap", false);
    addSwitch (inputMono, "In Mono", false);
    layout.add (std::make_unique<juce::AudioParameterInt> (
        idOf (balance), "Balance", -balanceLimit, balanceLimit, 0,
        juce::AudioParameterIntAttributes().withStringFromValueFunction (balanceValueToText)
                                           .withValueFromStringFunction (balanceTextToValue)));
    addSwitch (stereoPan, "Stereo Pan", false);
    layout.add (std::make_unique<juce::AudioParameterFloat> (
        idOf (width), "Width", juce::NormalisableRange<float> (0.0f, 2.0f, 0.01f), 1.0f,
        juce::AudioParameterFloatAttributes().withLabel ("%")
                                             .withStringFromValueFunction (widthValueToText)
                                             .withValueFromStringFunction (widthTextToValue)));
    layout.add (std::make_unique<juce::AudioParameterFloat> (
        idOf (monoFreq), "Mono Freq", juce::NormalisableRange<float> (9.0f, 999.0f, 1.0f), 9.0f,
        juce::AudioParameterFloatAttributes().withStringFromValueFunction (monoFreqValueToText)
                                             .withValueFromStringFunction (monoFreqTextToValue)));
    addSwitch (monoCheck, "Out Mono", false);
    // The framework writes the value with the one decimal its step implies; only the reader is
    // ours, so that a typed "nan" cannot reach the parameter.
    layout.add (std::make_unique<juce::AudioParameterFloat> (
        idOf (outputGain), "Out Gain", juce::NormalisableRange<float> (-18.0f, 18.0f, 0.1f), 0.0f,
        juce::AudioParameterFloatAttributes().withLabel ("dB")
                                             .withValueFromStringFunction (readFiniteNumber)));
    return layout;
}

//==============================================================================
const juce::String QuindleAudioProcessor::getName() const { return "Quindle"; }

void QuindleAudioProcessor::prepareToPlay (double, int) {}

void QuindleAudioProcessor::releaseResources() {}

void QuindleAudioProcessor::processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) {}

double QuindleAudioProcessor::getTailLengthSeconds() const { return 0.0; }
bool QuindleAudioProcessor::acceptsMidi() const            { return false; }
bool QuindleAudioProcessor::producesMidi() const           { return false; }
bool QuindleAudioProcessor::isMidiEffect() const           { return false; }

juce::AudioProcessorEditor* QuindleAudioProcessor::createEditor()
{
    writeDiagnosticLine ("Editor created");
    return new juce::GenericAudioProcessorEditor (*this);
}

bool QuindleAudioProcessor::hasEditor() const { return true; }

int QuindleAudioProcessor::getNumPrograms()                                 { return 1; }
int QuindleAudioProcessor::getCurrentProgram()                              { return 0; }
void QuindleAudioProcessor::setCurrentProgram (int)                         {}
const juce::String QuindleAudioProcessor::getProgramName (int)              { return {}; }
void QuindleAudioProcessor::changeProgramName (int, const juce::String&)    {}

bool QuindleAudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    const auto input = layouts.getMainInputChannelSet();
    return (input == juce::AudioChannelSet::mono() || input == juce::AudioChannelSet::stereo())
        && layouts.getMainOutputChannelSet() == juce::AudioChannelSet::stereo();
}

//==============================================================================
void QuindleAudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    writeDiagnosticLine ("getState");

    // copyState() writes the parameters' latest values into the tree first and copies it under
    // the tree's lock: a save neither misses a change made just before it nor reads the tree
    // while the message thread writes into it.
    const auto state = apvts.copyState();
    juce::MemoryOutputStream stream (destData, false);
    state.writeToStream (stream);
    writeTreeAsXml (state);
}

void QuindleAudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    writeDiagnosticLine ("setState");

    auto restored = readCompleteTree (data, sizeInBytes);
    writeDiagnosticLine (juce::String ("Tree isValid: ") + (restored.isValid() ? "true" : "false"));

    if (restored.isValid())
    {
        keepPresentValuesWhereStateHasNone (restored);
        apvts.replaceState (restored);
    }

    writeTreeAsXml (apvts.copyState());
}

// A restored tree sets every parameter it gives a value. A parameter it leaves out, or gives a
// value that is not a finite float, keeps its present value: left alone, the framework would
// reset the first to its default and pass the second on as NaN or infinity.
void QuindleAudioProcessor::keepPresentValuesWhereStateHasNone (juce::ValueTree& restored) const
{
    const auto presentValueOf = [this] (const juce::String& parameterId)
    {
        return apvts.getRawParameterValue (parameterId)->load();
    };

    for (auto child : restored)
    {
        const auto parameterId = child[idProperty].toString();
        const auto* value = child.getPropertyPointer (valueProperty);

        if (value != nullptr && apvts.getParameter (parameterId) != nullptr && ! isFiniteAsFloat (*value))
            child.setProperty (valueProperty, presentValueOf (parameterId), nullptr);
    }

    for (const auto* parameterId : ParameterIDs::inIndexOrder)
        if (! restored.getChildWithProperty (idProperty, parameterId).isValid())
            restored.appendChild (juce::ValueTree (parameterType, { { idProperty, parameterId },
                                                                    { valueProperty, presentValueOf (parameterId) } }),
                                  nullptr);
}

//==============================================================================
juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new QuindleAudioProcessor();
}
