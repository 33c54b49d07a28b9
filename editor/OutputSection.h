#pragma once

#include "editor/SectionLookAndFeel.h"
#include "kit/CustomComponents.h"

#include <juce_audio_processors/juce_audio_processors.h>

class QuindleAudioProcessor;

/** The OUT fader with the mono-check button under it, bound to "Output Gain" and "Mono Check".
    Draws with a variant of the look in effect at its construction whose value editor has
    Stylesheet colour 4 behind it. Message thread only. */
class OutputSection : public CustomComponent
{
public:
    /** verticalMargin: the fraction of the parent's height kept free above the knobs beside it,
        which the fader's top lines up with. */
    OutputSection (QuindleAudioProcessor&, float verticalMargin);
    ~OutputSection() override;

    void lookAndFeelChanged() override;
    void paint (juce::Graphics&) override;
    void resized() override;

    NorvaneLinearSliderComp gainFader;
    MonoButton monoCheckButton;

private:
    /** The height the margin is a fraction of: the parent's, else the monitor's, else (with no
        display at all, as on a headless machine or in some hosts) the section's own. */
    int referenceHeight() const;

    const float verticalMargin;

    juce::AudioProcessorValueTreeState::SliderAttachment gainAttachment;
    juce::AudioProcessorValueTreeState::ButtonAttachment monoCheckAttachment;

    NorvaneLookAndFeel sectionLookAndFeel;
    SectionLookAndFeel sectionLook { *this, sectionLookAndFeel };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (OutputSection)
};
