#include "ChainStages.h"

namespace quindle::chain
{
void encodeMidSide (const float* left, const float* right, float* side, float* mid, int numSamples) noexcept
{
    for (int i = 0; i < numSamples; ++i)
    {
        const auto halfLeft = 0.5f * left[i];
        const auto halfRight = 0.5f * right[i];
        side[i] = halfLeft - halfRight;
        mid[i] = halfLeft + halfRight;
    }
}

void decodeMidSide (const float* mid, const float* side, float* left, float* right, int numSamples) noexcept
{
    for (int i = 0; i < numSamples; ++i)
    {
        left[i] = mid[i] + side[i];
        right[i] = mid[i] - side[i];
    }
}

void sumToMono (float* left, float* right, int numSamples) noexcept
{
    for (int i = 0; i < numSamples; ++i)
        left[i] = right[i] = 0.5f * (left[i] + right[i]);
}

void applyConstantGain (float* samples, int numSamples, float gain) noexcept
{
    if (approximatelyEqual (gain, 1.0f))
        return;

    if (approximatelyEqual (gain, 0.0f))
        juce::FloatVectorOperations::clear (samples, numSamples);
    else
        juce::FloatVectorOperations::multiply (samples, gain, numSamples);
}

void applyGainRamp (float* samples, int numSamples, float startGain, float endGain) noexcept
{
    if (approximatelyEqual (startGain, endGain))
    {
        applyConstantGain (samples, numSamples, startGain);
        return;
    }

    const auto increment = (endGain - startGain) / static_cast<float> (numSamples);

    for (int i = 0; i < numSamples; ++i)
        samples[i] *= startGain + static_cast<float> (i) * increment;
}

void applyBlockRamp (LinearSmoother& gain, float* samples, int numSamples) noexcept
{
    const auto startGain = gain.getCurrentValue();
    applyGainRamp (samples, numSamples, startGain, gain.skip (numSamples));
}
} // namespace quindle::chain
