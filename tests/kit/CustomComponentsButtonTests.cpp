// The component base's parameter tag and the kit's buttons: modifier clicks against a real
// processor's parameter tree, the flag of the flat text button, and what the buttons draw.

#include "tests/common/ControlTestSupport.h"
#include "tests/kit/KitTestSupport.h"
#include "kit/CustomComponents.h"
#include "processor/ParameterIDs.h"
#include "tests/processor/ProcessorTestSupport.h"

#include <functional>
#include <memory>

namespace quindle::test::kit
{
namespace
{
int tagOf (juce::Component& component)
{
    const auto* tag = component.getProperties().getVarPointer (CustomComponent::controlParameterIndexKey);
    return tag != nullptr && tag->isInt() ? (int) *tag : -1;
}
} // namespace

TEST (CustomComponent, TagsAControlWithItsParameterIndex)
{
    auto processor = processor::makeProcessor();

    for (int index = 0; index < (int) ParameterIDs::inIndexOrder.size(); ++index)
    {
        SCOPED_TRACE (ParameterIDs::inIndexOrder[(size_t) index]);
        juce::Component control;
        CustomComponent::setControlParameterIndex (*processor, control, ParameterIDs::inIndexOrder[(size_t) index]);
        EXPECT_EQ (tagOf (control), index);
    }
}

TEST (CustomComponent, ASecondTagReplacesTheFirstAndAnUnknownIdTagsNothing)
{
    auto processor = processor::makeProcessor();
    juce::Component control;

    CustomComponent::setControlParameterIndex (*processor, control, ParameterIDs::width);
    CustomComponent::setControlParameterIndex (*processor, control, ParameterIDs::outputGain);
    EXPECT_EQ (tagOf (control), 12);

    // The build asserts here in debug; it must neither crash nor store a made-up index.
    CustomComponent::setControlParameterIndex (*processor, control, "No Such Parameter");
    EXPECT_EQ (tagOf (control), 12);

    juce::Component untagged;
    CustomComponent::setControlParameterIndex (*processor, untagged, "No Such Parameter");
    EXPECT_FALSE (untagged.getProperties().contains (CustomComponent::controlParameterIndexKey));
}

//==============================================================================
namespace
{
// One button of each kind, bound to a switch parameter whose default matches the button's.
struct BoundButton
{
    const char* kind;
    std::function<std::unique_ptr<ToggleButtonWithAAXFix>()> make;
    const char* parameterID;
};

const BoundButton boundButtons[] = {
    { "the Stereo Pan toggle", [] { return std::make_unique<ToggleButtonWithAAXFix>(); }, ParameterIDs::stereoPan },
    { "a mono button", [] { return std::make_unique<MonoButton>(); }, ParameterIDs::monoCheck },
    { "a flat text button", [] { return std::make_unique<InlinedTextButton> ("lPhaseButton", "x", 0, nullptr, false,
                                                                            juce::Colours::transparentBlack); },
      ParameterIDs::phaseFlipLeft },
    { "a flat text button that defaults on", [] { return std::make_unique<InlinedTextButton> ("lButton", "L", 0, nullptr, true,
                                                                                            juce::Colours::transparentBlack); },
      ParameterIDs::leftEnabled },
};
} // namespace

namespace
{
// One button of a kind, visible, bound to its parameter and started in a state.
struct ButtonUnderTest
{
    ButtonUnderTest (QuindleAudioProcessor& processor, const BoundButton& kind, bool startsAtDefault)
        : parameter (*processor.apvts.getParameter (kind.parameterID)),
          control (kind.make()),
          attachment (processor.apvts, kind.parameterID, *control)
    {
        control->setBounds (0, 0, 20, 20);
        control->setVisible (true);   // a hidden button never enters its pressed state

        start = startsAtDefault ? control->getDefaultState() : ! control->getDefaultState();
        parameter.setValueNotifyingHost (start ? 1.0f : 0.0f);
        control->onClick = [this] { ++clicks; };
        gestures = std::make_unique<GestureCounter> (parameter);
    }

    /** The toggle state, its parameter, its listeners and the host all saw one toggle or none. */
    void expectToggled (bool toggled) const
    {
        const auto expected = toggled ? ! start : start;
        EXPECT_EQ (control->getToggleState(), expected);
        EXPECT_EQ (parameter.getValue() >= 0.5f, expected);
        EXPECT_EQ (clicks, toggled ? 1 : 0) << "listeners hear of each change once";
        EXPECT_EQ (gestures->begins, toggled ? 1 : 0);
        EXPECT_TRUE (gestures->allClosed());
    }

    juce::RangedAudioParameter& parameter;
    std::unique_ptr<ToggleButtonWithAAXFix> control;
    juce::AudioProcessorValueTreeState::ButtonAttachment attachment;
    bool start = false;
    int clicks = 0;
    std::unique_ptr<GestureCounter> gestures;
};
} // namespace

TEST (ToggleButtonWithAAXFix, ModifierClicksNeverToggle)
{
    struct Case { const char* name; bool startsAtDefault; int keys; bool toggles; };
    const Case cases[] = {
        { "a plain click toggles",                          true,  noKeys,      true  },
        { "a Shift click toggles",                          true,  shift,       true  },
        { "a Ctrl click does nothing",                      true,  ctrl,        false },
        { "an Alt click returns to the default",            false, alt,         true  },
        { "an Alt click at the default does nothing",       true,  alt,         false },
        { "an Alt with Shift click does nothing",           false, alt | shift, false },
        { "an Alt with Shift click at the default too",     true,  alt | shift, false },
    };

    auto processor = processor::makeProcessor();

    for (const auto& button : boundButtons)
    {
        for (const auto& c : cases)
        {
            SCOPED_TRACE (juce::String (button.kind) + ": " + c.name);
            ButtonUnderTest b (*processor, button, c.startsAtDefault);
            SyntheticMouse (*b.control).click ({ 10.0f, 10.0f }, juce::ModifierKeys (c.keys));
            b.expectToggled (c.toggles);
        }
    }
}

TEST (ToggleButtonWithAAXFix, ThePressGoesByTheEventsKeysTheReleaseByTheGlobalOnes)
{
    // A key pressed or let go between a mouse event and its delivery makes the event's keys and
    // the global state differ.
    struct Case { const char* name; bool startsAtDefault; int pressEvent, pressGlobal, releaseEvent, releaseGlobal; bool toggles; };
    const Case cases[] = {
        { "Alt in the press event alone resets",                  false, alt,    noKeys, noKeys, noKeys, true  },
        { "Alt in the global state alone makes a plain press",    true,  noKeys, alt,    noKeys, noKeys, true  },
        { "Ctrl in the release event alone still clicks",         true,  noKeys, noKeys, ctrl,   noKeys, true  },
        { "Ctrl in the global state alone at the release: no click", true, noKeys, noKeys, noKeys, ctrl, false },
        { "Alt in the global state alone at the release: no click", true, noKeys, noKeys, noKeys, alt,  false },
    };

    auto processor = processor::makeProcessor();

    for (const auto& button : boundButtons)
    {
        for (const auto& c : cases)
        {
            SCOPED_TRACE (juce::String (button.kind) + ": " + c.name);
            ButtonUnderTest b (*processor, button, c.startsAtDefault);

            SyntheticMouse mouse (*b.control);
            mouse.globalKeysForNextEvent (juce::ModifierKeys (c.pressGlobal)).press ({ 10.0f, 10.0f }, juce::ModifierKeys (c.pressEvent));
            mouse.globalKeysForNextEvent (juce::ModifierKeys (c.releaseGlobal)).release (juce::ModifierKeys (c.releaseEvent));

            b.expectToggled (c.toggles);
        }
    }
}

TEST (ToggleButtonWithAAXFix, AReleaseNeverCompletesAPressAnAltResetUsedUp)
{
    // In a window the framework marks a held button down on its own: when a first click gives it
    // the keyboard focus, and whenever the mouse moves. Alt is let go before the mouse button.
    auto processor = processor::makeProcessor();

    for (const auto& button : boundButtons)
    {
        SCOPED_TRACE (button.kind);
        ButtonUnderTest b (*processor, button, false);

        SyntheticMouse mouse (*b.control);
        mouse.press ({ 10.0f, 10.0f }, alt);
        b.control->setState (juce::Button::buttonDown);
        mouse.release();

        b.expectToggled (true);   // back to the default, and only that
        EXPECT_FALSE (b.control->isDown()) << "the release leaves the button unpressed";
    }
}

TEST (InlinedTextButton, FlipsAndShowsItsFlag)
{
    juce::Atomic<bool> flag (true);
    InlinedTextButton button ({}, "?", 0, &flag, false, juce::Colours::black);
    button.setBounds (0, 0, 17, 21);
    button.setVisible (true);

    EXPECT_TRUE (button.isShownOn()) << "the flag shows, not the toggle state";
    EXPECT_FALSE (button.getToggleState());

    SyntheticMouse mouse (button);
    mouse.click ({ 8.0f, 10.0f });
    EXPECT_FALSE (flag.get());
    EXPECT_TRUE (button.getToggleState());

    mouse.click ({ 8.0f, 10.0f });
    EXPECT_TRUE (flag.get());
    EXPECT_FALSE (button.getToggleState());

    // Returning the toggle to its default is a click too: with the toggle on, the flag flips;
    // at the default nothing happens.
    mouse.click ({ 8.0f, 10.0f });
    mouse.click ({ 8.0f, 10.0f }, alt);
    EXPECT_FALSE (button.getToggleState());
    EXPECT_TRUE (flag.get());

    mouse.click ({ 8.0f, 10.0f }, alt);
    EXPECT_TRUE (flag.get());
}

TEST (InlinedTextButton, WithoutAFlagShowsItsOwnState)
{
    InlinedTextButton button ({}, "S", 0, nullptr, false, juce::Colours::black);
    EXPECT_FALSE (button.isShownOn());
    button.setToggleState (true, juce::sendNotificationSync);
    EXPECT_TRUE (button.isShownOn());
}

//==============================================================================
namespace
{
// The colour least like the background: where a glyph is fully covered, its text colour.
juce::Colour strongestInk (const juce::Image& image, juce::Colour background)
{
    const auto distance = [background] (juce::Colour c)
    {
        return std::abs (c.getRed() - background.getRed()) + std::abs (c.getGreen() - background.getGreen())
             + std::abs (c.getBlue() - background.getBlue());
    };

    auto strongest = background;

    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (const auto c = image.getPixelAt (x, y); distance (c) > distance (strongest))
                strongest = c;

    return strongest;
}

// Painted four times larger, so the strokes of small text have fully covered pixels.
juce::Image snapshotOf (juce::Button& button)
{
    return button.createComponentSnapshot (button.getLocalBounds(), true, 4.0f);
}
} // namespace

TEST (FlatButtons, TextColourFollowsStateAndHover)
{
    struct Case { const char* name; bool on; bool hover; int textColour; };
    const Case cases[] = {
        { "on",                 true,  false, 1 },
        { "on under the mouse", true,  true,  1 },
        { "off under the mouse", false, true, 2 },
        { "off",                false, false, 3 },
    };

    NorvaneLookAndFeel lookAndFeel;
    const ScopedDefaultLookAndFeel installed (lookAndFeel);
    const auto flatBackground = styleColour (6);

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        InlinedTextButton text ({}, "SWAP", 0, nullptr, false, flatBackground);
        MonoButton mono;

        for (auto* button : std::initializer_list<juce::Button*> { &text, &mono })
        {
            button->setBounds (0, 0, 40, 16);
            button->setVisible (true);
            button->setToggleState (c.on, juce::dontSendNotification);
            button->setState (c.hover ? juce::Button::buttonOver : juce::Button::buttonNormal);
        }

        const auto textImage = snapshotOf (text);
        EXPECT_TRUE (coloursMatch (textImage.getPixelAt (1, 1), flatBackground)) << "the flat background";
        EXPECT_TRUE (coloursMatch (strongestInk (textImage, flatBackground), styleColour (c.textColour)));

        const auto monoImage = snapshotOf (mono);
        EXPECT_TRUE (coloursMatch (monoImage.getPixelAt (1, 1), styleColour (4))) << "the mono button's fill";
        EXPECT_TRUE (coloursMatch (strongestInk (monoImage, styleColour (4)), styleColour (c.textColour)));
    }
}

TEST (FlatButtons, AFlaggedButtonDrawsItsFlagNotItsToggleState)
{
    struct Case { const char* name; bool flag, toggle; int textColour; };
    const Case cases[] = {
        { "flag on, toggle off", true,  false, 1 },
        { "flag off, toggle on", false, true,  3 },
    };

    NorvaneLookAndFeel lookAndFeel;
    const ScopedDefaultLookAndFeel installed (lookAndFeel);
    const auto background = styleColour (4);

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        juce::Atomic<bool> flag (c.flag);
        InlinedTextButton button ({}, "?", 0, &flag, false, background);
        button.setBounds (0, 0, 17, 21);
        button.setVisible (true);
        button.setToggleState (c.toggle, juce::dontSendNotification);

        EXPECT_TRUE (coloursMatch (strongestInk (snapshotOf (button), background), styleColour (c.textColour)));
    }
}

TEST (FlatButtons, TextHeightIsTheButtonLessItsMargins)
{
    struct Case { const char* name; int height, margin; float fontHeight; };
    const Case cases[] = {
        { "a 20 high button, no margin",   20, 0, 20.0f },
        { "a 21 high button, margin 2",    21, 2, 17.0f },
        { "a 30 high button, margin 5",    30, 5, 20.0f },
    };

    NorvaneLookAndFeel lookAndFeel;
    const ScopedDefaultLookAndFeel installed (lookAndFeel);
    const auto background = juce::Colours::black;

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        InlinedTextButton button ({}, "HE", 0, nullptr, true, background);
        button.setToggleState (true, juce::dontSendNotification);
        button.setTextMargin (c.margin);
        button.setBounds (0, 0, 80, c.height);

        auto image = filledImage (80, c.height, background);
        {
            juce::Graphics g (image);
            button.paintButton (g, false, false);
        }

        // Where the glyphs of that font, fitted and centred, put their ink.
        juce::GlyphArrangement glyphs;
        glyphs.addFittedText (juce::Font (c.fontHeight), "HE", 0.0f, 0.0f, 80.0f, (float) c.height,
                              juce::Justification::centred, 1, 0.0f);
        juce::Path outlines;
        glyphs.createPath (outlines);
        const auto expected = outlines.getBounds().getSmallestIntegerContainer();

        const auto ink = inkBounds (image, image.getBounds(), background);
        EXPECT_NEAR (ink.getHeight(), expected.getHeight(), 1);
        EXPECT_NEAR (ink.getY(), expected.getY(), 1);
        EXPECT_NEAR (ink.getWidth(), expected.getWidth(), 1);
    }
}
} // namespace quindle::test::kit
