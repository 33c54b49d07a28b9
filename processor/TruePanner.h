#pragma once

#include "LinearSmoother.h"

#include <juce_dsp/juce_dsp.h>

#include <cmath>

namespace juce::ovk
{
/** The stereo pan law: where a balance control only turns the far channel down, this moves the
    whole image. The near channel keeps its signal, takes in a growing share of the far one, and
    the far channel fades; at full left both inputs end up in the left output at -3 dB each.

    Shaped like juce::dsp::Panner and used only on the audio thread that runs the chain (prepare
    also on the thread that prepares it); no locks, no allocation. The second template argument
    changes nothing. */
template <typename SampleType, int>
class TruePanner
{
public:
    TruePanner() { reset(); }

    void prepare (const juce::dsp::ProcessSpec& spec)
    {
        sampleRate = spec.sampleRate;
        reset();
        rule = 0;
        updateGains (smoothedPan.getCurrentValue());
    }

    /** Zeroes the gains and ends any pan ramp; the next setPan computes the gains again. */
    void reset() noexcept
    {
        leftGain = rightGain = nearGain = 0;
        smoothedPan.reset (sampleRate, 0.025);
    }

    /** -1 full left, 0 centre, 1 full right; a change ramps over 25 ms from the present position. */
    void setPan (SampleType newPan) noexcept
    {
        quindle::setRampTarget (smoothedPan, juce::jlimit (SampleType (-1), SampleType (1), newPan));
        updateGains (smoothedPan.getCurrentValue());
    }

    /** Pans channel 0 (left) and channel 1 (right) in place; any other channel count is left alone. */
    template <typename ProcessContext>
    void process (const ProcessContext& context) noexcept
    {
        auto& block = context.getOutputBlock();

        if (block.getNumChannels() != 2)
            return;

        auto* left = block.getChannelPointer (0);
        auto* right = block.getChannelPointer (1);
        const auto numSamples = block.getNumSamples();

        if (! smoothedPan.isSmoothing())
        {
            const auto pan = smoothedPan.getCurrentValue();
            const auto n = static_cast<int> (numSamples);

            if (pan < 0)
                foldInto (left, right, leftGain, rightGain, n);
            else if (pan > 0)
                foldInto (right, left, rightGain, leftGain, n);

            return;
        }

        for (size_t i = 0; i < numSamples; ++i)
        {
            const auto pan = smoothedPan.getNextValue();
            updateGains (pan);

            if (pan < 0)
                panLeftward (left[i], right[i]);
            else
                panRightward (left[i], right[i]);
        }
    }

private:
    void updateGains (SampleType pan) noexcept
    {
        constexpr auto halfPi = SampleType (1.5707964);
        constexpr auto sqrt2 = SampleType (1.4142135);
        const auto x = (pan + 1) / 2;

        leftGain = sqrt2 * std::sin ((1 + x) * halfPi);
        rightGain = sqrt2 * std::sin ((2 - x) * halfPi);
        nearGain = std::abs (std::sin ((x + SampleType (0.5)) * halfPi));
    }

    // The steady law on whole channels: the near one keeps nearGain of itself and takes in the
    // far one at (its own gain - nearGain); then the far one gets its gain.
    void foldInto (SampleType* nearSide, SampleType* farSide, SampleType nearSideGain, SampleType farSideGain, int n) const noexcept
    {
        juce::FloatVectorOperations::multiply (nearSide, nearGain, n);
        juce::FloatVectorOperations::addWithMultiply (nearSide, farSide, nearSideGain - nearGain, n);
        juce::FloatVectorOperations::multiply (farSide, farSideGain, n);
    }

    void panLeftward (SampleType& left, SampleType& right) const noexcept
    {
        left = nearGain * left + (leftGain - nearGain) * right;
        right = rightGain * right;
    }

    void panRightward (SampleType& left, SampleType& right) const noexcept
    {
        right = nearGain * right + (rightGain - nearGain) * left;
        left = leftGain * left;
    }

    int rule = 0; // the sine law is the only one
    quindle::LinearSmootherOf<SampleType> smoothedPan;
    SampleType leftGain = 0, rightGain = 0, nearGain = 0;
    double sampleRate = 44100.0;
};
} // namespace juce::ovk
