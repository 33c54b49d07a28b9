#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

// What keeps the side high-pass stable and its state finite, whatever the rate, the cut-off and
// the samples. Inline, as the chain calls them between samples while "Mono Freq" ramps. Audio
// thread: none of them allocates or locks.
namespace quindle::chain
{
/** The highest cut-off at which the high-pass is stable at the sample rate. At or above half the
    rate it is unstable: at low rates its output would grow without bound and yet stay finite.
    Below 0.45 of the rate it is stable. */
inline float highestStableCutOff (double sampleRate) noexcept
{
    return static_cast<float> (0.45 * sampleRate);
}

/** Moves a1 and a2 of high-pass coefficients (b0, b1, b2, a0, a1, a2) by the last bit or two
    needed to keep both poles inside the unit circle. For a cut-off far below the sample rate
    (10 Hz at 192 kHz and above) the poles lie closer to z = 1 than single precision can tell,
    and rounding the coefficients can put one on or outside the unit circle: the filter then runs
    away. Moving a1 and a2 keeps both inside: a2 < 1 and 1 + a1 + a2 > 0 (1 - a1 + a2 is 4c, far
    from 0), which a filter of the exact formula always meets. */
inline void keepPolesInsideTheUnitCircle (std::array<float, 6>& coefficients) noexcept
{
    auto& a1 = coefficients[4];
    auto& a2 = coefficients[5];
    a2 = std::min (a2, std::nextafter (1.0f, 0.0f));

    // Summed in double, where the sum of these floats is exact.
    while (1.0 + static_cast<double> (a1) + static_cast<double> (a2) <= 0.0)
        a1 = std::nextafter (a1, 0.0f);
}

/** Whether the samples could overflow the filter's state: one that is not finite or comes near
    the float range. The state stays within a small multiple of the largest sample it is given,
    and it can overflow while every sample the filter puts out is still finite, so the samples
    are checked on the way in. */
inline bool mayOverflowSideFilter (const float* samples, int numSamples) noexcept
{
    constexpr auto largestSafeSideSample = std::numeric_limits<float>::max() / 64.0f;

    for (int i = 0; i < numSamples; ++i)
        if (! (std::abs (samples[i]) <= largestSafeSideSample)) // NaN too
            return true;

    return false;
}
} // namespace quindle::chain
