#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>
#include <string>
#include <vector>

namespace quindle::test::host
{
enum class Format { vst3, lv2 };

std::string nameOf (Format);

/** Loads the plug-in bundles of this build tree through JUCE's own hosting. Instances it
    creates must be destroyed before it. */
class PluginHost
{
public:
    PluginHost();

    /** A prepared stereo-in, stereo-out instance, or a test failure. */
    std::unique_ptr<juce::AudioPluginInstance> load (Format, double sampleRate, int blockSize);

private:
    juce::VST3PluginFormat vst3;
    juce::LV2PluginFormat lv2;
};

/** The plug-in's own parameters as the host sees them, without a bypass that a format adds. */
juce::Array<juce::AudioProcessorParameter*> pluginParameters (juce::AudioPluginInstance&);

/** The plug-in's parameter of that name as the host sees it, or a test failure and null. */
juce::AudioProcessorParameter* parameterNamed (juce::AudioPluginInstance&, const juce::String& name);

/** Lets the message thread deliver what the formats post to it. */
void runMessageLoopFor (int milliseconds);

/** Runs one block of silence, which also carries pending parameter changes both ways. */
void processSilence (juce::AudioPluginInstance&, int numSamples);

/** Runs a stereo signal through the instance in blocks of blockSize; returns the output. */
std::vector<std::vector<float>> render (juce::AudioPluginInstance&, const std::vector<std::vector<float>>& input, int blockSize);
} // namespace quindle::test::host
