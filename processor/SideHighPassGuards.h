#pragma once

#include <array>

// What keeps the side high-pass stable and its state finite, whatever the rate, the cut-off and
// the samples. Audio thread: none of them allocates or locks.
namespace quindle::chain
{
/** The highest cut-off at which the high-pass is stable at the sample rate. At or above half the
    rate it is unstable: at low rates its output would grow without bound and yet stay finite. */
float highestStableCutOff (double sampleRate) noexcept;

/** Moves a1 and a2 of high-pass coefficients (b0, b1, b2, a0, a1, a2) by the last bit or two
    needed to keep both poles inside the unit circle, where rounding to single precision can
    leave one on or outside it. */
void keepPolesInsideTheUnitCircle (std::array<float, 6>& coefficients) noexcept;

/** Whether the samples could overflow the filter's state: one that is not finite or comes near
    the float range. The state can overflow while every sample the filter puts out is still
    finite, so the samples are checked on the way in. */
bool mayOverflowSideFilter (const float* samples, int numSamples) noexcept;
} // namespace quindle::chain
