// The look-and-feel's options, colours, slider text boxes, slider layouts, value band and fade lines.

#include "tests/kit/KitTestSupport.h"

#include <cmath>
#include <memory>

namespace quindle::test::kit
{
namespace
{
juce::Label* findValueBox (juce::Slider& slider)
{
    for (auto* child : slider.getChildren())
        if (auto* label = dynamic_cast<juce::Label*> (child))
            return label;

    return nullptr;
}

// The framework's default rotary angles, which every knob of the editor keeps.
constexpr float startAngle = juce::MathConstants<float>::pi * 1.2f;
constexpr float endAngle   = juce::MathConstants<float>::pi * 2.8f;
} // namespace

TEST (NorvaneLookAndFeelOptions, DefaultsAreThoseEveryLookAndFeelIsBuiltWith)
{
    const NorvaneLookAndFeelOptions options;
    EXPECT_EQ (options.knobStyle, 1);
    EXPECT_FALSE (options.showColouredTrack);
    EXPECT_TRUE (options.bipolar);
    EXPECT_EQ (options.arcOrigin, 0);
    EXPECT_STREQ (options.leftEndLabel, "");
    EXPECT_STREQ (options.rightEndLabel, "");
    EXPECT_FALSE (options.raiseTextBox);
    EXPECT_FALSE (options.wideTextBox);
    EXPECT_EQ (options.editorBackgroundColour, 7);

    const NorvaneLookAndFeel lookAndFeel;
    EXPECT_EQ (lookAndFeel.getOptions().editorBackgroundColour, 7);
    EXPECT_EQ (lookAndFeel.getOptions().knobStyle, 1);
}

TEST (NorvaneLookAndFeel, ConstructionInstallsTheTypefaceAndColours)
{
    NorvaneLookAndFeel lookAndFeel;

    EXPECT_EQ (lookAndFeel.getTypefaceForFont (juce::Font (12.0f)), Stylesheet::getInstance()->typeface);

    struct Case { const char* name; int colourId; juce::Colour expected; };
    const Case cases[] = {
        { "slider text box outline",        juce::Slider::textBoxOutlineColourId,        juce::Colour (0x00000000) },
        { "focused text editor outline",    juce::TextEditor::focusedOutlineColourId,    juce::Colour (0x00000000) },
        { "text editor background",         juce::TextEditor::backgroundColourId,        styleColour (6) },
        { "text editor shadow",             juce::TextEditor::shadowColourId,            styleColour (6) },
        { "label background while editing", juce::Label::backgroundWhenEditingColourId,  styleColour (7) },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_TRUE (lookAndFeel.isColourSpecified (c.colourId));
        EXPECT_EQ (lookAndFeel.findColour (c.colourId).getARGB(), c.expected.getARGB());
    }
}

TEST (NorvaneLookAndFeel, ValueEditorOpensCentredOnTheOptionsBackgroundColour)
{
    struct Case { const char* name; int editorBackgroundColour; juce::Colour expected; };
    const Case cases[] = {
        { "default options",               7,  styleColour (7) },
        { "the output section's variant",  4,  styleColour (4) },
        { "an id the Stylesheet lacks",    42, juce::Colours::black },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        NorvaneLookAndFeel lookAndFeel;
        auto options = lookAndFeel.getOptions();
        options.editorBackgroundColour = c.editorBackgroundColour;
        EXPECT_EQ (&lookAndFeel.setOptions (options), &lookAndFeel);

        juce::Slider slider (juce::Slider::RotaryVerticalDrag, juce::Slider::TextBoxAbove);
        slider.setLookAndFeel (&lookAndFeel);
        slider.setBounds (0, 0, 60, 60);

        auto* valueBox = findValueBox (slider);
        ASSERT_NE (valueBox, nullptr);
        valueBox->showEditor();
        auto* editor = valueBox->getCurrentTextEditor();
        ASSERT_NE (editor, nullptr);
        EXPECT_EQ (editor->findColour (juce::TextEditor::backgroundColourId).getARGB(), c.expected.getARGB());
        EXPECT_EQ (editor->getJustificationType().getFlags(), juce::Justification::centred);
        valueBox->hideEditor (true);

        slider.setLookAndFeel (nullptr);
    }
}

TEST (NorvaneLookAndFeel, SliderTextBoxFloatsOverTheSliderAndLeavesTheMouseToIt)
{
    struct Case { const char* name; juce::Slider::TextEntryBoxPosition position; float fontHeight; };
    const Case cases[] = {
        { "text box below a knob is 8 high",        juce::Slider::TextBoxBelow, 8.0f },
        { "any other text box is 0.8 of the label font", juce::Slider::TextBoxAbove, 0.8f * 15.0f },
    };

    NorvaneLookAndFeel lookAndFeel;
    const ScopedDefaultLookAndFeel installed (lookAndFeel);

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        juce::Slider slider (juce::Slider::RotaryVerticalDrag, c.position);
        slider.setLookAndFeel (&lookAndFeel);

        auto* valueBox = findValueBox (slider);
        ASSERT_NE (valueBox, nullptr);
        EXPECT_FLOAT_EQ (valueBox->getFont().getHeight(), c.fontHeight);
        EXPECT_TRUE (isEmbeddedTypeface (valueBox->getFont()));
        EXPECT_EQ (valueBox->getJustificationType().getFlags(), juce::Justification::centred);
        EXPECT_TRUE (valueBox->isPaintingUnclipped());
        EXPECT_TRUE (slider.isPaintingUnclipped());
        EXPECT_FALSE (valueBox->hasFocusOutline());

        bool clicksSelf = true, clicksChildren = true;
        valueBox->getInterceptsMouseClicks (clicksSelf, clicksChildren);
        EXPECT_FALSE (clicksSelf);
        EXPECT_FALSE (clicksChildren);

        slider.setLookAndFeel (nullptr);
    }
}

TEST (NorvaneLookAndFeel, SliderLayoutPlacesKnobsTextBoxesAndFaders)
{
    using R = juce::Rectangle<int>;

    NorvaneLookAndFeel lookAndFeel;
    const auto fiveNines = (int) std::ceil (juce::Font (Stylesheet::getInstance()->typeface).withHeight (8.0f)
                                                                                     .getStringWidthFloat ("99999"));

    struct Case
    {
        const char* name;
        juce::Slider::SliderStyle style;
        juce::Slider::TextEntryBoxPosition position;
        int width, height;
        bool raiseTextBox, wideTextBox;
        R sliderBounds, textBoxBounds;
    };

    const Case cases[] = {
        { "wide knob, text box inside", juce::Slider::RotaryVerticalDrag, juce::Slider::TextBoxAbove,
          80, 60, false, false, R (10, 0, 60, 60), R (25, 25, 30, 10) },
        { "wide knob, raised text box", juce::Slider::RotaryVerticalDrag, juce::Slider::TextBoxAbove,
          80, 60, true, false, R (10, 0, 60, 60), R (25, 20, 30, 10) },
        { "tall knob, text box inside", juce::Slider::RotaryVerticalDrag, juce::Slider::TextBoxAbove,
          60, 80, false, false, R (0, 10, 60, 60), R (15, 35, 30, 10) },
        { "knob design size 90, text box inside", juce::Slider::RotaryVerticalDrag, juce::Slider::TextBoxAbove,
          90, 90, false, false, R (0, 0, 90, 90), R (22, 37, 46, 16) },
        { "knob, wide text box below lies outside it", juce::Slider::RotaryVerticalDrag, juce::Slider::TextBoxBelow,
          80, 60, false, true, R (10, 0, 60, 60), R (-40, 65, 160, 12) },
        { "small knob, wide text box below", juce::Slider::RotaryVerticalDrag, juce::Slider::TextBoxBelow,
          30, 30, false, true, R (0, 0, 30, 30), R (-15, 35, 60, 12) },
        { "small knob, text box below as wide as five nines", juce::Slider::RotaryVerticalDrag, juce::Slider::TextBoxBelow,
          30, 30, false, false, R (0, 0, 30, 30), R ((30 - fiveNines) / 2, 35, fiveNines, 12) },
        { "raising leaves a text box below alone", juce::Slider::RotaryVerticalDrag, juce::Slider::TextBoxBelow,
          30, 30, true, true, R (0, 0, 30, 30), R (-15, 35, 60, 12) },
        // Default layout: an 80 x 20 box centred at the bottom, the track reduced by the thumb radius 12.
        { "fader: 32 x 12 box centred on the default one, raised by 4", juce::Slider::LinearVertical,
          juce::Slider::TextBoxBelow, 83, 170, false, false, R (0, 12, 83, 126), R (25, 150, 32, 12) },
        { "narrow fader: the box stays 32 wide", juce::Slider::LinearVertical, juce::Slider::TextBoxBelow,
          20, 170, false, false, R (0, 10, 20, 130), R (-6, 150, 32, 12) },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        auto options = lookAndFeel.getOptions();
        options.raiseTextBox = c.raiseTextBox;
        options.wideTextBox = c.wideTextBox;
        lookAndFeel.setOptions (options);

        juce::Slider slider (c.style, c.position);
        slider.setSize (c.width, c.height);
        const auto layout = lookAndFeel.getSliderLayout (slider);
        EXPECT_EQ (layout.sliderBounds, c.sliderBounds);
        EXPECT_EQ (layout.textBoxBounds, c.textBoxBounds);
    }
}

TEST (NorvaneLookAndFeel, OtherSliderStylesGetTheFrameworkLayout)
{
    const juce::Slider::SliderStyle styles[] = { juce::Slider::LinearHorizontal, juce::Slider::Rotary,
                                                 juce::Slider::RotaryHorizontalVerticalDrag,
                                                 juce::Slider::RotaryHorizontalDrag, juce::Slider::LinearBar };

    NorvaneLookAndFeel lookAndFeel;
    lookAndFeel.setOptions ({ 1, false, true, 0, "", "", true, true, 7 });

    for (const auto style : styles)
    {
        SCOPED_TRACE ((int) style);
        juce::Slider slider (style, juce::Slider::TextBoxBelow);
        slider.setSize (80, 60);
        const auto layout = lookAndFeel.getSliderLayout (slider);
        const auto expected = lookAndFeel.juce::LookAndFeel_V2::getSliderLayout (slider);
        EXPECT_EQ (layout.sliderBounds, expected.sliderBounds);
        EXPECT_EQ (layout.textBoxBounds, expected.textBoxBounds);
    }
}

TEST (NorvaneLookAndFeel, ValueBandKeepsAGapAroundTheMiddleAndBeforeTheEnds)
{
    const auto range = endAngle - startAngle;
    const auto mid = startAngle + 0.5f * range;

    struct Case { const char* name; bool bipolar; float p; float from, to; float tolerance; };
    const Case cases[] = {
        { "bipolar, middle: empty at the middle", true, 0.5f, mid, mid, 0.0f },
        { "bipolar, just above the middle: 2 % of the range", true, 0.5001f, mid, mid + 0.020092f * range, 1e-4f },
        { "bipolar, just below the middle: 2 % of the range", true, 0.4999f, mid, mid - 0.020092f * range, 1e-4f },
        { "bipolar, three quarters", true, 0.75f, mid, mid + 0.25f * range, 1e-5f },
        { "bipolar, just below the end leaves 2 % uncovered", true, 0.9999f, mid, endAngle - 0.020092f * range, 1e-4f },
        { "bipolar, the end reaches the end", true, 1.0f, mid, endAngle, 1e-6f },
        { "bipolar, the start reaches the start", true, 0.0f, mid, startAngle, 1e-6f },
        { "unipolar, start: empty at the start", false, 0.0f, startAngle, startAngle, 0.0f },
        { "unipolar, a quarter", false, 0.25f, startAngle, startAngle + 0.25f * range, 1e-6f },
        { "unipolar, the whole range", false, 1.0f, startAngle, endAngle, 1e-6f },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto band = NorvaneLookAndFeel::getValueBandAngles (c.bipolar, c.p, startAngle, endAngle);
        EXPECT_NEAR (band.from, c.from, c.tolerance);
        EXPECT_NEAR (band.to, c.to, c.tolerance);
    }
}

TEST (NorvaneLookAndFeel, FadeLinesAreTransparentAtTheirFadedEnds)
{
    enum class Kind { fadeOut, doubleEnded };

    // A white line 20 long from (0, 5.5) to (20, 5.5) covers pixel row 5 completely, so a
    // pixel's alpha is the gradient's alpha at the pixel centre x + 0.5.
    struct Case { const char* name; Kind kind; float fadeLength; int x; int alpha; };
    const Case cases[] = {
        { "fade out: full colour before the fade",       Kind::fadeOut, 8.0f, 2,  255 },
        { "fade out: half way down the fade",            Kind::fadeOut, 8.0f, 16, 112 },
        { "fade out: nearly clear at the end",           Kind::fadeOut, 8.0f, 19, 16 },
        { "fade out: negative length fades the whole line", Kind::fadeOut, -1.0f, 10, 121 },
        { "double: nearly clear at the start",           Kind::doubleEnded, 8.0f, 0,  16 },
        { "double: half way up the first fade",          Kind::doubleEnded, 8.0f, 4,  143 },
        { "double: full colour from 8",                  Kind::doubleEnded, 8.0f, 8,  255 },
        { "double: full colour in the middle",           Kind::doubleEnded, 8.0f, 10, 255 },
        { "double: full colour up to 12",                Kind::doubleEnded, 8.0f, 11, 255 },
        { "double: nearly clear at the end",             Kind::doubleEnded, 8.0f, 19, 16 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        juce::Image image (juce::Image::ARGB, 24, 12, true);
        juce::Graphics g (image);
        const juce::Line<float> line (0.0f, 5.5f, 20.0f, 5.5f);

        if (c.kind == Kind::fadeOut)
            NorvaneLookAndFeel::drawLineWithFadeOut (g, juce::Colours::white, line, c.fadeLength, 1.0f);
        else
            NorvaneLookAndFeel::drawLineWithDoubleEndedFade (g, juce::Colours::white, line, c.fadeLength, 1.0f);

        EXPECT_NEAR (image.getPixelAt (c.x, 5).getAlpha(), c.alpha, 10);
        EXPECT_EQ (image.getPixelAt (c.x, 8).getAlpha(), 0) << "the line is one pixel thick";
    }
}
} // namespace quindle::test::kit
