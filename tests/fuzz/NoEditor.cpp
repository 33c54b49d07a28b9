// The fuzz targets link the processor without its editor (which createEditor in
// editor/PluginEditor.cpp would pull in); none of them opens one.

#include "processor/PluginProcessor.h"

juce::AudioProcessorEditor* QuindleAudioProcessor::createEditor()
{
    return nullptr;
}
