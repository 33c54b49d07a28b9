#pragma once

#include "ApproximatelyEqual.h"

#include <juce_audio_basics/juce_audio_basics.h>

namespace quindle
{
template <typename FloatType>
using LinearSmootherOf = juce::SmoothedValue<FloatType, juce::ValueSmoothingTypes::Linear>;

using LinearSmoother = LinearSmootherOf<float>;

/** Starts a full-length ramp from the present value to the target, or jumps there when the
    ramp length is below one sample; a target approximately equal to the present one starts
    nothing. (JUCE 7.0.5's setTargetValue compares exactly, so a target that differs only in its
    last bits would restart a ramp.) */
template <typename FloatType>
void setRampTarget (LinearSmootherOf<FloatType>& smoother, FloatType target) noexcept
{
    if (! approximatelyEqual (target, smoother.getTargetValue()))
        smoother.setTargetValue (target);
}
} // namespace quindle
