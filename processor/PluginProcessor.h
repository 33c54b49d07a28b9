#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>

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

    /** Mono or stereo main input, always stereo main output. */
    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;

    /** The 13 parameters in their index order. */
    static juce::AudioProcessorValueTreeState::ParameterLayout createParameterLayout();

    juce::AudioProcessorValueTreeState apvts;

    /** The per-user settings file, shared with every editor of this instance. */
    std::shared_ptr<juce::PropertiesFile> propertiesFile;

private:
    void keepPresentValuesWhereStateHasNone (juce::ValueTree& restored) const;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QuindleAudioProcessor)
};
