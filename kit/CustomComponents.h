#pragma once

#include "kit/CustomLookAndFeels.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <optional>

class QuindleAudioProcessor;

// The control kit: the buttons, sliders and slider composites every panel is built from.
//
// Mouse conventions shared by every control: Alt alone on a press returns the control to its
// default instead of acting; a release while Ctrl or Alt is held never toggles a button; Shift
// alone or Ctrl alone drags a slider four times finer; a double-click opens a slider's value
// editor. "Alone" means the modifier keys without the mouse buttons are that key and no other.
//
// Everything here runs on the message thread.

//==============================================================================
/** The base of every panel and composite control. */
class CustomComponent : public juce::Component
{
public:
    /** The component property under which the host index of a control's parameter is kept; the
        editor reads it back when the host asks which parameter a control edits. */
    static constexpr const char* controlParameterIndexKey = "ControlParameterIndex";

    /** Tags `component` with the index of the parameter `parameterID` in the processor's
        parameter list, replacing an earlier tag. An ID the parameter tree does not hold stores
        nothing (and asserts in a debug build). */
    static void setControlParameterIndex (QuindleAudioProcessor& processor, juce::Component& component,
                                          const juce::StringRef& parameterID);
};

//==============================================================================
/** The system's toggle button. An Alt-click returns it to its default state instead of
    toggling it, and a release while Ctrl or Alt is held is ignored, so modifier clicks never
    toggle it. */
class ToggleButtonWithAAXFix : public juce::ToggleButton
{
public:
    explicit ToggleButtonWithAAXFix (const juce::String& buttonName = {});

    bool getDefaultState() const noexcept { return defaultState; }

    /** Sets the default state, sending the click and the state notification synchronously (so
        an attached parameter sees one gesture). Sends nothing when the state is already the default. */
    void returnToDefaultState();

    /** An exact-Alt press (the event's modifiers) calls resetOnAltPress instead of pressing the
        button; its release never completes a click, whatever happens while it is held. */
    void mouseDown (const juce::MouseEvent&) override;
    void mouseDrag (const juce::MouseEvent&) override;
    /** Completes the click of an accepted press unless ignoresRelease says otherwise. */
    void mouseUp (const juce::MouseEvent&) override;

protected:
    ToggleButtonWithAAXFix (const juce::String& buttonName, bool defaultState);

    /** What an Alt press does in place of a press: returns the button to its default. */
    virtual void resetOnAltPress();

    /** Whether a release clicks nothing: while Ctrl or Alt is held in the global modifier state
        (not the event's). */
    virtual bool ignoresRelease (const juce::MouseEvent&) const;

private:
    void showUnpressed();

    const bool defaultState;

    // Whether the press being held went to the framework's button; one that an Alt reset used up
    // must not be completed by its release.
    bool pressAccepted = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ToggleButtonWithAAXFix)
};

//==============================================================================
/** A toggle drawn as plain centred text on a flat background. With a flag it flips and shows
    that flag instead of its own toggle state; the flag's owner keeps it alive for the button's
    lifetime, and a timer of the owner may read it meanwhile. */
class InlinedTextButton : public ToggleButtonWithAAXFix
{
public:
    /** The int argument plays no part in the button. `flag` may be null. */
    InlinedTextButton (const juce::String& name, const juce::String& buttonText, int,
                       juce::Atomic<bool>* flag, bool defaultState, juce::Colour backgroundColour);

    /** The fill behind the text. Repaints when it changes. */
    void setBackgroundColour (juce::Colour newColour);
    juce::Colour getBackgroundColour() const noexcept { return backgroundColour; }

    /** Space kept above and below the text: the font is the button's height less twice the margin. */
    void setTextMargin (int newMargin);
    int getTextMargin() const noexcept { return textMargin; }

    /** True when the flag holds true, or, without a flag, when the toggle state is on. */
    bool isShownOn() const;

    /** Called by the framework after every click and every notified change of the toggle state. */
    void clicked() override;
    using juce::Button::clicked;

    void paintButton (juce::Graphics&, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

private:
    juce::Atomic<bool>* const flag;
    juce::Colour backgroundColour;
    int textMargin = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (InlinedTextButton)
};

//==============================================================================
/** The toggle that draws the word "MONO" (input mono and output mono check). */
class MonoButton : public ToggleButtonWithAAXFix
{
public:
    MonoButton();

    void paintButton (juce::Graphics&, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MonoButton)
};

//==============================================================================
/** Every knob and fader of the editor: the framework's slider with the kit's mouse conventions.

    An Alt press returns the value to the double-click return value (the parameter's default,
    which the slider attachment stores) as one gesture and starts no drag. Shift or Ctrl alone
    drags four times finer; pressing or releasing them mid-drag restarts the drag from the
    present value and mouse position, so the value never jumps. A vertical fader ignores presses
    below y = 145 (its value text) and presses with Ctrl or Alt held, and then ignores the whole
    drag. Every drag is an absolute drag; the fader snaps to the mouse only on a plain press.
    A double-click opens the value editor; the framework's double-click-to-value never runs. */
class SliderWithDoubleClick : public juce::Slider
{
public:
    SliderWithDoubleClick (juce::Slider::SliderStyle, juce::Slider::TextEntryBoxPosition);

    /** Opens the text box's editor so a value can be typed; does nothing without a text box. */
    void showValueEditor();

    /** Reads the press's modifiers from the global modifier state, not from the event. */
    void mouseDown (const juce::MouseEvent&) override;
    /** Reads the event's modifiers. */
    void mouseDrag (const juce::MouseEvent&) override;
    void mouseDoubleClick (const juce::MouseEvent&) override;

    void paint (juce::Graphics&) override;

private:
    bool isIgnoredFaderPress (const juce::MouseEvent&, juce::ModifierKeys) const;
    void resetToDefaultAsOneGesture();
    void beginFrameworkDrag (const juce::MouseEvent&, bool fine, bool snapToMouse);
    void restartDrag (const juce::MouseEvent&, bool fine);

    static constexpr int fineDragFactor = 4;

    const int normalDragDistance;   // pixels for the whole range in a normal drag
    const int fineDragDistance;

    // Whether the last press started a framework drag: an Alt reset or an ignored fader press
    // must not let the drags that follow move the value or open a gesture.
    bool pressAccepted = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SliderWithDoubleClick)
};

//==============================================================================
/** The attachment of the small Mono Freq knob: its text is "Mono off" at the off position and
    otherwise "Mono  " (two spaces) followed by the parameter's own text. */
class SliderAttachmentThatAddsMonoHz : public juce::AudioProcessorValueTreeState::SliderAttachment
{
public:
    SliderAttachmentThatAddsMonoHz (juce::AudioProcessorValueTreeState& state, const juce::String& parameterID,
                                    juce::Slider& slider);

    /** The knob's text for value v of `parameter`. */
    static juce::String monoFreqSliderText (const juce::RangedAudioParameter& parameter, double v);
};

//==============================================================================
/** A slider with its name label above it, laid out in a square (knobs) or a tall strip
    (the vertical fader). The panels reach `slider`, `label` and `labelOffsetX` directly. */
class NorvaneSliderComp : public CustomComponent
{
public:
    /** Built from the processor like every panel; no composite needs to keep it. */
    NorvaneSliderComp (QuindleAudioProcessor&, const juce::String& name,
                       juce::Slider::SliderStyle, juce::Slider::TextEntryBoxPosition);

    void resized() override;

    SliderWithDoubleClick slider;
    juce::Label label;
    int labelOffsetX = 0;   // horizontal shift of the name label; lay out again after changing it

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NorvaneSliderComp)
};

/** The base of the two rotary composites with a second control. */
class NorvaneRotarySliderComp : public NorvaneSliderComp
{
public:
    using NorvaneSliderComp::NorvaneSliderComp;

protected:
    /** The connector under the knob: a faded foot centred on cx just above the knob's bottom and
        a stem from it down to stemEndY, where the second control sits. */
    void drawConnector (juce::Graphics&, float cx, float stemEndY) const;
};

/** The vertical OUT fader. */
class NorvaneLinearSliderComp : public NorvaneSliderComp
{
public:
    using NorvaneSliderComp::NorvaneSliderComp;
};

//==============================================================================
/** The small Mono Freq knob. Its value text lies below the knob, outside the slider, where the
    slider cannot take the mouse; the composite takes the clicks there and hands presses,
    releases and double-clicks on the text to the slider. Drags are not handed on. */
class NorvaneSliderCompWithCombinedLabels : public NorvaneSliderComp,
                                            private juce::Slider::Listener
{
public:
    NorvaneSliderCompWithCombinedLabels (QuindleAudioProcessor&, const juce::String& name,
                                         juce::Slider::SliderStyle, juce::Slider::TextEntryBoxPosition);
    ~NorvaneSliderCompWithCombinedLabels() override;

    void resized() override;

    void mouseDown (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void mouseDoubleClick (const juce::MouseEvent&) override;

private:
    // The value text is drawn outside the slider's bounds, where the slider's own repaints do not
    // reach, and the parent draws lines up to the knob: the parent repaints when either changes.
    struct HoverRepaint : juce::MouseListener
    {
        explicit HoverRepaint (NorvaneSliderCompWithCombinedLabels& o) : owner (o) {}
        void mouseEnter (const juce::MouseEvent&) override { owner.repaintParent(); }
        void mouseExit (const juce::MouseEvent&) override  { owner.repaintParent(); }
        NorvaneSliderCompWithCombinedLabels& owner;
    };

    void sliderValueChanged (juce::Slider*) override { repaintParent(); }
    void repaintParent();

    /** The event in the slider's coordinates, when it lies on the slider's value text. */
    std::optional<juce::MouseEvent> onValueText (const juce::MouseEvent&);

    HoverRepaint hoverRepaint { *this };
    bool pressForwarded = false;   // a forwarded press is always followed by a forwarded release

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NorvaneSliderCompWithCombinedLabels)
};

//==============================================================================
/** The BALANCE knob with the "Stereo Pan" toggle overlapping its bottom. */
class NorvaneRotarySliderCompWithStPanButton : public NorvaneRotarySliderComp
{
public:
    NorvaneRotarySliderCompWithStPanButton (QuindleAudioProcessor&, const juce::String& name,
                                            juce::Slider::SliderStyle, juce::Slider::TextEntryBoxPosition);

    void paint (juce::Graphics&) override;
    void resized() override;

    ToggleButtonWithAAXFix stPanButton;
    juce::Label stPanLabel;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NorvaneRotarySliderCompWithStPanButton)
};

//==============================================================================
/** The WIDTH knob with the small Mono Freq knob at its lower right, joined by a connector. The
    main knob and its name are laid out in `knobArea`, which the panel sets before layout. */
class NorvaneRotarySliderCompWithSmallSliderOnTheSide : public NorvaneRotarySliderComp
{
public:
    NorvaneRotarySliderCompWithSmallSliderOnTheSide (QuindleAudioProcessor&, const juce::String& name,
                                                     juce::Slider::SliderStyle, juce::Slider::TextEntryBoxPosition);

    void paint (juce::Graphics&) override;
    void resized() override;

    NorvaneLookAndFeel smallSliderLookAndFeel;     // declared first: outlives smallSlider
    NorvaneSliderCompWithCombinedLabels smallSlider;
    juce::Rectangle<int> knobArea;                 // in the composite's own coordinates

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NorvaneRotarySliderCompWithSmallSliderOnTheSide)
};
