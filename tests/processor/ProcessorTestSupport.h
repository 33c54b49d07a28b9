#pragma once

#include "processor/PluginProcessor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace quindle::test
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
/** A stereo signal, one vector per channel. */
struct Stereo
{
    std::vector<float> left, right;

    size_t size() const { return left.size(); }
};

/** Two unrelated mixes of sines, so that left, right, mid and side all differ. */
inline Stereo testSignal (int numSamples, double sampleRate = 48000.0)
{
    Stereo signal { std::vector<float> (static_cast<size_t> (numSamples)), std::vector<float> (static_cast<size_t> (numSamples)) };
    const auto twoPi = 2.0 * 3.14159265358979323846;

    for (size_t i = 0; i < signal.size(); ++i)
    {
        const auto t = static_cast<double> (i) / sampleRate;
        signal.left[i] = static_cast<float> (0.5 * std::sin (twoPi * 440.0 * t) + 0.2 * std::sin (twoPi * 3100.0 * t));
        signal.right[i] = static_cast<float> (0.4 * std::sin (twoPi * 660.0 * t + 1.0) - 0.25 * std::sin (twoPi * 5300.0 * t));
    }

    return signal;
}

/** Runs the signal through the processor in blocks of blockSize (the last one may be shorter). */
inline Stereo render (QuindleAudioProcessor& processor, const Stereo& input, int blockSize)
{
    Stereo output = input;
    juce::MidiBuffer midi;

    for (size_t start = 0; start < input.size(); start += static_cast<size_t> (blockSize))
    {
        const auto length = static_cast<int> (std::min (input.size() - start, static_cast<size_t> (blockSize)));
        float* channels[] { output.left.data() + start, output.right.data() + start };
        juce::AudioBuffer<float> block (channels, 2, length);
        processor.processBlock (block, midi);
    }

    return output;
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
} // namespace quindle::test
