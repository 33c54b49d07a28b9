#include "tests/host/PluginHost.h"

#include <gtest/gtest.h>

namespace quindle::test::host
{
std::string nameOf (Format format)
{
    return format == Format::vst3 ? "VST3" : "LV2";
}

PluginHost::PluginHost()
{
    // JUCE's LV2 host reads only its default folders, never LV2_PATH.
    lv2.searchPathsForPlugins (juce::FileSearchPath (juce::File (QUINDLE_LV2_FOLDER).getFullPathName()), true, false);
}

std::unique_ptr<juce::AudioPluginInstance> PluginHost::load (Format format, double sampleRate, int blockSize)
{
    juce::AudioPluginFormat& pluginFormat = format == Format::vst3 ? static_cast<juce::AudioPluginFormat&> (vst3) : lv2;
    juce::OwnedArray<juce::PluginDescription> found;
    pluginFormat.findAllTypesForFile (found, format == Format::vst3 ? QUINDLE_VST3_BUNDLE : QUINDLE_LV2_URI);

    if (found.isEmpty())
    {
        ADD_FAILURE() << "the host found no " << nameOf (format) << " plug-in in the build tree";
        return nullptr;
    }

    juce::String error;
    auto instance = pluginFormat.createInstanceFromDescription (*found.getFirst(), sampleRate, blockSize, error);

    if (instance == nullptr)
    {
        ADD_FAILURE() << "the " << nameOf (format) << " instance was not created: " << error;
        return nullptr;
    }

    instance->prepareToPlay (sampleRate, blockSize);
    return instance;
}

juce::Array<juce::AudioProcessorParameter*> pluginParameters (juce::AudioPluginInstance& instance)
{
    auto parameters = instance.getParameters();
    parameters.removeFirstMatchingValue (instance.getBypassParameter());
    return parameters;
}

juce::AudioProcessorParameter* parameterNamed (juce::AudioPluginInstance& instance, const juce::String& name)
{
    for (auto* parameter : pluginParameters (instance))
        if (parameter->getName (100) == name)
            return parameter;

    ADD_FAILURE() << "the host sees no parameter named " << name;
    return nullptr;
}

void runMessageLoopFor (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

void processSilence (juce::AudioPluginInstance& instance, int numSamples)
{
    juce::AudioBuffer<float> buffer (2, numSamples);
    buffer.clear();
    juce::MidiBuffer midi;
    instance.processBlock (buffer, midi);
}

std::vector<std::vector<float>> render (juce::AudioPluginInstance& instance, const std::vector<std::vector<float>>& input, int blockSize)
{
    auto output = input;
    const auto numSamples = input.front().size();
    juce::MidiBuffer midi;

    for (size_t start = 0; start < numSamples; start += static_cast<size_t> (blockSize))
    {
        const auto length = static_cast<int> (std::min (numSamples - start, static_cast<size_t> (blockSize)));
        float* channels[] { output[0].data() + start, output[1].data() + start };
        juce::AudioBuffer<float> block (channels, 2, length);
        instance.processBlock (block, midi);
        midi.clear();
    }

    return output;
}
} // namespace quindle::test::host
