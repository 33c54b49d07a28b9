// The editor in a real window on a virtual X server of the test's own, clicked through the
// server as a user clicks: JUCE's own X11 peer turns the events into mouse and key handling, with
// the keyboard focus a first click takes and the pointer moving while the button is held. The
// synthetic mouse of the other tests calls the components directly and sees none of that.

#include "tests/editor/shell/EditorTestSupport.h"
#include "tests/common/x11/X11TestSupport.h"

#include <thread>

namespace quindle::test::editor
{
namespace
{
/** Counts the mouse events JUCE delivers to any component, so a test knows when the events it
    sent through the server have been handled. */
struct DeliveredEvents : juce::MouseListener
{
    DeliveredEvents()  { juce::Desktop::getInstance().addGlobalMouseListener (this); }
    ~DeliveredEvents() override { juce::Desktop::getInstance().removeGlobalMouseListener (this); }

    void mouseDown (const juce::MouseEvent&) override { ++downs; }
    void mouseDrag (const juce::MouseEvent&) override { ++drags; }
    void mouseUp (const juce::MouseEvent&) override   { ++ups; }

    int downs = 0, drags = 0, ups = 0;
};

/** An open editor in a window of its own, and a user's mouse and keys. */
class EditorOnScreen : public SettingsFileTest
{
protected:
    void SetUp() override
    {
        SettingsFileTest::SetUp();
        open = std::make_unique<OpenEditor>();

        editor().setTopLeftPosition (40, 40);
        editor().setVisible (true);
        editor().addToDesktop (0);

        auto* peer = editor().getPeer();
        ASSERT_NE (peer, nullptr);
        window = (x11::WindowId) peer->getNativeHandle();
        ASSERT_TRUE (x11::waitUntilViewable (x, window, dispatchPendingMessages));
        dispatchPendingMessages();
    }

    void TearDown() override
    {
        open.reset();
        SettingsFileTest::TearDown();
    }

    QuindleAudioProcessorEditor& editor() { return open->editor(); }
    MainContainerComponent& container() { return open->container(); }
    InputSection& inputSection() { return container().left.inputSection; }

    juce::RangedAudioParameter& parameter (const char* id) { return open->parameter (id); }
    bool isOn (const char* id) { return parameter (id).getValue() >= 0.5f; }
    juce::String text (const char* id) { return parameter (id).getCurrentValueAsText(); }

    /** The screen position of a component's centre, through the container's scale. */
    static juce::Point<int> centreOf (juce::Component& c)
    {
        return c.localPointToGlobal (c.getLocalBounds().getCentre());
    }

    /** Alt and the mouse button down on `target`, then Alt let go before the mouse button, as a
        user lifting the fingers does. Either of two causes alone marks the framework's button
        down meanwhile: the focus a first click takes, or, on a button that has the focus
        already, the pointer moving while held. */
    void altPressReleasingAltFirst (juce::Component& target, bool moveWhileHeld)
    {
        if (moveWhileHeld)
            target.grabKeyboardFocus();
        else
            juce::Component::unfocusAllComponents();

        ASSERT_EQ (target.hasKeyboardFocus (false), moveWhileHeld);

        const auto at = centreOf (target);
        x11::movePointer (x, at.x, at.y);
        x11::pressModifiers (x, x11::alt);
        x11::pressButton (x);
        waitFor (events.downs + 1, events.downs);

        if (moveWhileHeld)
        {
            x11::movePointer (x, at.x + 2, at.y + 1);
            waitFor (events.drags + 1, events.drags);
        }

        x11::releaseModifiers (x, x11::alt);
        x11::releaseButton (x);
        waitFor (events.ups + 1, events.ups);
    }

    void plainClick (juce::Component& target)
    {
        const auto at = centreOf (target);
        const auto ups = events.ups;
        x11::click (x, at.x, at.y);
        waitFor (ups + 1, events.ups);
    }

    void waitFor (int count, const int& counter)
    {
        ASSERT_TRUE (dispatchUntil ([&] { return counter >= count; })) << "JUCE never saw the event";
    }

    x11::Connection x;
    std::unique_ptr<OpenEditor> open;
    x11::WindowId window = 0;
    DeliveredEvents events;
};

/** A button in a state away from its default, and the parameters that show where it ends. */
struct AltCase
{
    const char* name;
    std::function<juce::Button& (MainContainerComponent&)> button;
    std::vector<std::pair<const char*, float>> before;   // plain parameter values
    std::vector<std::pair<const char*, juce::String>> after;   // parameter texts
};

const std::vector<AltCase>& altCases()
{
    using namespace ParameterIDs;
    static const std::vector<AltCase> cases {
        { "Stereo Pan", [] (MainContainerComponent& c) -> juce::Button& { return c.middle.balanceKnob.stPanButton; },
          { { stereoPan, 1.0f } }, { { stereoPan, "Off" } } },
        { "input MONO", [] (MainContainerComponent& c) -> juce::Button& { return c.left.inputSection.inputMonoButton; },
          { { inputMono, 1.0f } }, { { inputMono, "Off" } } },
        { "output MONO", [] (MainContainerComponent& c) -> juce::Button& { return c.right.outputSection.monoCheckButton; },
          { { monoCheck, 1.0f } }, { { monoCheck, "Off" } } },
        { "L phase", [] (MainContainerComponent& c) -> juce::Button& { return c.left.inputSection.lPhaseButton; },
          { { phaseFlipLeft, 1.0f } }, { { phaseFlipLeft, "Off" } } },
        { "R phase", [] (MainContainerComponent& c) -> juce::Button& { return c.left.inputSection.rPhaseButton; },
          { { phaseFlipRight, 1.0f } }, { { phaseFlipRight, "Off" } } },
        { "STEREO SWAP", [] (MainContainerComponent& c) -> juce::Button& { return c.left.inputSection.stereoSwapButton; },
          { { stereoSwap, 1.0f } }, { { stereoSwap, "Off" } } },
        { "L with R off", [] (MainContainerComponent& c) -> juce::Button& { return c.left.inputSection.lButton; },
          { { rightEnabled, 0.0f } }, { { leftEnabled, "On" }, { rightEnabled, "On" } } },
        { "R with M solo", [] (MainContainerComponent& c) -> juce::Button& { return c.left.inputSection.rButton; },
          { { inputMidSide, 1.0f } }, { { inputMidSide, "M and S" }, { rightEnabled, "On" } } },
        { "M with M solo", [] (MainContainerComponent& c) -> juce::Button& { return c.left.inputSection.msBox.mButton; },
          { { inputMidSide, 1.0f }, { leftEnabled, 0.0f } }, { { inputMidSide, "M and S" }, { leftEnabled, "On" } } },
        { "S with S solo", [] (MainContainerComponent& c) -> juce::Button& { return c.left.inputSection.msBox.sButton; },
          { { inputMidSide, 2.0f } }, { { inputMidSide, "M and S" } } },
    };
    return cases;
}
} // namespace

//==============================================================================
// An Alt press returns a button to its default (M, S, L and R: all four). Before the mend the
// release completed a click after all when Alt was let go first: the focus a first click takes,
// or a move while held, had put the framework's button into its pressed state.

class AltPressThroughTheWindow : public EditorOnScreen,
                                 public ::testing::WithParamInterface<bool> {};

TEST_P (AltPressThroughTheWindow, ResetsEveryKitButtonAndItsReleaseClicksNothing)
{
    const auto moveWhileHeld = GetParam();

    for (const auto& c : altCases())
    {
        SCOPED_TRACE (c.name);

        for (const auto& [id, value] : c.before)
            open->set (id, value);

        auto& button = c.button (container());
        altPressReleasingAltFirst (button, moveWhileHeld);

        EXPECT_TRUE (button.hasKeyboardFocus (false)) << "a first click takes the focus";
        EXPECT_FALSE (button.isDown()) << "the used-up press leaves the button unpressed";

        for (const auto& [id, expected] : c.after)
            EXPECT_EQ (text (id), expected) << id;
    }
}

TEST_P (AltPressThroughTheWindow, OnTheInfoToggleHidesTheOverlayForGood)
{
    auto& info = container().infoButton;
    plainClick (info);
    ASSERT_TRUE (dispatchUntil ([&] { return container().info.isVisible(); }));

    altPressReleasingAltFirst (info, GetParam());
    runMessageLoopFor (250);   // past two ticks of the overlay's timer

    EXPECT_FALSE (container().info.isVisible());
    EXPECT_FALSE (info.getToggleState());
}

INSTANTIATE_TEST_SUITE_P (FocusAndMovement, AltPressThroughTheWindow, ::testing::Bool(),
                          [] (const auto& param) { return param.param ? "FocusedAndMovedWhileHeld" : "FirstClickTakesFocus"; });

//==============================================================================
TEST_F (EditorOnScreen, PlainClicksStillToggle)
{
    auto& stereoPan = container().middle.balanceKnob.stPanButton;
    plainClick (stereoPan);
    EXPECT_TRUE (isOn (ParameterIDs::stereoPan));
    plainClick (stereoPan);
    EXPECT_FALSE (isOn (ParameterIDs::stereoPan));

    auto& l = inputSection().lButton;
    plainClick (l);
    EXPECT_FALSE (isOn (ParameterIDs::leftEnabled));
}

// The M/S box shows "Input M/S" as it stands when the box updates. Before the mend it showed the
// value its listener was handed: when another thread set the choice after the message thread
// had set the parameter but before the box heard of it, the buttons kept the older choice.
TEST_F (EditorOnScreen, TheMsBoxShowsTheChoiceAsItStands)
{
    auto& box = inputSection().msBox;
    auto& midSide = parameter (ParameterIDs::inputMidSide);

    plainClick (box.mButton);
    EXPECT_EQ (text (ParameterIDs::inputMidSide), "M Solo");
    EXPECT_TRUE (box.mButton.getToggleState());

    plainClick (box.sButton);
    EXPECT_EQ (text (ParameterIDs::inputMidSide), "S Solo");
    EXPECT_FALSE (box.mButton.getToggleState());
    EXPECT_TRUE (box.sButton.getToggleState());

    // The message thread sets "M Solo"; a host thread sets "M and S" and tells the listeners;
    // only then does the message thread tell them of its own change.
    const auto mSolo = midSide.getValueForText ("M Solo");
    midSide.setValue (mSolo);
    std::thread host ([&] { midSide.setValueNotifyingHost (midSide.getValueForText ("M and S")); });
    host.join();
    midSide.sendValueChangedMessageToListeners (mSolo);
    runMessageLoopFor (100);

    ASSERT_EQ (text (ParameterIDs::inputMidSide), "M and S");
    EXPECT_FALSE (box.mButton.getToggleState()) << "the buttons show the parameter";
    EXPECT_FALSE (box.sButton.getToggleState());
}
} // namespace quindle::test::editor
