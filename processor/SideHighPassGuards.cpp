#include "SideHighPassGuards.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quindle::chain
{
namespace
{
// Below this share of the sample rate the high-pass is stable.
constexpr double highestCutOffPerSampleRate = 0.45;

// The filter's state stays within a small multiple of the largest sample it is given, so only a
// sample that is not finite or comes near the float range can leave it NaN or infinite for good.
constexpr float largestSafeSideSample = std::numeric_limits<float>::max() / 64.0f;
} // namespace

float highestStableCutOff (double sampleRate) noexcept
{
    return static_cast<float> (highestCutOffPerSampleRate * sampleRate);
}

// For a cut-off far below the sample rate (10 Hz at 192 kHz and above) the poles lie closer to
// z = 1 than single precision can tell, and rounding the coefficients can put one on or outside
// the unit circle: the filter then runs away. Moving a1 and a2 by the last bit or two needed
// keeps both inside: a2 < 1 and 1 + a1 + a2 > 0 (1 - a1 + a2 is 4c, far from 0), which a filter
// of the exact formula always meets.
void keepPolesInsideTheUnitCircle (std::array<float, 6>& coefficients) noexcept
{
    auto& a1 = coefficients[4];
    auto& a2 = coefficients[5];
    a2 = std::min (a2, std::nextafter (1.0f, 0.0f));

    // Summed in double, where the sum of these floats is exact.
    while (1.0 + static_cast<double> (a1) + static_cast<double> (a2) <= 0.0)
        a1 = std::nextafter (a1, 0.0f);
}

bool mayOverflowSideFilter (const float* samples, int numSamples) noexcept
{
    for (int i = 0; i < numSamples; ++i)
        if (! (std::abs (samples[i]) <= largestSafeSideSample)) // NaN too
            return true;

    return false;
}
} // namespace quindle::chain
