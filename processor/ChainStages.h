#pragma once

#include "LinearSmoother.h"

// The stateless stages of the signal chain, on raw channel data. Audio thread only: none of
// them allocates or locks.
namespace quindle::chain
{
/** side = (left - right) / 2, mid = (left + right) / 2, so that left = mid + side, right = mid - side. */
void encodeMidSide (const float* left, const float* right, float* side, float* mid, int numSamples) noexcept;

/** left = mid + side, right = mid - side. */
void decodeMidSide (const float* mid, const float* side, float* left, float* right, int numSamples) noexcept;

/** Both channels become their average. */
void sumToMono (float* left, float* right, int numSamples) noexcept;

/** A gain approximately 1 changes nothing, one approximately 0 clears the samples. */
void applyConstantGain (float* samples, int numSamples, float gain) noexcept;

/** Sample k gets startGain + k * (endGain - startGain) / numSamples; approximately equal ends
    make it a constant gain. */
void applyGainRamp (float* samples, int numSamples, float startGain, float endGain) noexcept;

/** Advances the smoother by the block and ramps the samples from its value before to its value
    after. */
void applyBlockRamp (LinearSmoother& gain, float* samples, int numSamples) noexcept;
} // namespace quindle::chain
