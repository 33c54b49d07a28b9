#pragma once

// The two-tone stereo signal the hosted-plug-in tests render, and how far a rendering strays
// from the chain's expected output. Plain C++, for tests with and without JUCE.

#include "tests/common/ChainFormulas.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace quindle::test
{
/** 440 Hz on the left and 660 Hz on the right, at different levels and phases. */
inline std::vector<std::vector<float>> twoToneSignal (size_t numSamples, double sampleRate)
{
    std::vector<std::vector<float>> signal (2, std::vector<float> (numSamples));

    for (size_t i = 0; i < numSamples; ++i)
    {
        const auto t = static_cast<double> (i) / sampleRate;
        signal[0][i] = static_cast<float> (0.5 * std::sin (2.0 * pi * 440.0 * t));
        signal[1][i] = static_cast<float> (0.4 * std::sin (2.0 * pi * 660.0 * t + 1.0));
    }

    return signal;
}

/** The largest difference between output and expected (input), from sample `from` on; infinite
    when output is not a stereo rendering of the whole input. */
inline double largestError (const std::vector<std::vector<float>>& input, const std::vector<std::vector<float>>& output,
                            size_t from, const std::function<Sample (double, double)>& expected)
{
    if (output.size() != 2 || output[0].size() != input[0].size() || output[1].size() != input[1].size())
        return std::numeric_limits<double>::infinity();

    double error = 0.0;

    for (size_t i = from; i < input[0].size(); ++i)
    {
        const auto e = expected (input[0][i], input[1][i]);
        error = std::max ({ error, std::abs (output[0][i] - e.left), std::abs (output[1][i] - e.right) });
    }

    return error;
}
} // namespace quindle::test
