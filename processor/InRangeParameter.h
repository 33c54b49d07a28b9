#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

/** One of the framework's parameter classes (juce::AudioParameterFloat, juce::AudioParameterBool,
    juce::AudioParameterChoice or juce::AudioParameterInt), except that it only ever holds a
    normalised value in 0..1: a value that is not finite leaves it as it is, and any other value
    outside 0..1 takes the nearer end. Every value in 0..1 is stored exactly as the framework
    stores it.

    Every format's wrapper hands a host's value straight to setValue, and the framework keeps what
    it is given: a switch set to 2 reads back 2, and a NaN travels on to the editor's controls,
    which then chase it from one message to the next for ever. Any thread. */
template <typename FrameworkParameter>
class InRangeParameter final : public FrameworkParameter
{
public:
    using FrameworkParameter::FrameworkParameter;

private:
    void setValue (float newValue) override;
};

extern template class InRangeParameter<juce::AudioParameterFloat>;
extern template class InRangeParameter<juce::AudioParameterBool>;
extern template class InRangeParameter<juce::AudioParameterChoice>;
extern template class InRangeParameter<juce::AudioParameterInt>;

/** Tells every listener of a parameter the value it holds, after a value it refused or held at
    an end of 0..1 has been announced to them.

    The framework's wrappers announce a host's value as they received it, after setValue: the
    parameter keeps its own value, yet the editor's controls would show the host's value (or
    chase a NaN), and an AAX host would go on holding it. Added to the processor before any
    wrapper or editor, this listener is told last, so its announcement is the last word every
    listener hears. Any thread; it allocates nothing. */
class HeldValueAnnouncer final : public juce::AudioProcessorListener
{
public:
    void audioProcessorParameterChanged (juce::AudioProcessor*, int parameterIndex, float announcedValue) override;
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}
};
