// The information overlay: its title with and without a build number, its texts and fonts, the
// credits, and its backgrounds and the credits' faded line by pixel probes.

#include "tests/editor/panels/PanelTestSupport.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace quindle::test::editor
{
using kit::coloursMatch;
using kit::styleColour;

namespace
{
/** Sets or unsets an environment variable for as long as it lives, then restores it. */
class ScopedEnvironmentVariable
{
public:
    ScopedEnvironmentVariable (const char* variableName, std::optional<std::string> value) : name (variableName)
    {
        if (const auto* old = std::getenv (name))
            previous = old;

        if (value.has_value())
            setenv (name, value->c_str(), 1);
        else
            unsetenv (name);
    }

    ~ScopedEnvironmentVariable()
    {
        if (previous.has_value())
            setenv (name, previous->c_str(), 1);
        else
            unsetenv (name);
    }

private:
    const char* name;
    std::optional<std::string> previous;
};

constexpr const char* balanceText =
    "A classic balance panner that\nadjusts the levels of each stereo channel based on the panning direction. "
    "In Stereo Pan mode, the content of the other channel gradually blends into the channel closest to the "
    "panning direction, allowing for panning without any loss of information.";

constexpr const char* widthText =
    "The width knob controls the\nstereo spread of the signal\nat the end of the processing chain, enabling "
    "you to fine-tune the width after panning. The Mono Freq knob sums the signal to mono below the selected "
    "frequency, providing additional control over the stereo image.";

// How far a pixel is from the background: the sum of its channels' differences.
int inkAt (const juce::Image& image, int x, int y, juce::Colour background)
{
    const auto p = image.getPixelAt (x, y);
    return std::abs (p.getRed() - background.getRed()) + std::abs (p.getGreen() - background.getGreen())
         + std::abs (p.getBlue() - background.getBlue());
}

// A horizontal line of width 0.5 at integer y shares its ink between rows y - 1 and y.
int lineInkAt (const juce::Image& image, int x, int y, juce::Colour background)
{
    return inkAt (image, x, y - 1, background) + inkAt (image, x, y, background);
}

enum class Ink { full, faint, none };

// The double-ended faded line of a LabelWithFadeLines, 40 long with fades of 10, from x0 at y.
void expectFadedLine (const juce::Image& image, int x0, int y, juce::Colour background)
{
    const auto centre = lineInkAt (image, x0 + 20, y, background);
    ASSERT_GT (centre, 150) << "the line's middle is drawn in colour 1";

    struct Probe { const char* name; int dx; Ink ink; };
    const Probe probes[] = {
        { "full where the fade-in ends", 11, Ink::full },
        { "full before the fade-out",    28, Ink::full },
        { "faint at the start",           0, Ink::faint },
        { "faint at the end",            39, Ink::faint },
        { "nothing before it",           -5, Ink::none },
        { "nothing after it",            45, Ink::none },
    };

    for (const auto& p : probes)
    {
        SCOPED_TRACE (p.name);
        const auto ink = lineInkAt (image, x0 + p.dx, y, background);

        switch (p.ink)
        {
            case Ink::full:  EXPECT_GT (ink, centre * 3 / 4); break;
            case Ink::faint: EXPECT_LT (ink, centre / 3); break;
            case Ink::none:  EXPECT_LE (ink, 6); break;
        }
    }

    EXPECT_LE (inkAt (image, x0 + 20, y - 3, background), 6) << "a thin line, not a bar";
    EXPECT_LE (inkAt (image, x0 + 20, y + 2, background), 6) << "a thin line, not a bar";
}

// Where the label's text ends when drawn at this size with nothing to cut it off: the row under
// its lowest ink, in the label's coordinates.
int textBottomUnclipped (juce::Label& label, float fontHeight)
{
    const auto font = label.getFont();
    label.setFont (font.withHeight (fontHeight));

    const auto background = styleColour (6);
    auto image = kit::filledImage (label.getWidth(), label.getHeight() * 2, background);
    {
        juce::Graphics g (image);
        label.getLookAndFeel().drawLabel (g, label);
    }

    label.setFont (font);
    return kit::inkBounds (image, image.getBounds(), background).getBottom();
}
} // namespace

TEST (InfoComponent, TitleAddsTheBuildNumberOnlyWhenOneIsSet)
{
    NorvaneLookAndFeel defaultLookAndFeel;
    const kit::ScopedDefaultLookAndFeel installed (defaultLookAndFeel);

    struct Case { const char* name; std::optional<std::string> buildNumber; const char* title; };
    const Case cases[] = {
        { "unset",     std::nullopt, "Quindle 1.2.0" },
        { "empty",     "",           "Quindle 1.2.0" },
        { "57",        "57",         "Quindle 1.2.0 Build #57" },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const ScopedEnvironmentVariable buildNumber ("BUILD_NUMBER", c.buildNumber);
        const InfoComponent info;
        EXPECT_EQ (info.titleText, c.title);
        EXPECT_EQ (info.titleLabel.getText(), c.title);
    }
}

TEST (InfoComponent, ShowsItsTextsInTheirFonts)
{
    Panels panels;
    auto& info = panels.info;
    auto& d = info.descriptions;

    constexpr float fitted = 0.0f;   // sized to fit their box: see below
    struct Case { const char* name; juce::Label& label; juce::String text; float height; int justification; };
    const Case cases[] = {
        { "title",          info.titleLabel,             info.titleText, 22.0f, juce::Justification::centredLeft },
        { "notice",         info.noticeLabel,            info.noticeText, 8.0f, juce::Justification::centred },
        { "BALANCE heading", d.balanceText.headingLabel, "BALANCE",      15.0f, juce::Justification::centredTop },
        { "BALANCE text",   d.balanceText.bodyLabel,     balanceText,    fitted, juce::Justification::topLeft },
        { "WIDTH heading",  d.widthText.headingLabel,    "WIDTH",        15.0f, juce::Justification::centredTop },
        { "WIDTH text",     d.widthText.bodyLabel,       widthText,      fitted, juce::Justification::topLeft },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (c.label.getText(), c.text);

        if (c.height != fitted)
        {
            EXPECT_FLOAT_EQ (c.label.getFont().getHeight(), c.height);
        }

        EXPECT_EQ (c.label.getJustificationType().getFlags(), c.justification);
        EXPECT_TRUE (kit::isEmbeddedTypeface (c.label.getFont()));
        EXPECT_FALSE (c.label.isEditable());
    }

    // Plain, truthful texts: the maker, the licence, and a link that opens the licence's text.
    EXPECT_TRUE (info.noticeText.contains ("Norvane"));
    EXPECT_TRUE (info.noticeText.contains ("GPL-3.0"));
    EXPECT_EQ (info.shopLink.getButtonText(), info.shopLinkText);
    EXPECT_TRUE (info.shopLinkText.contains ("GPL-3.0"));
    EXPECT_EQ (info.shopLink.getURL().toString (false), "https://www.gnu.org/licenses/gpl-3.0.html");

    EXPECT_FALSE (d.spacer.isVisible()) << "the middle column only reserves room";
    EXPECT_TRUE (info.credits.isAlwaysOnTop());
    EXPECT_GT (info.getIndexOfChildComponent (&info.credits), info.getIndexOfChildComponent (&d))
        << "the credits lie over the descriptions band";

    EXPECT_EQ (panels.looks.defaultLookAndFeel.findColour (juce::Label::textColourId), styleColour (1))
        << "the texts set the default look's label colour";
}

TEST (InfoComponent, EachDescriptionFitsItsBoxEntirely)
{
    Panels panels;
    auto& d = panels.info.descriptions;

    for (auto* text : { &d.widthText, &d.balanceText })
    {
        auto& body = text->bodyLabel;
        const auto height = body.getFont().getHeight();
        SCOPED_TRACE (text->headingLabel.getText() + " at " + juce::String (height));

        EXPECT_LE (textBottomUnclipped (body, height), body.getHeight()) << "nothing is cut off at the bottom";
        EXPECT_GT (textBottomUnclipped (body, height + 0.25f), body.getHeight()) << "the largest size that fits";
        EXPECT_LT (height, 10.0f);
        EXPECT_GE (height, 9.0f) << "a small step down from 10 pt";
    }

    // The overlay is laid out once; a box that grows later takes the text's own size back.
    auto& widthBody = d.widthText.bodyLabel;
    d.widthText.setSize (d.widthText.getWidth(), d.widthText.getHeight() + 40);
    EXPECT_FLOAT_EQ (widthBody.getFont().getHeight(), 10.0f);
    EXPECT_LE (textBottomUnclipped (widthBody, 10.0f), widthBody.getHeight());
}

TEST (InfoComponent, CreditsNameTheMakerInBothGroups)
{
    Panels panels;
    const auto& credits = panels.info.credits;
    const auto& text = credits.attributedText;

    EXPECT_EQ (text.getText(), "Designed By:\nNorvane\n\n\nProgrammed By:\nNorvane");
    EXPECT_FLOAT_EQ (credits.fadeLength, 10.0f);
    EXPECT_FLOAT_EQ (text.getLineSpacing(), 2.0f);
    EXPECT_EQ (text.getJustification(), juce::Justification::centred);
    EXPECT_EQ (text.getWordWrap(), juce::AttributedString::byWord);
    EXPECT_EQ (text.getReadingDirection(), juce::AttributedString::natural);

    // Headings at 12, names at 10, all in colour 1 and the embedded typeface.
    struct Run { const char* text; float height; };
    const Run runs[] = { { "Designed By:\n", 12.0f }, { "Norvane\n\n\n", 10.0f },
                         { "Programmed By:\n", 12.0f }, { "Norvane", 10.0f } };

    ASSERT_EQ (text.getNumAttributes(), (int) std::size (runs));

    for (int i = 0; i < text.getNumAttributes(); ++i)
    {
        const auto& attribute = text.getAttribute (i);
        SCOPED_TRACE (runs[i].text);
        EXPECT_EQ (text.getText().substring (attribute.range.getStart(), attribute.range.getEnd()), runs[i].text);
        EXPECT_FLOAT_EQ (attribute.font.getHeight(), runs[i].height);
        EXPECT_TRUE (kit::isEmbeddedTypeface (attribute.font));
        EXPECT_EQ (attribute.colour, styleColour (1));
    }
}

TEST (InfoComponent, BackgroundsAndTheCreditsFadedLine)
{
    Panels panels;
    const auto image = panels.info.createComponentSnapshot (panels.info.getLocalBounds());

    // Points where no text is drawn, in overlay coordinates.
    struct Probe { const char* name; juce::Point<int> at; int colourId; };
    const Probe probes[] = {
        { "title row, between title and link",        { 320, 20 },  4 },
        { "under the title row",                      { 100, 42 },  4 },
        { "notice row, left of the text",             { 4, 226 },   4 },
        { "band, left of the WIDTH text",             { 8, 120 },   6 },
        { "band, above the columns",                  { 262, 50 },  6 },
        { "middle column under the credits, at the top",    { 262, 64 },  6 },
        { "middle column under the credits, at the bottom", { 190, 196 }, 6 },
        { "band, right of the BALANCE text",          { 518, 120 }, 6 },
    };

    for (const auto& p : probes)
    {
        SCOPED_TRACE (p.name);
        EXPECT_TRUE (coloursMatch (image.getPixelAt (p.at.x, p.at.y), styleColour (p.colourId)));
    }

    // The credits' line, from (80, 78) to (120, 78) in the credits at (162, 58): over the band.
    {
        SCOPED_TRACE ("credits in the overlay");
        expectFadedLine (image, 162 + 80, 58 + 78, styleColour (6));
    }

    // With no text at all the line is still drawn.
    LabelWithFadeLines empty;
    empty.setBounds (0, 0, 201, 143);
    auto alone = kit::filledImage (201, 143, styleColour (6));
    {
        juce::Graphics g (alone);
        empty.paintEntireComponent (g, false);
    }
    SCOPED_TRACE ("empty LabelWithFadeLines");
    expectFadedLine (alone, 80, 78, styleColour (6));
}

TEST (InfoComponent, TheLinkIsDrawnRightAlignedIn15PointType)
{
    Panels panels;
    auto& link = panels.info.shopLink;
    ASSERT_EQ (link.getBounds(), juce::Rectangle<int> (363, 12, 140, 16));
    EXPECT_EQ (link.getJustificationType().getFlags(), juce::Justification::centredRight);

    constexpr float scale = 4.0f;
    const auto image = link.createComponentSnapshot (link.getLocalBounds(), true, scale);
    const auto ink = kit::inkBounds (image, image.getBounds(), juce::Colours::transparentBlack);

    // The ink of the same text in the embedded typeface at 15 points, not at the 70 % of the
    // button's height the framework fits a link's font to otherwise.
    juce::GlyphArrangement glyphs;
    glyphs.addLineOfText (juce::Font (Stylesheet::getInstance()->typeface).withHeight (15.0f), link.getButtonText(), 0.0f, 0.0f);
    juce::Path outlines;
    glyphs.createPath (outlines);
    const auto expected = outlines.getBounds() * scale;

    EXPECT_NEAR (ink.getHeight(), expected.getHeight(), 3.0);
    EXPECT_NEAR (ink.getWidth(), expected.getWidth(), 4.0);
    EXPECT_NEAR (ink.getRight(), (link.getWidth() - 1) * scale, 4.0) << "right-aligned, inside the framework's 1-pixel margin";
}
} // namespace quindle::test::editor
