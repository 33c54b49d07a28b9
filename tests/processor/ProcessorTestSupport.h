#pragma once

#include "processor/PluginProcessor.h"
#include "tests/common/StereoSignal.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace quindle::test::processor
{
/** Collects what is written to standard error while it lives (or until take()). */
class CapturedStderr
{
public:
    CapturedStderr() { ::testing::internal::CaptureStderr(); }
    ~CapturedStderr() { if (! taken) take(); }

    std::string take()
    {
        taken = true;
        return ::testing::internal::GetCapturedStderr();
    }

    CapturedStderr (const CapturedStderr&) = delete;
    CapturedStderr& operator= (const CapturedStderr&) = delete;

private:
    bool taken = false;
};

/** A processor built without its "Props path: " line cluttering the test output. */
inline std::unique_ptr<QuindleAudioProcessor> makeProcessor()
{
    const CapturedStderr quiet;
    return std::make_unique<QuindleAudioProcessor>();
}

inline juce::RangedAudioParameter& parameter (QuindleAudioProcessor& processor, const char* parameterId)
{
    auto* found = processor.apvts.getParameter (parameterId);
    EXPECT_NE (found, nullptr) << parameterId;
    return *found;
}

/** Sets a parameter the way a host does, from a value in the parameter's own range. */
inline void setParameter (QuindleAudioProcessor& processor, const char* parameterId, float value)
{
    auto& p = parameter (processor, parameterId);
    p.setValueNotifyingHost (p.convertTo0to1 (value));
}

/** The value in the parameter's own range, as the processor reads it. */
inline float valueOf (QuindleAudioProcessor& processor, const char* parameterId)
{
    return processor.apvts.getRawParameterValue (parameterId)->load();
}

/** A tree in the framework's value-tree stream format. */
inline juce::MemoryBlock streamOf (const juce::ValueTree& tree)
{
    juce::MemoryBlock block;
    juce::MemoryOutputStream stream (block, false);
    tree.writeToStream (stream);
    stream.flush();
    return block;
}

inline juce::ValueTree treeOf (const juce::MemoryBlock& block)
{
    return juce::ValueTree::readFromData (block.getData(), block.getSize());
}

inline juce::MemoryBlock saveState (QuindleAudioProcessor& processor)
{
    const CapturedStderr quiet;
    juce::MemoryBlock block;
    processor.getStateInformation (block);
    return block;
}

/** Restores a state and returns what the restore wrote to standard error. */
inline std::string restoreState (QuindleAudioProcessor& processor, const void* data, int size)
{
    CapturedStderr captured;
    processor.setStateInformation (data, size);
    return captured.take();
}

inline std::string restoreState (QuindleAudioProcessor& processor, const juce::MemoryBlock& block)
{
    return restoreState (processor, block.getData(), static_cast<int> (block.getSize()));
}

/** A processor with the given settings, prepared for the rate and block size. */
inline std::unique_ptr<QuindleAudioProcessor> preparedProcessor (const std::vector<std::pair<const char*, float>>& settings,
                                                                 double sampleRate, int blockSize)
{
    auto processor = makeProcessor();

    for (const auto& [id, value] : settings)
        setParameter (*processor, id, value);

    processor->prepareToPlay (sampleRate, blockSize);
    return processor;
}
} // namespace quindle::test::processor
