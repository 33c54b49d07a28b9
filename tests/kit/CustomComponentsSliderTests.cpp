// The sliders' mouse conventions against a real processor's parameter tree: each case drives one
// bound control with synthetic mouse events and checks the parameter's value and the gestures
// the host saw. Values are worked from the drag distances: a normal drag covers the whole range
// in 250 pixels, a fine drag in 1000.

#include "tests/kit/BoundControls.h"

#include <cmath>
#include <limits>
#include <vector>

namespace quindle::test::kit
{
namespace
{
enum class Control { balance, width, monoFreq, out };

struct Step
{
    enum Kind { press, drag, dragToValue, release, doubleClick } kind;
    int keys = noKeys;
    float amount = std::numeric_limits<float>::quiet_NaN();   // press: y (NaN: on the thumb); drag: pixels up
    int globalKeys = -1;   // the global modifier state, when it differs from the event's keys
};

Step pressWith (int keys = noKeys)            { return { Step::press, keys }; }
Step pressAtY (float y, int keys = noKeys)     { return { Step::press, keys, y }; }
Step up (float pixels, int keys = noKeys)      { return { Step::drag, keys, pixels }; }
Step upToValue (float value, int keys = noKeys) { return { Step::dragToValue, keys, value }; }
Step releaseWith (int keys = noKeys)           { return { Step::release, keys }; }
// The keys change mid-drag: the first mouse event that carries them restarts the drag where it is.
Step hold (int keys)                           { return { Step::drag, keys, 0.0f }; }
Step doubleClick()                             { return { Step::doubleClick }; }
// The event's keys and the global state differ: a key went down or up before the event arrived.
constexpr auto onThumb = std::numeric_limits<float>::quiet_NaN();
Step pressWithGlobal (int keys, int global)   { return { Step::press, keys, onThumb, global }; }
Step holdWithGlobal (int keys, int global)    { return { Step::drag, keys, 0.0f, global }; }
Step upWithGlobal (float pixels, int keys, int global) { return { Step::drag, keys, pixels, global }; }

struct Case
{
    const char* name;
    Control control;
    float start;
    std::vector<Step> steps;
    double expected;
    int gestures;
    bool editorOpen = false;
};

struct Target
{
    SliderWithDoubleClick& slider;
    const char* parameterID;
};

Target targetFor (BoundControls& controls, Control control)
{
    switch (control)
    {
        case Control::balance:  return { controls.balance.slider, ParameterIDs::balance };
        case Control::width:    return { controls.width.slider, ParameterIDs::width };
        case Control::monoFreq: return { controls.width.smallSlider.slider, ParameterIDs::monoFreq };
        case Control::out:      return { controls.out.slider, ParameterIDs::outputGain };
    }

    return { controls.width.slider, ParameterIDs::width };
}

// On a knob the press point does not matter; on the fader "on the thumb" is where a snapping
// press leaves the value as it is.
juce::Point<float> thumbOf (juce::Slider& slider)
{
    if (slider.getSliderStyle() == juce::Slider::LinearVertical)
        return { (float) slider.getWidth() / 2.0f, slider.getPositionOfValue (slider.getValue()) };

    return slider.getLocalBounds().getCentre().toFloat();
}

void run (SyntheticMouse& mouse, juce::Slider& slider, const std::vector<Step>& steps)
{
    float lastY = 0.0f;

    for (const auto& step : steps)
    {
        const juce::ModifierKeys keys (step.keys);

        if (step.globalKeys >= 0)
            mouse.globalKeysForNextEvent (juce::ModifierKeys (step.globalKeys));

        switch (step.kind)
        {
            case Step::press:
            {
                auto at = thumbOf (slider);
                if (! std::isnan (step.amount))
                    at.y = step.amount;
                lastY = at.y;
                mouse.press (at, keys);
                break;
            }
            case Step::drag:
                lastY -= step.amount;
                mouse.dragBy (0.0f, -step.amount, keys);
                break;
            case Step::dragToValue:
            {
                const auto y = slider.getPositionOfValue (step.amount);
                mouse.dragBy (0.0f, y - lastY, keys);
                lastY = y;
                break;
            }
            case Step::release:
                mouse.release (keys);
                break;
            case Step::doubleClick:
                mouse.doubleClick (thumbOf (slider));
                break;
        }
    }
}
} // namespace

TEST (SliderWithDoubleClick, MouseConventionsOnTheBoundControls)
{
    // WIDTH runs 0..2 (default 1), BALANCE -100..100 (default 0), Mono Freq 9..999 Hz in whole
    // hertz (default 9, off), OUT -18..18 dB in tenths (default 0).
    const Case cases[] = {
        { "WIDTH: plain drag",                           Control::width, 0.5f, { pressWith(), up (25), releaseWith() }, 0.5 + 25.0 / 250 * 2, 1 },
        { "WIDTH: Shift drag is four times finer",       Control::width, 0.5f, { pressWith (shift), up (50, shift), releaseWith (shift) }, 0.5 + 50.0 / 1000 * 2, 1 },
        { "WIDTH: Ctrl drag is four times finer",        Control::width, 0.5f, { pressWith (ctrl), up (50, ctrl), releaseWith (ctrl) }, 0.5 + 50.0 / 1000 * 2, 1 },
        { "WIDTH: Shift with Ctrl drags at normal speed", Control::width, 0.5f, { pressWith (shift | ctrl), up (25, shift | ctrl), releaseWith (shift | ctrl) }, 0.5 + 25.0 / 250 * 2, 1 },
        { "WIDTH: Alt press resets to the default",      Control::width, 0.5f, { pressWith (alt), releaseWith (alt) }, 1.0, 1 },
        { "WIDTH: Alt press never drags",                Control::width, 0.5f, { pressWith (alt), up (25, alt), releaseWith (alt) }, 1.0, 1 },
        { "WIDTH: Alt press, then Shift instead: no stray gesture", Control::width, 0.5f, { pressWith (alt), hold (shift), up (50, shift), hold (noKeys), up (25), releaseWith() }, 1.0, 1 },
        { "WIDTH: Alt with Shift is an ordinary press",  Control::width, 0.5f, { pressWith (alt | shift), up (25, alt | shift), releaseWith (alt | shift) }, 0.5 + 25.0 / 250 * 2, 1 },
        { "WIDTH: Shift pressed mid-drag continues without a jump", Control::width, 0.5f, { pressWith(), up (25), hold (shift), up (50, shift), releaseWith (shift) }, 0.5 + 25.0 / 250 * 2 + 50.0 / 1000 * 2, 2 },
        { "WIDTH: Shift released mid-drag continues without a jump", Control::width, 0.5f, { pressWith (shift), up (50, shift), hold (noKeys), up (25), releaseWith() }, 0.5 + 50.0 / 1000 * 2 + 25.0 / 250 * 2, 2 },
        { "WIDTH: Shift swapped for Ctrl stays fine",    Control::width, 0.5f, { pressWith (shift), up (50, shift), hold (ctrl), up (50, ctrl), releaseWith (ctrl) }, 0.5 + 100.0 / 1000 * 2, 1 },
        { "WIDTH: a click changes nothing",              Control::width, 0.5f, { pressWith(), releaseWith() }, 0.5, 1 },
        { "WIDTH: double-click opens the value editor",  Control::width, 0.5f, { doubleClick() }, 0.5, 2, true },
        // A press goes by the global keys, a drag by the event's.
        { "WIDTH: Alt in the press event alone is an ordinary press", Control::width, 0.5f, { pressWithGlobal (alt, noKeys), up (25), releaseWith() }, 0.5 + 25.0 / 250 * 2, 1 },
        { "WIDTH: Alt in the global state alone at the press resets", Control::width, 0.5f, { pressWithGlobal (noKeys, alt), releaseWith() }, 1.0, 1 },
        { "WIDTH: Shift in the global state alone at the press is fine", Control::width, 0.5f, { pressWithGlobal (noKeys, shift), up (50, shift), releaseWith (shift) }, 0.5 + 50.0 / 1000 * 2, 1 },
        { "WIDTH: Shift in the drag event alone is fine", Control::width, 0.5f, { pressWith(), holdWithGlobal (shift, noKeys), upWithGlobal (50, shift, noKeys), releaseWith() }, 0.5 + 50.0 / 1000 * 2, 2 },
        { "WIDTH: Shift in the global state alone mid-drag is not", Control::width, 0.5f, { pressWith(), upWithGlobal (25, noKeys, shift), releaseWith() }, 0.5 + 25.0 / 250 * 2, 1 },

        { "BALANCE: Ctrl drag is four times finer",      Control::balance, -40.0f, { pressWith (ctrl), up (50, ctrl), releaseWith (ctrl) }, -40.0 + 50.0 / 1000 * 200, 1 },
        { "BALANCE: Ctrl pressed mid-drag",              Control::balance, -40.0f, { pressWith(), up (25), hold (ctrl), up (50, ctrl), releaseWith (ctrl) }, -40.0 + 25.0 / 250 * 200 + 50.0 / 1000 * 200, 2 },
        { "BALANCE: Alt press resets to the centre",     Control::balance, -40.0f, { pressWith (alt), releaseWith (alt) }, 0.0, 1 },

        { "Mono Freq: plain drag",                       Control::monoFreq, 120.0f, { pressWith(), up (25), releaseWith() }, 120.0 + 25.0 / 250 * 990, 1 },
        { "Mono Freq: Shift drag",                       Control::monoFreq, 120.0f, { pressWith (shift), up (100, shift), releaseWith (shift) }, 120.0 + 100.0 / 1000 * 990, 1 },
        { "Mono Freq: Alt press turns it off",           Control::monoFreq, 120.0f, { pressWith (alt), releaseWith (alt) }, 9.0, 1 },

        { "OUT: a plain press on the thumb keeps the value", Control::out, -6.0f, { pressWith(), releaseWith() }, -6.0, 1 },
        { "OUT: a plain drag follows the mouse",         Control::out, -6.0f, { pressWith(), upToValue (6.0f), releaseWith() }, 6.0, 1 },
        { "OUT: Shift drag is four times finer",         Control::out, -6.0f, { pressWith (shift), up (50, shift), releaseWith (shift) }, -6.0 + 50.0 / 1000 * 36, 1 },
        { "OUT: Shift pressed mid-drag continues from the value", Control::out, -6.0f, { pressWith(), upToValue (0.0f), hold (shift), up (50, shift), releaseWith (shift) }, 0.0 + 50.0 / 1000 * 36, 2 },
        { "OUT: Shift released mid-drag does not snap to the mouse", Control::out, -6.0f, { pressWith (shift), up (50, shift), hold (noKeys), up (25), releaseWith() }, -6.0 + 50.0 / 1000 * 36 + 25.0 / 250 * 36, 2 },
        { "OUT: Alt held at a mid-drag restart does not reset", Control::out, -6.0f, { pressWith (shift), up (50, shift), hold (alt), up (25, alt), releaseWith (alt) }, -6.0 + 50.0 / 1000 * 36 + 25.0 / 250 * 36, 2 },
        { "OUT: a Ctrl press is ignored",                Control::out, -6.0f, { pressWith (ctrl), up (50, ctrl), releaseWith (ctrl) }, -6.0, 0 },
        { "OUT: a Ctrl press stays ignored when Shift follows", Control::out, -6.0f, { pressWith (ctrl), hold (shift), up (50, shift), hold (noKeys), up (25), releaseWith() }, -6.0, 0 },
        { "OUT: a Shift with Ctrl press is ignored",     Control::out, -6.0f, { pressWith (shift | ctrl), up (50, shift), releaseWith (shift) }, -6.0, 0 },
        { "OUT: a press at y 146 is ignored, with its drags", Control::out, -6.0f, { pressAtY (146.0f, shift), up (50, shift), hold (noKeys), up (25), releaseWith() }, -6.0, 0 },
        { "OUT: a plain press at y 146 is ignored, with its drags", Control::out, -6.0f, { pressAtY (146.0f), up (60), releaseWith() }, -6.0, 0 },
        { "OUT: a press at y 145 is handled",            Control::out, -6.0f, { pressAtY (145.0f, shift), up (50, shift), releaseWith (shift) }, -6.0 + 50.0 / 1000 * 36, 1 },
        { "OUT: Alt press resets to 0 dB",               Control::out, -6.0f, { pressWith (alt), releaseWith (alt) }, 0.0, 1 },
        { "OUT: Alt press below the track still resets", Control::out, -6.0f, { pressAtY (160.0f, alt), releaseWith (alt) }, 0.0, 1 },
        { "OUT: Alt press, then Shift instead: no stray gesture", Control::out, -6.0f, { pressWith (alt), hold (shift), up (50, shift), hold (noKeys), up (25), releaseWith() }, 0.0, 1 },
        { "OUT: double-click opens the value editor",    Control::out, -6.0f, { doubleClick() }, -6.0, 2, true },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        BoundControls controls;
        const auto target = targetFor (controls, c.control);
        controls.set (target.parameterID, c.start);

        GestureCounter gestures (controls.parameter (target.parameterID));
        SyntheticMouse mouse (target.slider);
        run (mouse, target.slider, c.steps);

        EXPECT_NEAR (controls.valueOf (target.parameterID), c.expected, 1.0e-4);
        EXPECT_EQ (gestures.begins, c.gestures);
        EXPECT_TRUE (gestures.allClosed()) << "the host would keep the parameter touched";

        auto* valueBox = valueBoxOf (target.slider);
        ASSERT_NE (valueBox, nullptr);
        EXPECT_EQ (valueBox->isBeingEdited(), c.editorOpen);
    }
}

TEST (SliderWithDoubleClick, DrawsTheUnitBelowARaisedValueBox)
{
    struct Case { const char* name; bool raiseTextBox; bool expectInk; };
    const Case cases[] = {
        { "a raised value box names its unit below it", true,  true  },
        { "an ordinary value box draws nothing below",  false, false },
    };

    NorvaneLookAndFeel defaultLook;
    const ScopedDefaultLookAndFeel installed (defaultLook);

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        NorvaneLookAndFeelOptions options;
        options.raiseTextBox = c.raiseTextBox;
        NorvaneLookAndFeel lookAndFeel (options);

        SliderWithDoubleClick slider (juce::Slider::RotaryVerticalDrag, juce::Slider::TextBoxAbove);
        slider.setLookAndFeel (&lookAndFeel);
        slider.setBounds (0, 0, 90, 90);

        const auto background = styleColour (6);
        auto image = filledImage (90, 90, background);
        {
            juce::Graphics g (image);
            slider.paint (g);
        }

        // The raised value box is (22, 29, 46, 16); the unit goes in the box of that size below
        // it, inside the knob's ring.
        const auto unitArea = juce::Rectangle<int> (30, 48, 30, 12);
        EXPECT_EQ (! inkBounds (image, unitArea, background).isEmpty(), c.expectInk);

        slider.setLookAndFeel (nullptr);
    }
}
} // namespace quindle::test::kit
