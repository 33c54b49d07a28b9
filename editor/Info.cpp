#include "editor/Info.h"

#include "kit/CustomLookAndFeels.h"
#include "kit/Stylesheet.h"

#include <algorithm>

namespace
{
// The line breaks belong to the texts: they set where the first lines of each paragraph end.
constexpr const char* balanceDescription =
    "A classic balance panner that\nadjusts the levels of each stereo channel based on the panning direction. "
    "In Stereo Pan mode, the content of the other channel gradually blends into the channel closest to the "
    "panning direction, allowing for panning without any loss of information.";

constexpr const char* widthDescription =
    "The width knob controls the\nstereo spread of the signal\nat the end of the processing chain, enabling "
    "you to fine-tune the width after panning. The Mono Freq knob sums the signal to mono below the selected "
    "frequency, providing additional control over the stereo image.";

// Quindle is made by Norvane and released under the GPL, version 3. The notice is UTF-8 (the ©).
constexpr const char* maker = "Norvane";
constexpr const char* licenceUrl = "https://www.gnu.org/licenses/gpl-3.0.html";
constexpr const char* licenceLinkText = "Licence: GPL-3.0";
constexpr const char* noticeLine = "Copyright \xc2\xa9 2026 Norvane. Quindle is free software under the "
                                   "GNU General Public License, version 3 (GPL-3.0).";

// The descriptions' size. The boxes were drawn for a narrower typeface than the embedded one, so
// a description that does not fit its box at this size is drawn at the largest size that does,
// in steps of a quarter point, never below the smallest readable size.
constexpr float bodyFontHeight = 10.0f;
constexpr float bodyFontStep = 0.25f;
constexpr float smallestBodyFontHeight = 6.0f;

// Whether the whole text, wrapped to the area's width as a label draws text with line breaks,
// stays inside the area.
bool textFits (const juce::String& text, const juce::Font& font, juce::Rectangle<int> area)
{
    juce::GlyphArrangement lines;
    lines.addJustifiedText (font, text, 0.0f, 0.0f, (float) area.getWidth(), juce::Justification::left);
    const auto used = lines.getBoundingBox (0, -1, false);
    return used.getWidth() <= (float) area.getWidth() && used.getHeight() <= (float) area.getHeight();
}

juce::Font largestFittingFont (const juce::Label& label, juce::Rectangle<int> textArea)
{
    const auto font = label.getFont();

    for (auto height = bodyFontHeight; height > smallestBodyFontHeight; height -= bodyFontStep)
        if (textFits (label.getText(), font.withHeight (height), textArea))
            return font.withHeight (height);

    return font.withHeight (smallestBodyFontHeight);
}

juce::String makeTitle (const juce::String& productName, const juce::String& versionText)
{
    auto title = productName + " " + versionText;

    // Read anew for every overlay, so a build machine's number shows up without a rebuild.
    const auto buildNumber = juce::SystemStats::getEnvironmentVariable ("BUILD_NUMBER", {});

    if (buildNumber.isNotEmpty())
        title << " Build #" << buildNumber;

    return title;
}

// Two groups, each a heading over its names; the empty lines after the first group leave room
// for the faded line between them.
juce::AttributedString makeCredits (const juce::Font& baseFont)
{
    const auto headingFont = baseFont.withHeight (12.0f);
    const auto nameFont = baseFont.withHeight (10.0f);

    juce::AttributedString text;
    text.setJustification (juce::Justification::centred);
    text.setWordWrap (juce::AttributedString::byWord);
    text.setReadingDirection (juce::AttributedString::natural);

    text.append ("Designed By:\n", headingFont);
    text.append (juce::String (maker) + "\n\n\n", nameFont);   // one name a line, then two empty lines
    text.append ("Programmed By:\n", headingFont);
    text.append (maker, nameFont);

    text.setLineSpacing (text.getLineSpacing() + 2.0f);
    text.setColour (styleColour (Stylesheet::foregroundColourId));
    return text;
}
} // namespace

//==============================================================================
BigText::BigText (juce::StringRef heading, juce::StringRef body)
    : headingLabel ({}, heading),
      bodyLabel ({}, body)
{
    getLookAndFeel().setColour (juce::Label::textColourId, styleColour (Stylesheet::foregroundColourId));

    headingLabel.setFont (headingLabel.getFont().withHeight (15.0f));
    headingLabel.setJustificationType (juce::Justification::centredTop);
    bodyLabel.setFont (bodyLabel.getFont().withHeight (bodyFontHeight));
    bodyLabel.setJustificationType (juce::Justification::topLeft);

    addAndMakeVisible (headingLabel);
    addAndMakeVisible (bodyLabel);
}

BigText::~BigText() = default;

void BigText::resized()
{
    auto area = getLocalBounds();
    headingLabel.setBounds (area.removeFromTop (24));
    area.removeFromTop (9);
    bodyLabel.setBounds (area);

    const auto textArea = getLookAndFeel().getLabelBorderSize (bodyLabel).subtractedFrom (bodyLabel.getLocalBounds());
    bodyLabel.setFont (largestFittingFont (bodyLabel, textArea));
}

//==============================================================================
LabelWithFadeLines::LabelWithFadeLines() = default;
LabelWithFadeLines::~LabelWithFadeLines() = default;

void LabelWithFadeLines::paint (juce::Graphics& g)
{
    attributedText.draw (g, getLocalBounds().toFloat());

    const auto cx = (float) (getWidth() / 2);
    const auto y = (float) (getHeight() / 2 + 7);
    NorvaneLookAndFeel::drawLineWithDoubleEndedFade (g, styleColour (Stylesheet::foregroundColourId),
                                                     { cx - 20.0f, y, cx + 20.0f, y }, fadeLength, 0.0f);
}

//==============================================================================
DescriptionsComponent::DescriptionsComponent()
    : balanceText ("BALANCE", balanceDescription),
      widthText ("WIDTH", widthDescription)
{
    addAndMakeVisible (widthText);
    addAndMakeVisible (spacer);
    addAndMakeVisible (balanceText);
    spacer.setVisible (false);
}

DescriptionsComponent::~DescriptionsComponent() = default;

void DescriptionsComponent::paint (juce::Graphics& g)
{
    g.fillAll (styleColour (Stylesheet::middlePanelColourId));
}

void DescriptionsComponent::resized()
{
    juce::Rectangle<int> area (5, 14, std::max (0, getWidth() - 10), std::max (0, getHeight() - 28) + 10);

    // Three equal columns with gaps of 8 before, between and after them; the third is taken in floats.
    constexpr int gap = 8;
    const auto column = (int) ((float) (area.getWidth() - 4 * gap) * (1.0f / 3.0f));

    for (auto* piece : std::initializer_list<juce::Component*> { &widthText, &spacer, &balanceText })
    {
        area.removeFromLeft (gap);
        piece->setBounds (area.removeFromLeft (column));
    }
}

//==============================================================================
InfoComponent::InfoComponent()
    : productName (JucePlugin_Name),
      versionText (JucePlugin_VersionString),
      titleText (makeTitle (productName, versionText)),
      shopUrl (licenceUrl),
      shopLinkText (licenceLinkText),
      noticeText (juce::CharPointer_UTF8 (noticeLine)),
      titleLabel ({}, titleText),
      shopLink (shopLinkText, juce::URL (shopUrl)),
      noticeLabel ({}, noticeText)
{
    addAndMakeVisible (titleLabel);
    addAndMakeVisible (credits);
    addAndMakeVisible (shopLink);
    addAndMakeVisible (noticeLabel);
    addAndMakeVisible (descriptions);

    // Without a parent yet, this is the process default look-and-feel's label font, which is in
    // the embedded typeface.
    const auto baseFont = getLookAndFeel().getLabelFont (titleLabel);

    titleLabel.setFont (baseFont.withHeight (22.0f));
    titleLabel.setJustificationType (juce::Justification::centredLeft);

    credits.attributedText = makeCredits (baseFont);
    credits.setAlwaysOnTop (true);   // over the descriptions band

    shopLink.setFont (baseFont.withHeight (15.0f), false, juce::Justification::centredRight);

    noticeLabel.setFont (baseFont.withHeight (8.0f));
    noticeLabel.setJustificationType (juce::Justification::centred);
}

InfoComponent::~InfoComponent() = default;

void InfoComponent::paint (juce::Graphics& g)
{
    g.fillAll (styleColour (Stylesheet::panelColourId));
}

void InfoComponent::resized()
{
    const auto width = getWidth();
    auto area = getLocalBounds();
    auto titleRow = area.removeFromTop (44);
    const auto noticeRow = area.removeFromBottom (24);

    descriptions.setBounds (area);

    titleRow.removeFromBottom (4);
    const auto rowHeight = titleRow.getHeight();
    titleLabel.setBounds (titleRow.removeFromLeft (width / 2).translated (12, 0));

    // The link ends 22 pixels before the right edge, or at the start of the row's last quarter.
    const auto rightMargin = titleRow.removeFromRight (width / 4).removeFromRight (22).getWidth();
    const auto linkHeight = (int) (rowHeight * 0.4);
    shopLink.setBounds (width - rightMargin - 140, (rowHeight - linkHeight) / 2, 140, linkHeight);

    // The credits cover the band's empty middle column and 20 pixels to either side of it.
    credits.setBounds (getLocalArea (&descriptions, descriptions.spacer.getBounds()).expanded (20, 0));

    noticeLabel.setBounds (noticeRow);
}
