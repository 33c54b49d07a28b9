#pragma once

#include "editor/Info.h"
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

//==============================================================================
/** The whole interface, always laid out at the design size of 525 x 229: the three panels side
    by side, the information overlay over them and the "?" toggle over the overlay. The editor
    scales it to its window. Every one of the 13 parameters is bound to one control in here.

    Message thread only. */
class MainContainerComponent : public CustomComponent,
                               private juce::Timer
{
public:
    explicit MainContainerComponent (QuindleAudioProcessor&);
    ~MainContainerComponent() override;

    void resized() override;

    static constexpr int designWidth = 525, designHeight = 229;

    /** The fraction of the panel height kept free above and below the knobs. */
    const float verticalMargin = 0.0625f;

    Left left;
    Middle middle;
    Right right;
    InfoComponent info;
    InlinedTextButton infoButton;   // flips showInfo; the timer shows or hides the overlay

private:
    /** Every 100 ms: shows the overlay when showInfo is set, hides it otherwise. */
    void timerCallback() override;

    juce::Atomic<bool> showInfo { false };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainContainerComponent)
};
