#include "InRangeParameter.h"

#include <atomic>
#include <cmath>

namespace
{
bool isInRange (float normalisedValue) noexcept
{
    return normalisedValue >= 0.0f && normalisedValue <= 1.0f; // false for NaN
}

// The framework's classes keep their value in a private member, `value`, and their setValue is
// private too, so a class that guards setValue must write that member itself. C++ checks no
// access in the names an explicit instantiation uses: the instantiations below each define the
// function that a tag declares, returning a pointer to one class's member.
struct FloatValue  { friend std::atomic<float> juce::AudioParameterFloat::*  valueMember (FloatValue); };
struct BoolValue   { friend std::atomic<float> juce::AudioParameterBool::*   valueMember (BoolValue); };
struct ChoiceValue { friend std::atomic<float> juce::AudioParameterChoice::* valueMember (ChoiceValue); };
struct IntValue    { friend std::atomic<float> juce::AudioParameterInt::*    valueMember (IntValue); };

template <typename Tag, typename Member, Member member>
struct ValueMemberOf
{
    friend Member valueMember (Tag) { return member; }
};

template struct ValueMemberOf<FloatValue, std::atomic<float> juce::AudioParameterFloat::*, &juce::AudioParameterFloat::value>;
template struct ValueMemberOf<BoolValue, std::atomic<float> juce::AudioParameterBool::*, &juce::AudioParameterBool::value>;
template struct ValueMemberOf<ChoiceValue, std::atomic<float> juce::AudioParameterChoice::*, &juce::AudioParameterChoice::value>;
template struct ValueMemberOf<IntValue, std::atomic<float> juce::AudioParameterInt::*, &juce::AudioParameterInt::value>;

std::atomic<float>& valueOf (juce::AudioParameterFloat& p)  { return p.*valueMember (FloatValue {}); }
std::atomic<float>& valueOf (juce::AudioParameterBool& p)   { return p.*valueMember (BoolValue {}); }
std::atomic<float>& valueOf (juce::AudioParameterChoice& p) { return p.*valueMember (ChoiceValue {}); }
std::atomic<float>& valueOf (juce::AudioParameterInt& p)    { return p.*valueMember (IntValue {}); }

// What the framework's own setValue stores for a value in 0..1: a switch keeps it as given, the
// others keep it in their range, snapped to their step. Their valueChanged hook does nothing in a
// final class that does not override it, so it is not called.
float storedFormOf (juce::AudioParameterBool&, float normalisedValue)     { return normalisedValue; }
float storedFormOf (juce::RangedAudioParameter& p, float normalisedValue) { return p.convertFrom0to1 (normalisedValue); }

// The framework's range with the bounds its caller gives: a slider's copy of a range may be
// bounded anew.
juce::NormalisableRange<float> boundedBy (juce::NormalisableRange<float> range, float start, float end)
{
    range.start = start;
    range.end = end;
    return range;
}
} // namespace

template <typename FrameworkParameter>
void InRangeParameter<FrameworkParameter>::setValue (float newValue)
{
    if (std::isfinite (newValue))
        valueOf (*this) = storedFormOf (*this, juce::jlimit (0.0f, 1.0f, newValue));
}

template <typename FrameworkParameter>
float InRangeParameter<FrameworkParameter>::storedValue() const noexcept
{
    // The member pointer wants an object it may write through; this only reads.
    return valueOf (const_cast<InRangeParameter&> (*this)).load();
}

template <typename FrameworkParameter>
juce::NormalisableRange<float> InRangeParameter<FrameworkParameter>::rangeTakingNonFiniteAsPresent() const
{
    const auto framework = FrameworkParameter::getNormalisableRange();

    juce::NormalisableRange<float> result (
        framework.start, framework.end,
        [framework] (float start, float end, float proportion) { return boundedBy (framework, start, end).convertFrom0to1 (proportion); },
        [framework] (float start, float end, float plainValue) { return boundedBy (framework, start, end).convertTo0to1 (plainValue); },
        [framework, this] (float start, float end, float plainValue)
        {
            return std::isfinite (plainValue) ? boundedBy (framework, start, end).snapToLegalValue (plainValue) : storedValue();
        });

    result.interval = framework.interval;
    result.skew = framework.skew;
    result.symmetricSkew = framework.symmetricSkew;
    return result;
}

template class InRangeParameter<juce::AudioParameterFloat>;
template class InRangeParameter<juce::AudioParameterBool>;
template class InRangeParameter<juce::AudioParameterChoice>;
template class InRangeParameter<juce::AudioParameterInt>;

void HeldValueAnnouncer::audioProcessorParameterChanged (juce::AudioProcessor* processor, int parameterIndex, float announcedValue)
{
    // A value in 0..1 is what the parameter took; only a refused or clamped one is put right.
    if (isInRange (announcedValue) || processor == nullptr)
        return;

    if (auto* parameter = processor->getParameters()[parameterIndex])
        parameter->sendValueChangedMessageToListeners (parameter->getValue());
}
