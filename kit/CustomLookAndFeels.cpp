#include "kit/CustomLookAndFeels.h"

#include "kit/Stylesheet.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr auto pi = juce::MathConstants<float>::pi;

// The knob drawing turned by the arcOrigin option: a quarter, half or three-quarter turn.
float arcOriginAngle (int arcOrigin) noexcept
{
    switch (arcOrigin)
    {
        case 1:  return pi / 2.0f;
        case 2:  return pi;
        case 3:  return -pi / 2.0f;
        default: return 0.0f;
    }
}

juce::PathStrokeType thinStroke (float width)
{
    return { width, juce::PathStrokeType::mitered, juce::PathStrokeType::butt };
}

// Strokes one of the decorative lines, a segment 0.5 thick stroked 0.5 wide, with the fill that
// fillFor (length, fade) makes; fade is the part of the line a fade covers, all of it for a
// negative fadeLength. A line of zero length draws nothing.
template <typename MakeFill>
void strokeFadedLine (juce::Graphics& g, juce::Line<float> line, float fadeLength, MakeFill&& fillFor)
{
    const auto length = line.getLength();

    if (length <= 0.0f)
        return;

    g.setFillType (fillFor (length, fadeLength < 0.0f ? length : std::min (fadeLength, length)));

    juce::Path path;
    path.addLineSegment (line, 0.5f);
    g.strokePath (path, thinStroke (0.5f));
}

// Where a knob's rings and bars go, worked out from the bounds the slider hands over.
struct KnobGeometry
{
    KnobGeometry (int x, int y, int width, int height, int arcOrigin)
        : fx ((float) (x + 2)), fy ((float) (y + 2)),
          fw ((float) (width - 4)), fh ((float) (height - 4)),
          centre (fx + fw / 2.0f, fy + fh / 2.0f),
          u ((float) width / 12.0f),
          b (u * 0.6666667f),
          theta (arcOriginAngle (arcOrigin))
    {}

    // A closed ring segment from angle `from` to `to`: the bounds are inset by `inset` on every
    // side, the outer radii are half of what is left and the ring is `thickness` deep.
    juce::Path ring (float inset, float thickness, float from, float to) const
    {
        const auto rx = std::max (0.0f, fw - 2.0f * inset) / 2.0f;
        const auto ry = std::max (0.0f, fh - 2.0f * inset) / 2.0f;
        const auto cx = fx + inset + rx, cy = fy + inset + ry;

        juce::Path band;
        band.addCentredArc (cx, cy, rx, ry, 0.0f, from, to, true);
        band.addCentredArc (cx, cy, rx - thickness, ry - thickness, 0.0f, to, from, false);
        band.closeSubPath();
        return band;
    }

    // At angle 0 the bar reaches from the top of the bounds down to the inner edge of the range band.
    juce::Path tickBar() const
    {
        juce::Path bar;
        bar.addRectangle (centre.x - b / 2.0f, fy, b, u + b);
        return bar;
    }

    juce::AffineTransform turnedBy (float angle) const
    {
        return juce::AffineTransform::rotation (angle, centre.x, centre.y);
    }

    const float fx, fy, fw, fh;
    const juce::Point<float> centre;
    const float u;       // ring unit: the value band reaches u further out than the range band
    const float b;       // depth of the range band
    const float theta;   // the arc origin
};

void drawColouredTrack (juce::Graphics& g, const KnobGeometry& k, float a0, float a1, const Stylesheet& style)
{
    const auto inset = k.u - k.b;
    const auto c = k.centre;
    const auto start = style.getColour (Stylesheet::baseColourId);
    const auto middle = style.getColour (Stylesheet::trackColourId);
    const auto end = style.getColour (Stylesheet::alertColourId);

    // First half: up to 2 pi less 2.5 degrees.
    const auto firstTurn = k.turnedBy (k.theta - pi / 3.0f);
    g.setGradientFill ({ start, juce::Point<float> (c.x - 16.0f / 3.0f, c.y).transformedBy (firstTurn),
                         middle, juce::Point<float> (c.x + 16.0f / 3.0f, c.y).transformedBy (firstTurn),
                         false });
    g.fillPath (k.ring (inset, k.b, a0, 6.239552f));

    // Second half: from 2 pi less 3.5 degrees.
    const auto secondTurn = juce::AffineTransform::rotation (0.3f * pi).followedBy (k.turnedBy (k.theta));
    juce::ColourGradient second (middle, juce::Point<float> (c.x - 8.0f, c.y).transformedBy (secondTurn),
                                 end, juce::Point<float> (c.x + 8.0f, c.y).transformedBy (secondTurn),
                                 false);
    second.addColour (0.25, middle);
    g.setGradientFill (second);
    g.fillPath (k.ring (inset, k.b, 6.2220988f, a1));
}
} // namespace

//==============================================================================
NorvaneLookAndFeel::NorvaneLookAndFeel (NorvaneLookAndFeelOptions initialOptions)
    : options (initialOptions),
      stylesheet (Stylesheet::getInstance())
{
    setDefaultSansSerifTypeface (stylesheet->typeface);

    setColour (juce::Slider::textBoxOutlineColourId, juce::Colour (0x00000000));
    setColour (juce::TextEditor::focusedOutlineColourId, juce::Colour (0x00000000));
    setColour (juce::TextEditor::backgroundColourId, stylesheet->getColour (Stylesheet::middlePanelColourId));
    setColour (juce::TextEditor::shadowColourId, stylesheet->getColour (Stylesheet::middlePanelColourId));
    setColour (juce::Label::backgroundWhenEditingColourId, stylesheet->getColour (options.editorBackgroundColour));
}

NorvaneLookAndFeel::~NorvaneLookAndFeel() = default;

NorvaneLookAndFeel& NorvaneLookAndFeel::setOptions (NorvaneLookAndFeelOptions newOptions)
{
    options = newOptions;
    setColour (juce::Label::backgroundWhenEditingColourId, stylesheet->getColour (options.editorBackgroundColour));
    return *this;
}

//==============================================================================
void NorvaneLookAndFeel::drawToggleButton (juce::Graphics& g, juce::ToggleButton& button,
                                           bool shouldDrawButtonAsHighlighted, bool)
{
    juce::Path circle;
    circle.addEllipse (2.0f, 2.0f,
                       (float) std::max (0, button.getWidth() - 4),
                       (float) std::max (0, button.getHeight() - 4));

    if (shouldDrawButtonAsHighlighted)
    {
        g.setColour (juce::Colour (0x33ffffff));
        g.fillPath (circle);
    }

    g.setColour (stylesheet->getColour (Stylesheet::foregroundColourId));

    if (button.getToggleState())
        g.fillPath (circle);
    else
        g.strokePath (circle, thinStroke (1.0f));
}

//==============================================================================
juce::Label* NorvaneLookAndFeel::createSliderTextBox (juce::Slider& slider)
{
    auto* label = juce::LookAndFeel_V4::createSliderTextBox (slider);
    label->addListener (this);

    // Text boxes may lie outside the slider (see getSliderLayout), so neither clips its painting.
    label->setPaintingIsUnclipped (true);
    slider.setPaintingIsUnclipped (true);

    // Only the slider opens the editor (on a double-click); the label never takes the mouse.
    label->setInterceptsMouseClicks (false, false);

    const auto font = label->getFont();
    label->setFont (font.withHeight (slider.getTextBoxPosition() == juce::Slider::TextBoxBelow
                                         ? 8.0f
                                         : 0.8f * font.getHeight()));
    label->setJustificationType (juce::Justification::centred);
    label->setHasFocusOutline (false);
    return label;
}

void NorvaneLookAndFeel::editorShown (juce::Label*, juce::TextEditor& editor)
{
    editor.setJustification (juce::Justification::centred);
}

juce::Slider::SliderLayout NorvaneLookAndFeel::getSliderLayout (juce::Slider& slider)
{
    const auto w = slider.getWidth(), h = slider.getHeight();

    const auto style = slider.getSliderStyle();

    if (style == juce::Slider::LinearVertical)
    {
        auto layout = juce::LookAndFeel_V2::getSliderLayout (slider);
        const auto box = layout.textBoxBounds;
        layout.textBoxBounds = { box.getX() + (box.getWidth() - 32) / 2,
                                 box.getY() + (box.getHeight() - 12) / 2 - 4,
                                 32, 12 };
        return layout;
    }

    if (style != juce::Slider::RotaryVerticalDrag)
        return juce::LookAndFeel_V2::getSliderLayout (slider);

    const auto s = std::min (w, h);
    const auto size = std::max (0, s);
    const auto x0 = w / 2 - size / 2, y0 = h / 2 - size / 2;

    juce::Slider::SliderLayout layout;
    layout.sliderBounds = { x0, y0, size, size };

    if (slider.getTextBoxPosition() == juce::Slider::TextBoxBelow)
    {
        const auto tw = options.wideTextBox
                            ? 2 * w
                            : (int) std::ceil (juce::Font (stylesheet->typeface).withHeight (8.0f)
                                                                                .getStringWidthFloat ("99999"));
        layout.textBoxBounds = { (w - tw) / 2, h + 5, tw, 12 };
        return layout;
    }

    // Single-precision products: at s = 60, s * 0.41666666f is 25 where a double gives 24.99...
    const auto m = (int) ((float) s * 0.25f);
    const auto n = (int) ((float) s * 0.41666666f);
    layout.textBoxBounds = { x0 + m, y0 + n, std::max (0, size - 2 * m), std::max (0, size - 2 * n) };

    if (options.raiseTextBox)
        layout.textBoxBounds.translate (0, -(layout.textBoxBounds.getHeight() / 2));

    return layout;
}

//==============================================================================
NorvaneLookAndFeel::ArcSpan NorvaneLookAndFeel::getValueBandAngles (bool bipolar, float p, float a0, float a1)
{
    if (! bipolar)
        return { a0, a0 + p * (a1 - a0) };

    // Values off the middle show at least 2 % of the range; only the exact ends reach the ends.
    auto q = p;

    if (p > 0.5f && p < 1.0f)
        q = (p - 0.5f) * 0.46f * 2.0f + 0.52f;
    else if (p > 0.0f && p < 0.5f)
        q = p * 0.46f * 2.0f + 0.02f;

    const auto mid = a0 + 0.5f * (a1 - a0);
    return { mid, mid + (q - 0.5f) * 2.0f * (a1 - mid) };
}

void NorvaneLookAndFeel::drawRotarySlider (juce::Graphics& g, int x, int y, int width, int height,
                                           float sliderPosProportional, float rotaryStartAngle,
                                           float rotaryEndAngle, juce::Slider&)
{
    const KnobGeometry k (x, y, width, height, options.arcOrigin);
    const auto a0 = rotaryStartAngle, a1 = rotaryEndAngle;

    if (options.showColouredTrack)
        drawColouredTrack (g, k, a0, a1, *stylesheet);

    g.setColour (stylesheet->getColour (Stylesheet::foregroundColourId));
    g.fillPath (k.ring (k.u, k.b, a0, a1), k.turnedBy (k.theta));

    const auto bar = k.tickBar();
    g.fillPath (bar, k.turnedBy (k.theta + a0));
    g.fillPath (bar, k.turnedBy (k.theta + a1));

    // The end labels stay upright under the knob, below the slider's bounds.
    g.setFont (12.0f);
    const auto baseline = y + height + 3;

    if (const auto left = juce::String::fromUTF8 (options.leftEndLabel); left.isNotEmpty())
        g.drawSingleLineText (left, (int) k.fx, baseline, juce::Justification::left);

    if (const auto right = juce::String::fromUTF8 (options.rightEndLabel); right.isNotEmpty())
    {
        const auto halfWidth = juce::roundToInt (g.getCurrentFont().getStringWidthFloat (right) / 2.0f);
        g.drawSingleLineText (right, (int) (k.fx + k.fw - (float) halfWidth), baseline, juce::Justification::left);
    }

    if (options.knobStyle == 1)
        g.fillPath (bar, k.turnedBy (k.theta));

    const auto band = getValueBandAngles (options.bipolar, sliderPosProportional, a0, a1);
    g.setColour (stylesheet->getColour (Stylesheet::foregroundColourId).withAlpha (1.0f));
    g.fillPath (k.ring (0.0f, k.u + k.b, band.from, band.to), k.turnedBy (k.theta));
}

//==============================================================================
void NorvaneLookAndFeel::drawLinearSlider (juce::Graphics& g, int x, int y, int width, int height,
                                           float sliderPos, float minSliderPos, float maxSliderPos,
                                           juce::Slider::SliderStyle style, juce::Slider& slider)
{
    if (style == juce::Slider::LinearVertical)
        drawVerticalFader (g, x, y, width, height, sliderPos);
    else if (style == juce::Slider::LinearHorizontal)
        drawHorizontalFader (g, x, y, width, height, slider);
    else
        juce::LookAndFeel_V4::drawLinearSlider (g, x, y, width, height, sliderPos, minSliderPos, maxSliderPos,
                                                style, slider);
}

void NorvaneLookAndFeel::drawVerticalFader (juce::Graphics& g, int x, int y, int width, int height, float sliderPos)
{
    const auto foreground = stylesheet->getColour (Stylesheet::foregroundColourId);
    const auto cx = (float) x + (float) width / 2.0f;
    const auto top = (float) y, bottom = (float) (y + height);

    g.setColour (foreground.withAlpha ((juce::uint8) 0x99));
    g.drawLine (cx, top, cx, bottom, 1.0f);

    g.setColour (foreground);
    g.fillRoundedRectangle (cx - 5.0f, top - 1.75f, 10.0f, 3.5f, 1.0f);
    g.fillRoundedRectangle (cx - 5.0f, bottom - 1.75f, 10.0f, 3.5f, 1.0f);

    constexpr auto thumbDiameter = 14.4f;
    g.fillEllipse (cx - thumbDiameter / 2.0f, sliderPos - thumbDiameter / 2.0f, thumbDiameter, thumbDiameter);
}

// No control of the editor uses this style. Marks and thumb are placed by value on the drawn
// line, one mark at every whole value inside the range where the marks do not crowd each other.
void NorvaneLookAndFeel::drawHorizontalFader (juce::Graphics& g, int x, int y, int width, int height,
                                              juce::Slider& slider)
{
    const auto foreground = stylesheet->getColour (Stylesheet::foregroundColourId);
    const auto ly = (float) y + (float) height * 0.3f;
    const auto x1 = (float) x + 7.2f, x2 = (float) (x + width) - 7.2f;
    const auto positionOf = [&] (double value)
    {
        return x1 + (x2 - x1) * (float) slider.valueToProportionOfLength (value);
    };

    g.setColour (foreground.withAlpha ((juce::uint8) 0x99));
    g.drawLine (x1, ly, x2, ly, 1.0f);

    constexpr auto markWidth = 3.5f, markHeight = 10.0f;
    const auto drawMark = [&] (float centreX)
    {
        g.fillRoundedRectangle (centreX - markWidth / 2.0f, ly - markHeight / 2.0f, markWidth, markHeight, 1.0f);
    };

    g.setColour (foreground);
    drawMark (x1);
    drawMark (x2);

    const auto minimum = slider.getMinimum(), maximum = slider.getMaximum();

    if (maximum > minimum && (x2 - x1) / (float) (maximum - minimum) >= 2.0f * markWidth)
        for (auto n = std::floor (minimum) + 1.0; n < maximum; n += 1.0)
            drawMark (positionOf (n));

    constexpr auto thumbDiameter = 14.4f;
    g.fillEllipse (positionOf (slider.getValue()) - thumbDiameter / 2.0f, ly - thumbDiameter / 2.0f,
                   thumbDiameter, thumbDiameter);
}

//==============================================================================
void NorvaneLookAndFeel::drawLineWithFadeOut (juce::Graphics& g, const juce::Colour& colour,
                                              juce::Line<float> line, float fadeLength, float)
{
    strokeFadedLine (g, line, fadeLength, [&] (float length, float fade) -> juce::FillType
    {
        if (fade <= 0.0f)
            return colour;   // a gradient of zero length would have no direction

        return juce::ColourGradient (colour, line.getPointAlongLine (length - fade),
                                     colour.withAlpha ((juce::uint8) 0), line.getEnd(), false);
    });
}

void NorvaneLookAndFeel::drawLineWithDoubleEndedFade (juce::Graphics& g, const juce::Colour& colour,
                                                      juce::Line<float> line, float fadeLength, float)
{
    strokeFadedLine (g, line, fadeLength, [&] (float length, float fade) -> juce::FillType
    {
        const auto clear = colour.withAlpha ((juce::uint8) 0);
        juce::ColourGradient gradient (clear, line.getStart(), clear, line.getEnd(), false);
        gradient.addColour ((double) (fade / length), colour);
        gradient.addColour ((double) ((length - fade) / length), colour);
        return gradient;
    });
}
