// The main container: its layout and z-order, the "?" toggle whose flag the 100 ms timer applies
// to the overlay, and every parameter tagged on the controls that stand for it.

#include "tests/editor/shell/EditorTestSupport.h"

#include <map>

namespace quindle::test::editor
{
namespace
{
juce::Rectangle<int> rect (int x, int y, int w, int h) { return { x, y, w, h }; }

// The container as the editor builds it: with a NorvaneLookAndFeel as the process default.
struct Container
{
    explicit Container (juce::Rectangle<int> bounds = { 0, 0, 525, 229 })
    {
        container.setBounds (bounds);
        container.setVisible (true);   // hidden buttons never enter their pressed state
    }

    std::unique_ptr<QuindleAudioProcessor> processor = processor::makeProcessor();
    NorvaneLookAndFeel lookAndFeel;
    kit::ScopedDefaultLookAndFeel installed { lookAndFeel };
    MainContainerComponent container { *processor };

    void clickInfoButton (juce::ModifierKeys keys = {})
    {
        auto& button = container.infoButton;
        SyntheticMouse (button).click (button.getLocalBounds().getCentre().toFloat(), keys);
    }
};

// Longer than one period of the overlay's timer.
constexpr int oneTick = 150;
} // namespace

TEST (MainContainer, LaysOutItsChildrenAtTheDesignSize)
{
    Container f;
    auto& c = f.container;

    struct Case { const char* name; juce::Component& child; juce::Rectangle<int> expected; };
    const Case cases[] = {
        { "left",        c.left,       rect (0, 0, 190, 229) },
        { "middle",      c.middle,     rect (190, 0, 232, 229) },
        { "right",       c.right,      rect (422, 0, 103, 229) },
        { "? toggle",    c.infoButton, rect (1, 207, 17, 21) },
        { "overlay",     c.info,       rect (0, 0, 525, 229) },
    };

    for (const auto& k : cases)
    {
        SCOPED_TRACE (k.name);
        EXPECT_EQ (k.child.getBounds(), k.expected);
    }

    EXPECT_EQ (c.infoButton.getTextMargin(), 2) << "the ? is drawn 17 high";
    EXPECT_EQ (c.infoButton.getButtonText(), "?");
    EXPECT_TRUE (kit::coloursMatch (c.infoButton.getBackgroundColour(), kit::styleColour (4)));

    // Panels side by side, the overlay over them, the toggle over the overlay.
    const juce::Component* zOrder[] = { &c.left, &c.middle, &c.right, &c.info, &c.infoButton };
    ASSERT_EQ (c.getNumChildComponents(), (int) std::size (zOrder));

    for (int i = 0; i < c.getNumChildComponents(); ++i)
        EXPECT_EQ (c.getChildComponent (i), zOrder[i]) << "child " << i;

    EXPECT_FALSE (c.info.isVisible()) << "the overlay starts hidden";
}

TEST (MainContainer, TheToggleKeepsToTheCornerAtSmallSizes)
{
    struct Case { const char* name; juce::Rectangle<int> bounds, expectedToggle; };
    const Case cases[] = {
        { "lower than the toggle: full height, one pixel above the top", rect (0, 0, 525, 15), rect (1, -1, 17, 15) },
        { "narrower than the toggle: full width",                        rect (0, 0, 12, 229), rect (1, 207, 12, 21) },
    };

    for (const auto& k : cases)
    {
        SCOPED_TRACE (k.name);
        Container f (k.bounds);
        EXPECT_EQ (f.container.infoButton.getBounds(), k.expectedToggle);
    }
}

TEST (MainContainer, TheToggleShowsAndHidesTheOverlayAtTheTimersNextTick)
{
    // Each case starts with the overlay hidden or shown, clicks, then waits for the next tick.
    struct Case { const char* name; bool startShown; std::vector<juce::ModifierKeys> clicks; bool shown; };
    const Case cases[] = {
        { "a click shows it",                                false, { {} },                 true },
        { "a click while shown hides it",                    true,  { {} },                 false },
        { "two clicks within one tick: no flash",            false, { {}, {} },             false },
        { "Alt while shown returns the toggle to off",       true,  { alt },       false },
        { "Alt while hidden changes nothing",                false, { alt },       false },
    };

    for (const auto& k : cases)
    {
        SCOPED_TRACE (k.name);
        Container f;
        auto& c = f.container;

        if (k.startShown)
        {
            f.clickInfoButton();
            runTimersFor (oneTick);
            ASSERT_TRUE (c.info.isVisible());

            // The toggle stays on top of the overlay and takes the click.
            EXPECT_EQ (c.getComponentAt (c.infoButton.getBounds().getCentre()), &c.infoButton);
        }

        for (const auto& keys : k.clicks)
            f.clickInfoButton (keys);

        EXPECT_EQ (c.info.isVisible(), k.startShown) << "nothing changes before the tick";
        EXPECT_EQ (c.infoButton.isShownOn(), k.shown) << "the toggle shows the flag at once";
        EXPECT_EQ (c.infoButton.getToggleState(), k.shown) << "its own state flips with the flag";

        runTimersFor (oneTick);
        EXPECT_EQ (c.info.isVisible(), k.shown);
    }
}

TEST (MainContainer, EachParameterIsTaggedOnTheControlsThatStandForIt)
{
    Container f;
    std::map<int, std::vector<juce::String>> tagged;   // host index -> components carrying it

    forEachComponent (f.container, [&] (juce::Component& c)
    {
        if (const auto index = tagOf (c); index >= 0)
            tagged[index].push_back (c.getName().isNotEmpty() ? c.getName() : juce::String (typeid (c).name()));
    });

    ASSERT_EQ (tagged.size(), ParameterIDs::inIndexOrder.size()) << "every parameter, and only those";

    for (size_t i = 0; i < ParameterIDs::inIndexOrder.size(); ++i)
    {
        const auto* id = ParameterIDs::inIndexOrder[i];
        SCOPED_TRACE (id);
        const auto index = f.processor->apvts.getParameter (id)->getParameterIndex();
        ASSERT_EQ (index, (int) i);

        // "Input M/S" stands on the box and both its buttons; each other one on its control.
        EXPECT_EQ (tagged[index].size(), juce::String (id) == ParameterIDs::inputMidSide ? 3u : 1u);
    }
}
} // namespace quindle::test::editor
