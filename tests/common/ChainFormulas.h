#pragma once

// Expected values of the signal chain, worked out from its formulas in double precision.

#include <algorithm>
#include <cmath>

namespace quindle::test
{
constexpr double pi = 3.14159265358979323846;
constexpr double sqrt2 = 1.4142135623730951;

struct Sample
{
    double left, right;
};

inline double mid (double left, double right)  { return 0.5 * (left + right); }
inline double side (double left, double right) { return 0.5 * (left - right); }

inline double decibelsToGain (double decibels) { return std::pow (10.0, decibels / 20.0); }

/** Side gain of a width (1 = 100 %): a linear cut below 100 %, up to +6 dB at 200 %. */
inline double widthGain (double width)
{
    return width < 1.0 ? std::clamp (width, 0.0, 1.0) : decibelsToGain (6.0 * std::clamp (width - 1.0, 0.0, 1.0));
}

/** The side signal scaled by a gain, the mid signal kept. */
inline Sample withSideGain (double left, double right, double gain)
{
    return { mid (left, right) + gain * side (left, right), mid (left, right) - gain * side (left, right) };
}

/** The balance law (3 dB sine law): unity at the centre, +3 dB and silence at the ends. */
inline Sample balanceGains (double pan)
{
    const auto x = (pan + 1.0) / 2.0;
    return { sqrt2 * std::sin ((1.0 - x) * pi / 2.0), sqrt2 * std::sin (x * pi / 2.0) };
}

/** The stereo pan law: the near channel keeps itself and takes in the far one, which fades. */
inline Sample stereoPan (double pan, double left, double right)
{
    const auto x = (pan + 1.0) / 2.0;
    const auto leftGain = sqrt2 * std::sin ((1.0 + x) * pi / 2.0);
    const auto rightGain = sqrt2 * std::sin ((2.0 - x) * pi / 2.0);
    const auto nearGain = std::abs (std::sin ((x + 0.5) * pi / 2.0));

    if (pan < 0.0)
        return { nearGain * left + (leftGain - nearGain) * right, rightGain * right };

    if (pan > 0.0)
        return { leftGain * left, nearGain * right + (rightGain - nearGain) * left };

    return { left, right };
}

/** Length in samples of a ramp of the given duration. */
inline int rampSamples (double seconds, double sampleRate)
{
    return static_cast<int> (std::floor (seconds * sampleRate));
}

/** A linear ramp's value after `steps` of its `length` steps. */
inline double rampValue (double from, double to, int length, int steps)
{
    return steps >= length ? to : from + (to - from) * steps / length;
}

/** The gain that sample k after a change sees when each block ramps linearly from the ramp's
    value at its start to its value at its end (blocks of blockSize starting at the change). */
template <typename Transform>
double blockRampGain (int k, int blockSize, int length, double from, double to, Transform transform)
{
    const auto start = k / blockSize * blockSize;
    const auto startGain = transform (rampValue (from, to, length, start));
    const auto endGain = transform (rampValue (from, to, length, start + blockSize));
    return startGain + (k - start) * (endGain - startGain) / blockSize;
}
} // namespace quindle::test
