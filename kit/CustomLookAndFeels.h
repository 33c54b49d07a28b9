#pragma once

#include "kit/Stylesheet.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <type_traits>

class Stylesheet;

/** Configures one NorvaneLookAndFeel. Copied by value: a component that wants a variant of the
    look copies the options of the look-and-feel it was given, changes fields and applies them
    to a look-and-feel of its own. Nothing here is validated or clamped. */
struct NorvaneLookAndFeelOptions
{
    int knobStyle = 1;                 // 1 adds the tick at the arc origin
    bool showColouredTrack = false;    // two gradient half-tracks behind the knob
    bool bipolar = true;               // the value band grows from the middle of the range
    int arcOrigin = 0;                 // 1, 2, 3 turn the knob by pi/2, pi, -pi/2
    const char* leftEndLabel = "";     // UTF-8 with static lifetime; drawn under the left end
    const char* rightEndLabel = "";    // UTF-8 with static lifetime; drawn under the right end
    bool raiseTextBox = false;         // a text box inside a knob is raised by half its height
    bool wideTextBox = false;          // a text box below a knob is twice the slider's width
    // The Stylesheet colour id behind a value being edited.
    int editorBackgroundColour = Stylesheet::outputSectionColourId;
};

static_assert (std::is_trivially_copyable_v<NorvaneLookAndFeelOptions>);

/** The look of every slider, toggle and label of the editor: a flat knob, a thin fader with a
    round thumb, a circular toggle and slider text boxes that float over or under their knob.
    Colours are Stylesheet colours, looked up each time something is drawn.

    Message thread only. The look-and-feel stays the listener of every text box it makes, so
    owners destroy their sliders, or detach it from them, before destroying it. */
class NorvaneLookAndFeel : public juce::LookAndFeel_V4,
                           private juce::Label::Listener
{
public:
    explicit NorvaneLookAndFeel (NorvaneLookAndFeelOptions initialOptions = {});
    ~NorvaneLookAndFeel() override;

    /** Replaces the options and re-applies the value editor's background. Triggers no repaint:
        callers install the look-and-feel afterwards, or are already painting with it. */
    NorvaneLookAndFeel& setOptions (NorvaneLookAndFeelOptions newOptions);

    const NorvaneLookAndFeelOptions& getOptions() const noexcept { return options; }

    void drawToggleButton (juce::Graphics&, juce::ToggleButton&,
                           bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

    void drawLinearSlider (juce::Graphics&, int x, int y, int width, int height,
                           float sliderPos, float minSliderPos, float maxSliderPos,
                           juce::Slider::SliderStyle, juce::Slider&) override;

    void drawRotarySlider (juce::Graphics&, int x, int y, int width, int height,
                           float sliderPosProportional, float rotaryStartAngle, float rotaryEndAngle,
                           juce::Slider&) override;

    juce::Label* createSliderTextBox (juce::Slider&) override;
    juce::Slider::SliderLayout getSliderLayout (juce::Slider&) override;

    /** Angles, clockwise from 12 o'clock, between which a knob's value band is drawn for the
        value at proportion p of a range from a0 to a1. A bipolar band grows from the middle and
        keeps a visible gap of 2 % of the range around the middle and before both ends. */
    struct ArcSpan { float from, to; };
    static ArcSpan getValueBandAngles (bool bipolar, float p, float a0, float a1);

    /** Draws the line in full colour up to fadeLength before its end, fading to nothing at the
        end; a negative fadeLength, or one at least as long as the line, fades the whole line.
        The last argument is kept for callers and does not change what is drawn. */
    static void drawLineWithFadeOut (juce::Graphics&, const juce::Colour&, juce::Line<float>,
                                     float fadeLength, float);

    /** Draws the line fading in over its first fadeLength and out over its last fadeLength. */
    static void drawLineWithDoubleEndedFade (juce::Graphics&, const juce::Colour&, juce::Line<float>,
                                             float fadeLength, float);

private:
    void labelTextChanged (juce::Label*) override {}
    void editorHidden (juce::Label*, juce::TextEditor&) override {}
    void editorShown (juce::Label*, juce::TextEditor&) override;

    void drawVerticalFader (juce::Graphics&, int x, int y, int width, int height, float sliderPos);
    void drawHorizontalFader (juce::Graphics&, int x, int y, int width, int height, juce::Slider&);

    NorvaneLookAndFeelOptions options;
    Stylesheet* stylesheet;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NorvaneLookAndFeel)
};
