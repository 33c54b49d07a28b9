#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <utility>

/** One of the framework's parameter classes (juce::AudioParameterFloat, juce::AudioParameterBool,
    juce::AudioParameterChoice or juce::AudioParameterInt) that only ever holds a value in its
    range: a value that is not finite leaves it as it is, and any other value outside its range
    takes the nearer end. Every value in range is stored and converted exactly as the framework
    does.

    Every format's wrapper hands a host's value straight to the parameter, and the framework keeps
    what it is given: a switch set to 2 reads back 2, and a NaN travels on to the editor's
    controls, which then chase it from one message to the next for ever. A host sends normalised
    values through setValue (VST3, AAX) or plain values through the range's conversion (LV2): in
    both, a value that is not finite stands for the present one. Any thread. */
template <typename FrameworkParameter>
class InRangeParameter final : public FrameworkParameter
{
public:
    template <typename... Args>
    explicit InRangeParameter (Args&&... args)
        : FrameworkParameter (std::forward<Args> (args)...),
          range (rangeTakingNonFiniteAsPresent())
    {
    }

    const juce::NormalisableRange<float>& getNormalisableRange() const override { return range; }

private:
    void setValue (float newValue) override;

    /** The framework's range, except that a plain value that is not finite snaps to the present
        value: converted to 0..1 it is the present normalised value, so a host's NaN or infinity
        leaves the parameter alone, and a NaN the framework converts back shows as the present
        value rather than as NaN (or as the first choice). */
    juce::NormalisableRange<float> rangeTakingNonFiniteAsPresent() const;

    /** The value as the framework stores it: in the range, except a switch's, which is normalised. */
    float storedValue() const noexcept;

    const juce::NormalisableRange<float> range;
};

extern template class InRangeParameter<juce::AudioParameterFloat>;
extern template class InRangeParameter<juce::AudioParameterBool>;
extern template class InRangeParameter<juce::AudioParameterChoice>;
extern template class InRangeParameter<juce::AudioParameterInt>;

/** Tells every listener of a parameter the value it holds, after a value it refused or held at
    an end of 0..1 has been announced to them.

    The framework's wrappers announce a host's value as they received it, after setValue: the
    parameter keeps its own value, yet the editor's controls would show the host's value, and an
    AAX host would go on holding it. Added to the processor before any wrapper or editor, this
    listener is told last, so its announcement is the last word every listener hears. Any
    thread; it allocates nothing. */
class HeldValueAnnouncer final : public juce::AudioProcessorListener
{
public:
    void audioProcessorParameterChanged (juce::AudioProcessor*, int parameterIndex, float announcedValue) override;
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}
};
