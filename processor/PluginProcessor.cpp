// The processor's shell (construction, buses, the fixed answers) and its signal chain.

#include "PluginProcessor.h"

#include "ChainStages.h"
#include "Diagnostics.h"
#include "ParameterRanges.h"
#include "SavedState.h"
#include "SideHighPassGuards.h"

#include <algorithm>
#include <array>
#include <limits>

namespace
{
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

// Ramp lengths in seconds.
constexpr double gainRampSeconds = 0.025;
constexpr double monoFreqRampSeconds = 0.12;

// The rates the chain takes, far beyond any audio on both sides. It runs in single precision,
// where a lower rate is no number, and the framework counts a ramp's length as an int, which
// the longest ramp would overflow well above a gigahertz.
constexpr double lowestSampleRate = std::numeric_limits<float>::min();
constexpr double highestSampleRate = 1.0e9;

// While "Mono Freq" ramps, the filter takes new coefficients before every this many samples.
constexpr int monoFreqCoefficientInterval = 5;

// The work buffer never grows beyond this, whatever size a host announces; longer blocks are
// processed in parts of this size.
constexpr int largestWorkBlock = 1 << 16;

float enabledGain (bool enabled, bool flipped) noexcept
{
    return (enabled ? 1.0f : 0.0f) * (flipped ? -1.0f : 1.0f);
}
} // namespace

//==============================================================================
QuindleAudioProcessor::QuindleAudioProcessor()
    : AudioProcessor (BusesProperties().withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                       .withOutput ("Output", juce::AudioChannelSet::stereo(), true)),
      apvts (*this, nullptr, StateTree::rootType, createParameterLayout())
{
    // First of the processor's listeners, so the last to be told of a change.
    addListener (&heldValueAnnouncer);

    // Reads the file at once if it exists; a missing file is only created by a later save.
    propertiesFile = std::make_shared<juce::PropertiesFile> (settingsFileOptions());
    writeDiagnosticLine ("Props path: " + propertiesFile->getFile().getFullPathName());
}

QuindleAudioProcessor::~QuindleAudioProcessor()
{
    removeListener (&heldValueAnnouncer);
}

//==============================================================================
const juce::String QuindleAudioProcessor::getName() const { return "Quindle"; }

void QuindleAudioProcessor::prepareToPlay (double newSampleRate, int maximumBlockSize)
{
    // A rate or size no audio can have leaves the chain unprepared, so blocks pass untouched.
    if (! (newSampleRate >= lowestSampleRate && newSampleRate <= highestSampleRate) || maximumBlockSize < 1)
    {
        sampleRate = 0.0;
        return;
    }

    const auto settings = getSettings();
    sampleRate = newSampleRate;
    workBuffer.setSize (3, juce::jmin (maximumBlockSize, largestWorkBlock));

    for (auto* smoother : { &midSmoother, &sideSmoother, &leftSmoother, &rightSmoother, &outputGainSmoother, &widthSmoother })
        smoother->reset (sampleRate, gainRampSeconds);

    monoFreqSmoother.reset (sampleRate, monoFreqRampSeconds);

    // Start where the first block will aim, so nothing ramps from stale values.
    midSmoother.setCurrentAndTargetValue (settings.midOn ? 1.0f : 0.0f);
    sideSmoother.setCurrentAndTargetValue (settings.sideOn ? 1.0f : 0.0f);
    leftSmoother.setCurrentAndTargetValue (enabledGain (settings.leftOn, settings.flipLeft));
    rightSmoother.setCurrentAndTargetValue (enabledGain (settings.rightOn, settings.flipRight));
    outputGainSmoother.setCurrentAndTargetValue (settings.outputGainDb);
    monoFreqSmoother.setCurrentAndTargetValue (static_cast<float> (settings.monoFreqHz));
    widthSmoother.setCurrentAndTargetValue (settings.widthOffset);

    // The two panners glide from where they were to the present pan.
    panner.prepare ({ sampleRate, static_cast<juce::uint32> (maximumBlockSize), 2 });
    panner.setRule (juce::dsp::PannerRule::sin3dB);
    panner.setPan (juce::jlimit (-1.0f, 1.0f, settings.pan));
    truePanner.prepare ({ sampleRate, static_cast<juce::uint32> (maximumBlockSize), 2 });
    truePanner.setPan (settings.pan);

    // The filter starts with first-order pass-through coefficients; the chain gives it
    // second-order ones, and the change of order makes it reallocate its state. Doing that here
    // keeps the allocation off the audio thread. A pass-through passes and keeps a zero state
    // whatever its order, so the audio is the same.
    if (sideFilter.coefficients->getFilterOrder() != 2)
        *sideFilter.coefficients = std::array<float, 6> { 1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f };

    sideFilter.reset();
}

void QuindleAudioProcessor::releaseResources() {}

void QuindleAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    const juce::ScopedNoDenormals noDenormals;
    const auto numSamples = buffer.getNumSamples();
    const auto numChannels = buffer.getNumChannels();

    if (numSamples <= 0 || sampleRate <= 0.0 || numChannels < 2)
        return;

    auto* const* channels = buffer.getArrayOfWritePointers();
    const auto partSize = workBuffer.getNumSamples();

    if (numSamples <= partSize)
    {
        runChain (channels, numChannels, numSamples);
        return;
    }

    // A host may send more than it announced, and the work buffer holds only the announced size:
    // such a block runs as consecutive parts of that size. At most 32 channels take part, the
    // framework's own limit for referring to channels without allocating.
    float* part[32];
    const auto numPartChannels = juce::jmin (numChannels, static_cast<int> (std::size (part)));

    for (int start = 0; start < numSamples; start += partSize)
    {
        for (int channel = 0; channel < numPartChannels; ++channel)
            part[channel] = channels[channel] + start;

        runChain (part, numPartChannels, juce::jmin (partSize, numSamples - start));
    }
}

void QuindleAudioProcessor::runChain (float* const* channels, int numChannels, int numSamples) noexcept
{
    using namespace quindle::chain;

    const auto settings = getSettings();

    for (int channel = getTotalNumInputChannels(); channel < juce::jmin (numChannels, getTotalNumOutputChannels()); ++channel)
        juce::FloatVectorOperations::clear (channels[channel], numSamples);

    auto* left = channels[0];
    auto* right = channels[1];

    if (getTotalNumInputChannels() == 1)
        juce::FloatVectorOperations::copy (right, left, numSamples);

    setRampTargets (settings);

    auto* side = workBuffer.getWritePointer (0);
    auto* mid = workBuffer.getWritePointer (1);

    encodeMidSide (left, right, side, mid, numSamples);
    applyBlockRamp (midSmoother, mid, numSamples);
    applyBlockRamp (sideSmoother, side, numSamples);
    decodeMidSide (mid, side, left, right, numSamples);

    applyBlockRamp (leftSmoother, left, numSamples);
    applyBlockRamp (rightSmoother, right, numSamples);

    if (settings.swap)
        std::swap_ranges (left, left + numSamples, right);

    if (settings.inputMono)
        sumToMono (left, right, numSamples);

    encodeMidSide (left, right, side, mid, numSamples);
    applyWidth (side, numSamples);
    highPassSide (side, numSamples);
    decodeMidSide (mid, side, left, right, numSamples);

    pan (settings, channels, numChannels, numSamples);

    if (settings.monoCheck)
        sumToMono (left, right, numSamples);

    applyOutputGain (channels, numChannels, numSamples);
}

void QuindleAudioProcessor::setRampTargets (const ChainSettings& settings) noexcept
{
    using quindle::setRampTarget;

    setRampTarget (midSmoother, settings.midOn ? 1.0f : 0.0f);
    setRampTarget (sideSmoother, settings.sideOn ? 1.0f : 0.0f);
    // Enable and polarity share one ramp: a flip sweeps the gain from +1 through 0 to -1.
    setRampTarget (leftSmoother, enabledGain (settings.leftOn, settings.flipLeft));
    setRampTarget (rightSmoother, enabledGain (settings.rightOn, settings.flipRight));
    setRampTarget (outputGainSmoother, settings.outputGainDb);

    // Turning the high-pass on ramps up from the lowest cut-off, not from "off".
    using ParameterRanges::lowestCutOff;
    const auto monoFreqHz = static_cast<float> (settings.monoFreqHz);

    if (! monoFreqSmoother.isSmoothing() && monoFreqHz >= lowestCutOff && monoFreqSmoother.getCurrentValue() < lowestCutOff)
        monoFreqSmoother.setCurrentAndTargetValue (lowestCutOff);

    setRampTarget (monoFreqSmoother, monoFreqHz);
    setRampTarget (widthSmoother, settings.widthOffset);
}

float QuindleAudioProcessor::widthGainOf (float widthOffset) const noexcept
{
    // Below 100 % the side signal is cut linearly to silence at 0 %; above, it is boosted by up
    // to 6 dB at 200 %.
    if (widthOffset < 0.0f)
        return widthCutRange.convertFrom0to1 (widthOffset + 1.0f);

    return juce::Decibels::decibelsToGain (widthBoostRange.convertFrom0to1 (widthOffset));
}

void QuindleAudioProcessor::applyWidth (float* side, int numSamples) noexcept
{
    if (! widthSmoother.isSmoothing())
    {
        quindle::chain::applyConstantGain (side, numSamples, widthGainOf (widthSmoother.getTargetValue()));
        return;
    }

    for (int i = 0; i < numSamples; ++i)
        side[i] *= widthGainOf (widthSmoother.getNextValue());
}

void QuindleAudioProcessor::setSideHighPass (float frequencyHz) noexcept
{
    const auto highestCutOff = quindle::chain::highestStableCutOff (sampleRate);
    const auto cutOff = juce::jmin (juce::jmax (ParameterRanges::lowestCutOff, frequencyHz), highestCutOff);
    auto coefficients = juce::dsp::IIR::ArrayCoefficients<float>::makeHighPass (sampleRate, cutOff);
    quindle::chain::keepPolesInsideTheUnitCircle (coefficients);

    // Assigned into the coefficient set the filter holds: no new object on the audio thread.
    *sideFilter.coefficients = coefficients;
}

void QuindleAudioProcessor::highPassSide (float* side, int numSamples) noexcept
{
    const auto frequency = monoFreqSmoother.getNextValue();

    if (ParameterRanges::isMonoFreqOff (frequency))
    {
        sideFilter.reset();
        return;
    }

    // One NaN or infinite state value would otherwise stay in the filter for good.
    const auto resetAfterBlock = quindle::chain::mayOverflowSideFilter (side, numSamples);

    if (monoFreqSmoother.isSmoothing())
    {
        // The cut-off follows the ramp in steps of five samples, counted afresh in every block.
        for (int i = 0; i < numSamples; ++i)
        {
            if ((i + 1) % monoFreqCoefficientInterval == 0)
                setSideHighPass (monoFreqSmoother.skip (monoFreqCoefficientInterval));

            side[i] = sideFilter.processSample (side[i]);
        }

        sideFilter.snapToZero();
    }
    else
    {
        setSideHighPass (frequency);
        juce::dsp::AudioBlock<float> block (&side, 1, static_cast<size_t> (numSamples));
        sideFilter.process (juce::dsp::ProcessContextReplacing<float> (block));
    }

    if (resetAfterBlock)
        sideFilter.reset();
}

void QuindleAudioProcessor::pan (const ChainSettings& settings, float* const* channels, int numChannels, int numSamples) noexcept
{
    panner.setPan (juce::jlimit (-1.0f, 1.0f, settings.pan));
    truePanner.setPan (settings.pan);

    // The idle law is held at the present pan, so a switch of law starts without a ramp.
    juce::dsp::AudioBlock<float> block (channels, 2, static_cast<size_t> (numSamples));
    const juce::dsp::ProcessContextReplacing<float> context (block);

    if (! settings.stereoPan)
    {
        truePanner.reset();

        if (numChannels == 2)
            panner.process (context);
    }
    else
    {
        panner.reset();

        if (numChannels == 2)
            truePanner.process (context);
    }
}

void QuindleAudioProcessor::applyOutputGain (float* const* channels, int numChannels, int numSamples) noexcept
{
    const auto startGain = juce::Decibels::decibelsToGain (outputGainSmoother.getCurrentValue());
    const auto endGain = juce::Decibels::decibelsToGain (outputGainSmoother.skip (numSamples));

    for (int channel = 0; channel < numChannels; ++channel)
        quindle::chain::applyGainRamp (channels[channel], numSamples, startGain, endGain);
}

double QuindleAudioProcessor::getTailLengthSeconds() const { return 0.0; }
bool QuindleAudioProcessor::acceptsMidi() const            { return false; }
bool QuindleAudioProcessor::producesMidi() const           { return false; }
bool QuindleAudioProcessor::isMidiEffect() const           { return false; }

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
juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new QuindleAudioProcessor();
}
