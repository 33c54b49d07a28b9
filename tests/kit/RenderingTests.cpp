// Pixel probes on toggles, knobs and the fader painted headless, and the review images.

#include "tests/kit/KitTestSupport.h"

#include <vector>

namespace quindle::test::kit
{
namespace
{
constexpr float startAngle = juce::MathConstants<float>::pi * 1.2f;
constexpr float endAngle   = juce::MathConstants<float>::pi * 2.8f;

// What a probe expects at its pixel.
enum class Ink
{
    background,
    foreground,   // Stylesheet colour 1 at full cover
    other         // neither: a gradient, a blend or a translucent stroke
};

::testing::AssertionResult hasInk (juce::Colour actual, Ink ink, juce::Colour background)
{
    const auto foreground = styleColour (1);

    switch (ink)
    {
        case Ink::background: return coloursMatch (actual, background);
        case Ink::foreground: return coloursMatch (actual, foreground);
        case Ink::other:
            if (! coloursMatch (actual, background, 8) && ! coloursMatch (actual, foreground, 8))
                return ::testing::AssertionSuccess();
            return ::testing::AssertionFailure() << "colour " << actual.toDisplayString (true)
                                                 << " is the background or the foreground";
    }

    return ::testing::AssertionFailure();
}
} // namespace

TEST (NorvaneLookAndFeelRendering, ToggleIsARingOrADisc)
{
    // A 24 x 24 toggle: the circle is inset by 2, so the centre pixel is well inside it and
    // pixel (12, 2) lies on the 1-pixel ring.
    struct Case { const char* name; bool on, highlighted; juce::Point<int> pixel; juce::Colour expected; };
    const auto background = styleColour (6);
    const Case cases[] = {
        { "off: empty inside",                 false, false, { 12, 12 }, background },
        { "on: filled",                        true,  false, { 12, 12 }, styleColour (1) },
        { "off and highlighted: a white veil", false, true,  { 12, 12 }, background.overlaidWith (juce::Colour (0x33ffffff)) },
        { "on and highlighted: filled",        true,  true,  { 12, 12 }, styleColour (1) },
        { "outside the circle",                true,  false, { 1, 1 },   background },
    };

    NorvaneLookAndFeel lookAndFeel;
    juce::ToggleButton button;
    button.setSize (24, 24);

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        button.setToggleState (c.on, juce::dontSendNotification);
        auto image = filledImage (24, 24, background);
        juce::Graphics g (image);
        lookAndFeel.drawToggleButton (g, button, c.highlighted, false);
        EXPECT_TRUE (coloursMatch (image.getPixelAt (c.pixel.x, c.pixel.y), c.expected));

        if (! c.on)
        {
            EXPECT_TRUE (hasInk (image.getPixelAt (12, 2), Ink::other, background)) << "the ring is stroked";
        }
    }
}

TEST (NorvaneLookAndFeelRendering, KnobBandsAndTicksSitWhereOptionsAndValueSay)
{
    // A 120 x 120 knob: centre (60, 60), unit u = 10, b = 6.67, range band from radius 41.3 to
    // 48, value band and tick bars (u + b long) from 41.3 to 58, the optional coloured track from
    // 48 to 54.7. Probes give degrees clockwise from 12 o'clock; the range runs from 216 to 504
    // (= 144) degrees.
    constexpr float outer = 54.0f;   // value band and ticks only
    constexpr float range = 44.5f;   // range band (and the value band where there is one)
    constexpr float track = 51.0f;   // coloured track only
    constexpr float inside = 30.0f;  // never drawn
    constexpr float tickFoot = 49.5f;   // a tick u + b long, not one only b long
    constexpr float pastTick = 39.5f;   // just inside the range band: a tick longer than u + b

    struct Probe { float degrees, radius; Ink ink; };
    struct Case { const char* name; NorvaneLookAndFeelOptions options; float proportion; std::vector<Probe> probes; };

    const auto with = [] (auto change) { NorvaneLookAndFeelOptions o; change (o); return o; };

    const Case cases[] = {
        { "defaults at the middle: range band, end ticks and origin tick, no value band", {}, 0.5f,
          { { 0, outer, Ink::foreground }, { 216, outer, Ink::foreground }, { 144, outer, Ink::foreground },
            { 0, tickFoot, Ink::foreground }, { 216, tickFoot, Ink::foreground }, { 144, tickFoot, Ink::foreground },
            { 0, pastTick, Ink::background }, { 216, pastTick, Ink::background }, { 144, pastTick, Ink::background },
            { 20, tickFoot, Ink::background },
            { 20, outer, Ink::background }, { -20, outer, Ink::background },
            { 20, range, Ink::foreground }, { 180, range, Ink::background }, { 90, inside, Ink::background },
            { 20, track, Ink::background } } },
        { "knob style 0: no origin tick", with ([] (auto& o) { o.knobStyle = 0; }), 0.5f,
          { { 0, outer, Ink::background }, { 216, outer, Ink::foreground } } },
        { "bipolar above the middle grows clockwise from 12", {}, 0.75f,
          { { 36, outer, Ink::foreground }, { 65, outer, Ink::foreground },
            { -36, outer, Ink::background }, { 100, outer, Ink::background } } },
        { "bipolar below the middle grows anticlockwise from 12", {}, 0.25f,
          { { -36, outer, Ink::foreground }, { 36, outer, Ink::background } } },
        { "unipolar grows from the start", with ([] (auto& o) { o.bipolar = false; }), 0.25f,
          { { 252, outer, Ink::foreground }, { 324, outer, Ink::background } } },
        { "unipolar at the end covers the whole range", with ([] (auto& o) { o.bipolar = false; }), 1.0f,
          { { 20, outer, Ink::foreground }, { 100, outer, Ink::foreground }, { 260, outer, Ink::foreground },
            { 180, outer, Ink::background } } },
        { "arc origin 2 turns bands and ticks half a turn", with ([] (auto& o) { o.arcOrigin = 2; }), 0.75f,
          { { 216, outer, Ink::foreground }, { 36, outer, Ink::foreground }, { 324, outer, Ink::foreground },
            { 0, outer, Ink::background }, { 300, outer, Ink::background },
            { 0, range, Ink::background }, { 270, range, Ink::foreground } } },
        { "the small knob's look: quarter turn, unipolar, no origin tick",
          with ([] (auto& o) { o.arcOrigin = 1; o.bipolar = false; o.knobStyle = 0; }), 0.5f,
          { { 0, outer, Ink::foreground }, { 330, outer, Ink::foreground }, { 120, outer, Ink::background },
            { 270, range, Ink::background }, { 234, outer, Ink::foreground } } },
        { "coloured track behind the knob", with ([] (auto& o) { o.showColouredTrack = true; }), 0.5f,
          { { 300, track, Ink::other }, { 60, track, Ink::other }, { 180, track, Ink::background } } },
    };

    const auto background = styleColour (6);
    const juce::Point<float> centre (60.0f, 60.0f);
    juce::Slider slider (juce::Slider::RotaryVerticalDrag, juce::Slider::NoTextBox);

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        NorvaneLookAndFeel lookAndFeel (c.options);
        auto image = filledImage (120, 120, background);
        juce::Graphics g (image);
        lookAndFeel.drawRotarySlider (g, 0, 0, 120, 120, c.proportion, startAngle, endAngle, slider);

        for (const auto& probe : c.probes)
        {
            SCOPED_TRACE (juce::String (probe.degrees) + " degrees at radius " + juce::String (probe.radius));
            const auto pixel = pixelAt (centre, probe.radius, probe.degrees);
            EXPECT_TRUE (hasInk (image.getPixelAt (pixel.x, pixel.y), probe.ink, background));
        }
    }
}

TEST (NorvaneLookAndFeelRendering, EndLabelsSitUprightUnderTheKnobEnds)
{
    NorvaneLookAndFeel lookAndFeel;
    const ScopedDefaultLookAndFeel installed (lookAndFeel);

    for (const auto arcOrigin : { 0, 2 })
    {
        SCOPED_TRACE ("arc origin " + juce::String (arcOrigin));
        lookAndFeel.setOptions ([arcOrigin] { NorvaneLookAndFeelOptions o; o.leftEndLabel = "L"; o.rightEndLabel = "R";
                                              o.arcOrigin = arcOrigin; return o; }());

        // Knob at (10, 10), 100 x 100: reduced bounds from x 12 to 108, baseline at y 113.
        const auto background = styleColour (6);
        auto image = filledImage (120, 130, background);
        juce::Graphics g (image);
        juce::Slider slider (juce::Slider::RotaryVerticalDrag, juce::Slider::NoTextBox);
        lookAndFeel.drawRotarySlider (g, 10, 10, 100, 100, 0.5f, startAngle, endAngle, slider);

        // The knob's lowest ink lies above y 100 and between x 30 and 90.
        const auto left = inkBounds (image, { 0, 100, 30, 30 }, background);
        const auto right = inkBounds (image, { 90, 100, 30, 30 }, background);
        ASSERT_FALSE (left.isEmpty());
        ASSERT_FALSE (right.isEmpty());

        EXPECT_NEAR (left.getX(), 12, 2) << "\"L\" starts at the left edge of the reduced bounds";
        EXPECT_NEAR (right.getCentreX(), 108, 2) << "\"R\" is centred on their right edge";
        EXPECT_NEAR (left.getBottom(), 113, 1) << "on the baseline 3 below the slider bounds";
        EXPECT_NEAR (right.getBottom(), 113, 1);
        EXPECT_GE (left.getHeight(), 6) << "12-point capitals";
    }
}

TEST (NorvaneLookAndFeelRendering, FaderHasATrackEndMarksAndARoundThumb)
{
    // A fader at x 0, y 20, 41 x 160: the track runs down x = 20.5 from 20 to 180, end marks
    // 10 x 3.5 cross both ends and the thumb is a circle of diameter 14.4 on sliderPos.
    struct Probe { juce::Point<int> pixel; const char* what; juce::Colour expected; };
    struct Case { const char* name; float sliderPos; std::vector<Probe> probes; };

    const auto background = styleColour (7);
    const auto foreground = styleColour (1);
    const auto trackColour = background.overlaidWith (foreground.withAlpha ((juce::uint8) 0x99));

    const Case cases[] = {
        { "thumb in the middle", 100.0f,
          { { { 20, 100 }, "thumb centre", foreground }, { { 20, 94 }, "inside the thumb", foreground },
            { { 20, 60 }, "track above the thumb", trackColour }, { { 20, 140 }, "track below the thumb", trackColour },
            { { 12, 60 }, "beside the track", background },
            { { 17, 19 }, "top end mark", foreground }, { { 17, 179 }, "bottom end mark", foreground },
            { { 17, 24 }, "below the top mark", background }, { { 11, 19 }, "beyond the mark's end", background } } },
        { "thumb at the top: centred on the top end mark", 20.0f,
          { { { 20, 14 }, "thumb above the track", foreground }, { { 20, 25 }, "thumb below the top", foreground },
            { { 20, 100 }, "track", trackColour } } },
    };

    NorvaneLookAndFeel lookAndFeel;
    juce::Slider slider (juce::Slider::LinearVertical, juce::Slider::NoTextBox);

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        auto image = filledImage (41, 200, background);
        juce::Graphics g (image);
        lookAndFeel.drawLinearSlider (g, 0, 20, 41, 160, c.sliderPos, 20.0f, 180.0f,
                                      juce::Slider::LinearVertical, slider);

        for (const auto& probe : c.probes)
        {
            SCOPED_TRACE (probe.what);
            EXPECT_TRUE (coloursMatch (image.getPixelAt (probe.pixel.x, probe.pixel.y), probe.expected));
        }
    }
}
} // namespace quindle::test::kit
