#pragma once

#include "editor/InputSection.h"
#include "editor/OutputSection.h"
#include "editor/SectionLookAndFeel.h"
#include "kit/CustomComponents.h"

#include <juce_audio_processors/juce_audio_processors.h>

class QuindleAudioProcessor;

// The panels the main container lays side by side. Each paints one flat Stylesheet colour and
// places its content; the panels with controls bind them to their parameters and tag them with
// their host control index. Everything here runs on the message thread.

//==============================================================================
/** The input section. */
class Left : public CustomComponent
{
public:
    explicit Left (QuindleAudioProcessor&);
    ~Left() override;

    void paint (juce::Graphics&) override;
    void resized() override;

    InputSection inputSection;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Left)
};

//==============================================================================
/** The WIDTH and BALANCE knobs. */
class Middle : public CustomComponent
{
public:
    /** verticalMargin: the fraction of the height kept free above and below the knobs. */
    Middle (QuindleAudioProcessor&, float verticalMargin);
    ~Middle() override;

    void paint (juce::Graphics&) override;
    void resized() override;

    NorvaneRotarySliderCompWithStPanButton balanceKnob;
    NorvaneRotarySliderCompWithSmallSliderOnTheSide widthKnob;

private:
    juce::AudioProcessorValueTreeState::SliderAttachment balanceAttachment;
    juce::AudioProcessorValueTreeState::SliderAttachment widthAttachment;
    SliderAttachmentThatAddsMonoHz monoFreqAttachment;
    juce::AudioProcessorValueTreeState::ButtonAttachment stereoPanAttachment;

    const float verticalMargin;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Middle)
};

//==============================================================================
/** The output section, on a variant of the look in effect at its construction whose value
    editor has Stylesheet colour 4 behind it. */
class Right : public CustomComponent
{
public:
    /** verticalMargin: handed to the output section. */
    Right (QuindleAudioProcessor&, float verticalMargin);
    ~Right() override;

    void lookAndFeelChanged() override;
    void paint (juce::Graphics&) override;
    void resized() override;

private:
    // Declared before the output section, so they outlive it.
    NorvaneLookAndFeel sectionLookAndFeel;
    SectionLookAndFeel sectionLook { *this, sectionLookAndFeel };

public:
    OutputSection outputSection;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Right)
};
