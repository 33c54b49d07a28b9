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
struct FloatValue  { friend std::atomic<float> juce::AudioParameterFloat::*  storedValue (FloatValue); };
struct BoolValue   { friend std::atomic<float> juce::AudioParameterBool::*   storedValue (BoolValue); };
struct ChoiceValue { friend std::atomic<float> juce::AudioParameterChoice::* storedValue (ChoiceValue); };
struct IntValue    { friend std::atomic<float> juce::AudioParameterInt::*    storedValue (IntValue); };

template <typename Tag, typename Member, Member member>
struct StoredValueOf
{
    friend Member storedValue (Tag) { return member; }
};

template struct StoredValueOf<FloatValue, std::atomic<float> juce::AudioParameterFloat::*, &juce::AudioParameterFloat::value>;
template struct StoredValueOf<BoolValue, std::atomic<float> juce::AudioParameterBool::*, &juce::AudioParameterBool::value>;
template struct StoredValueOf<ChoiceValue, std::atomic<float> juce::AudioParameterChoice::*, &juce::AudioParameterChoice::value>;
template struct StoredValueOf<IntValue, std::atomic<float> juce::AudioParameterInt::*, &juce::AudioParameterInt::value>;

// What the framework's own setValue does with a value in 0..1: a switch keeps it as given, the
// others keep it in their own range, snapped to their step. Their valueChanged hook does nothing
// in a final class that does not override it, so it is not called.
void store (juce::AudioParameterBool& p, float normalisedValue)   { p.*storedValue (BoolValue {}) = normalisedValue; }
void store (juce::AudioParameterFloat& p, float normalisedValue)  { p.*storedValue (FloatValue {}) = p.convertFrom0to1 (normalisedValue); }
void store (juce::AudioParameterChoice& p, float normalisedValue) { p.*storedValue (ChoiceValue {}) = p.convertFrom0to1 (normalisedValue); }
void store (juce::AudioParameterInt& p, float normalisedValue)    { p.*storedValue (IntValue {}) = p.convertFrom0to1 (normalisedValue); }
} // namespace

template <typename FrameworkParameter>
void InRangeParameter<FrameworkParameter>::setValue (float newValue)
{
    if (std::isfinite (newValue))
        store (*this, juce::jlimit (0.0f, 1.0f, newValue));
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
