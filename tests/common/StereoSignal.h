#pragma once

// A stereo signal as two vectors, the signal the processor's tests run through the chain, and
// running a signal through any processor in blocks as a host does.

#include <juce_audio_processors/juce_audio_processors.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace quindle::test
{
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
inline Stereo render (juce::AudioProcessor& processor, const Stereo& input, int blockSize)
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
} // namespace quindle::test
