#pragma once

#include "InRangeParameter.h"
#include "LinearSmoother.h"
#include "TruePanner.h"
#include "ValueTreeStreamCheck.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_dsp/juce_dsp.h>

#include <atomic>
#include <memory>

/** Every parameter value the chain needs, read once per block. */
struct ChainSettings
{
    bool midOn = true;
    bool sideOn = true;
    bool leftOn = true;
    bool rightOn = true;
    bool flipLeft = false;
    bool flipRight = false;
    bool swap = false;
    bool inputMono = false;
    int balance = 0;          // -100 (left) .. 100 (right)
    float pan = 0.0f;         // balance / 100
    bool stereoPan = false;   // false: balance law, true: stereo pan law
    float width = 0.0f;       // 0 .. 2, 1 = unchanged
    float widthOffset = 0.0f; // width - 1
    int monoFreqHz = 0;       // 9 is off
    bool monoCheck = false;
    float outputGainDb = 0.0f;
};

/** The audio processor of one Quindle instance.

    Threads: construction, destruction and createEditor run on the message thread; prepareToPlay
    on the host thread that initialises or resets the instance; processBlock on the audio thread;
    the state calls on whichever thread the host uses for its chunks. */
class QuindleAudioProcessor : public juce::AudioProcessor
{
public:
    QuindleAudioProcessor();
    ~QuindleAudioProcessor() override;

    const juce::String getName() const override;

    void prepareToPlay (double sampleRate, int maximumBlockSize) override;
    void releaseResources() override;

    using juce::AudioProcessor::processBlock;
    void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override;

    double getTailLengthSeconds() const override;
    bool acceptsMidi() const override;
    bool producesMidi() const override;
    bool isMidiEffect() const override;

    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override;

    int getNumPrograms() override;
    int getCurrentProgram() override;
    void setCurrentProgram (int index) override;
    const juce::String getProgramName (int index) override;
    void changeProgramName (int index, const juce::String& newName) override;

    void getStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;

    /** The most a state may hold, far above a save's 14 trees and 26 properties in under 1 KB.
        A restore refuses a larger state before it reads anything, and one that it would make
        larger than this, so that no save ever holds more. */
    static constexpr ValueTreeLimits stateLimits { 1 << 20, 4096, 4096 };

    /** Mono or stereo main input, always stereo main output. */
    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;

    /** The 13 parameters in their index order. */
    static juce::AudioProcessorValueTreeState::ParameterLayout createParameterLayout();

    /** The parameters' present values; lock-free, any thread. The parameters never hold a value
        that is not finite; should the tree's copy of one ever do, it reads as the default. */
    ChainSettings getSettings() const noexcept;

    juce::AudioProcessorValueTreeState apvts;

    /** The per-user settings file, shared with every editor of this instance. */
    std::shared_ptr<juce::PropertiesFile> propertiesFile;

private:
    /** One parameter's value as the parameter tree keeps it, for the audio thread. */
    class RawValue
    {
    public:
        RawValue (const juce::AudioProcessorValueTreeState&, const char* parameterId);
        float get() const noexcept;

    private:
        const std::atomic<float>& value;
        float defaultValue;
    };

    // The audio thread's view of the parameters, in parameter index order.
    struct RawValues
    {
        explicit RawValues (const juce::AudioProcessorValueTreeState&);
        RawValue inputMidSide, leftEnabled, rightEnabled, phaseFlipLeft, phaseFlipRight, stereoSwap,
                 inputMono, balance, stereoPan, width, monoFreq, monoCheck, outputGain;
    };

    juce::ValueTree readRestorableTree (const void* data, std::size_t numBytes) const;
    // Converts each parameter's child to the number its parameter takes, and adds a child for a
    // parameter that has none.
    void giveEveryParameterANumber (juce::ValueTree& restored) const;

    // The whole chain on a block no longer than the work buffer.
    void runChain (float* const* channels, int numChannels, int numSamples) noexcept;
    void setRampTargets (const ChainSettings&) noexcept;
    void applyWidth (float* side, int numSamples) noexcept;
    void highPassSide (float* side, int numSamples) noexcept;
    void setSideHighPass (float frequencyHz) noexcept;
    void pan (const ChainSettings&, float* const* channels, int numChannels, int numSamples) noexcept;
    void applyOutputGain (float* const* channels, int numChannels, int numSamples) noexcept;
    float widthGainOf (float widthOffset) const noexcept;

    const RawValues rawValues { apvts };
    HeldValueAnnouncer heldValueAnnouncer;

    // The signal chain. Written only by prepareToPlay and processBlock, which never overlap.
    double sampleRate = 0.0;
    juce::AudioBuffer<float> workBuffer; // channel 0 the side signal, channel 1 the mid signal
    quindle::LinearSmoother midSmoother, sideSmoother, leftSmoother, rightSmoother;
    quindle::LinearSmoother outputGainSmoother; // dB
    quindle::LinearSmoother monoFreqSmoother;   // Hz, 9 and below is off
    quindle::LinearSmoother widthSmoother;      // width - 1
    juce::dsp::Panner<float> panner;            // the balance law
    juce::ovk::TruePanner<float, 1> truePanner; // the stereo pan law
    juce::NormalisableRange<float> widthBoostRange { 0.0f, 6.0f, 0.0f, 1.0f };
    juce::NormalisableRange<float> widthCutRange { 0.0f, 1.0f, 0.0f, 1.0f };
    juce::dsp::IIR::Filter<float> sideFilter;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QuindleAudioProcessor)
};
