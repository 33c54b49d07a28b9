#pragma once

#include "kit/CustomComponents.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The information overlay: the product name and version, the credits, the licence link, the
// notice line and the explanations of the BALANCE and WIDTH knobs. The container shows and hides
// it; it is laid out once at the container's design size and only the link takes the mouse.
//
// Everything here runs on the message thread.

//==============================================================================
/** One heading with a paragraph under it. The paragraph is drawn at 10 pt, or smaller when that
    is what it takes for all of it to fit its box. */
class BigText : public CustomComponent
{
public:
    /** Also sets the label text colour of the look-and-feel this resolves to now (the process
        default while it has no parent): every label drawing with that look-and-feel takes it. */
    BigText (juce::StringRef heading, juce::StringRef body);
    ~BigText() override;

    void resized() override;

    juce::Label headingLabel, bodyLabel;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BigText)
};

//==============================================================================
/** A block of formatted text with a short line under its middle that fades in and out. */
class LabelWithFadeLines : public CustomComponent
{
public:
    LabelWithFadeLines();
    ~LabelWithFadeLines() override;

    void paint (juce::Graphics&) override;

    juce::AttributedString attributedText;   // filled by the owner
    float fadeLength = 10.0f;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LabelWithFadeLines)
};

//==============================================================================
/** The overlay's middle band: the WIDTH text on the left, the BALANCE text on the right and an
    empty column between them, where the owner lays the credits. */
class DescriptionsComponent : public CustomComponent
{
public:
    DescriptionsComponent();
    ~DescriptionsComponent() override;

    void paint (juce::Graphics&) override;
    void resized() override;

    BigText balanceText;
    juce::Component spacer;   // hidden; only reserves the middle column
    BigText widthText;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DescriptionsComponent)
};

//==============================================================================
/** The overlay itself. The environment variable BUILD_NUMBER, read each time an overlay is
    built, adds a build number to the title when it is set and not empty. */
class InfoComponent : public CustomComponent
{
public:
    InfoComponent();
    ~InfoComponent() override;

    void paint (juce::Graphics&) override;
    void resized() override;

    const juce::String productName, versionText, titleText;
    const juce::String shopUrl, shopLinkText;   // the title row's link: it opens the licence text
    const juce::String noticeText;

    juce::Label titleLabel;
    LabelWithFadeLines credits;
    juce::HyperlinkButton shopLink;
    juce::Label noticeLabel;
    DescriptionsComponent descriptions;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (InfoComponent)
};
