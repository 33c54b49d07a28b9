// The input section against a real processor: its layout, the M/S box's clicks and its
// following of "Input M/S" from the message thread and from other threads, the Alt reset of
// M, S, L and R, and the diagram's "MUTED" and dimmed channel paths.

#include "editor/InputSection.h"
#include "processor/ParameterIDs.h"
#include "tests/common/ControlTestSupport.h"
#include "tests/common/MessageDispatch.h"
#include "tests/kit/KitTestSupport.h"
#include "tests/processor/ProcessorTestSupport.h"

#include <functional>
#include <map>
#include <memory>
#include <thread>
#include <vector>

namespace quindle::test::editor
{
namespace
{
// The section as the left panel holds it at the design size.
constexpr int designWidth = 170, designHeight = 209;

struct Section
{
    Section()
    {
        section.setBounds (10, 10, designWidth, designHeight);
        section.setVisible (true);   // hidden buttons never enter their pressed state
    }

    std::unique_ptr<QuindleAudioProcessor> processor = processor::makeProcessor();
    NorvaneLookAndFeel lookAndFeel;
    kit::ScopedDefaultLookAndFeel installed { lookAndFeel };
    InputSection section { *processor };

    MSLRButton& m() { return section.msBox.mButton; }
    MSLRButton& s() { return section.msBox.sButton; }

    juce::RangedAudioParameter& parameter (const char* parameterID) { return *processor->apvts.getParameter (parameterID); }
    juce::RangedAudioParameter& midSide() { return parameter (ParameterIDs::inputMidSide); }

    juce::String choice() { return midSide().getCurrentValueAsText(); }

    void setChoice (const char* text) { midSide().setValueNotifyingHost (midSide().getValueForText (text)); }
    void setSwitch (const char* parameterID, bool on) { parameter (parameterID).setValueNotifyingHost (on ? 1.0f : 0.0f); }
    bool isOn (const char* parameterID) { return parameter (parameterID).getValue() >= 0.5f; }

    void click (juce::Button& button, juce::ModifierKeys keys = {})
    {
        SyntheticMouse (button).click (button.getLocalBounds().getCentre().toFloat(), keys);
    }
};

void setFromAnotherThread (juce::RangedAudioParameter& parameter, const char* text)
{
    std::thread host ([&] { parameter.setValueNotifyingHost (parameter.getValueForText (text)); });
    host.join();
}
} // namespace

//==============================================================================
TEST (InputSection, LaysOutItsControls)
{
    Section f;
    auto& section = f.section;

    struct Case { const char* name; juce::Component& control; juce::Rectangle<int> atDesignSize, atTwentyByTen; };
    const Case cases[] = {
        { "M/S box",       section.msBox,            { 70, 10, 29, 50 },    { -4, 10, 29, 50 } },
        { "M (in box)",    f.m(),                    { 1, 1, 27, 23 },      { 1, 1, 27, 23 } },
        { "S (in box)",    f.s(),                    { 1, 26, 27, 23 },     { 1, 26, 27, 23 } },
        { "L",             section.lButton,          { 8, 107, 25, 25 },    { 8, 8, 25, 25 } },
        { "R",             section.rButton,          { 138, 107, 25, 25 },  { -12, 8, 25, 25 } },
        { "L phase",       section.lPhaseButton,     { 13, 132, 15, 15 },   { 13, 33, 15, 15 } },
        { "R phase",       section.rPhaseButton,     { 143, 132, 15, 15 },  { -7, 33, 15, 15 } },
        { "stereo swap",   section.stereoSwapButton, { 38, 169, 95, 12 },   { 10, 0, 0, 10 } },
        { "input mono",    section.inputMonoButton,  { 50, 193, 71, 16 },   { 10, 0, 0, 10 } },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (c.control.getBounds(), c.atDesignSize);
    }

    // Too small for the diagram: halves truncate toward zero and the swap's width bottoms out at 0.
    section.setSize (20, 10);

    for (const auto& c : cases)
    {
        SCOPED_TRACE (juce::String (c.name) + " at 20 x 10");
        EXPECT_EQ (c.control.getBounds(), c.atTwentyByTen);
    }
}

TEST (InputSection, EachControlShowsItsOwnParameter)
{
    Section f;
    auto& section = f.section;

    struct Case { const char* name; juce::Button& button; const char* componentName; juce::String text;
                  const char* parameterID; bool defaultOn; };
    const Case cases[] = {
        { "L",           section.lButton,          "lButton",          "L",           ParameterIDs::leftEnabled,    true },
        { "R",           section.rButton,          "rButton",          "R",           ParameterIDs::rightEnabled,   true },
        { "L phase",     section.lPhaseButton,     "lPhaseButton",     juce::CharPointer_UTF8 ("\xc3\xb8"), ParameterIDs::phaseFlipLeft,  false },
        { "R phase",     section.rPhaseButton,     "rPhaseButton",     juce::CharPointer_UTF8 ("\xc3\xb8"), ParameterIDs::phaseFlipRight, false },
        { "stereo swap", section.stereoSwapButton, "stereoSwapButton", "STEREO SWAP", ParameterIDs::stereoSwap,     false },
        { "input mono",  section.inputMonoButton,  "",                 "",            ParameterIDs::inputMono,      false },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (c.button.getName(), c.componentName);
        EXPECT_EQ (c.button.getButtonText(), c.text);

        // Flip one parameter: its button, and only its button, follows.
        f.setSwitch (c.parameterID, ! c.defaultOn);

        for (const auto& other : cases)
            EXPECT_EQ (other.button.getToggleState(), &other == &c ? ! c.defaultOn : other.defaultOn) << other.name;

        f.setSwitch (c.parameterID, c.defaultOn);
    }

    EXPECT_EQ (f.m().getName(), "mButton");
    EXPECT_EQ (f.m().getButtonText(), "M");
    EXPECT_EQ (f.s().getName(), "sButton");
    EXPECT_EQ (f.s().getButtonText(), "S");
}

TEST (InputSection, ShowsTheStateItIsBuiltOn)
{
    auto processor = processor::makeProcessor();
    processor::setParameter (*processor, ParameterIDs::inputMidSide, 2.0f);   // "S Solo"
    processor::setParameter (*processor, ParameterIDs::rightEnabled, 0.0f);
    GestureCounter gestures (*processor->apvts.getParameter (ParameterIDs::inputMidSide));

    InputSection section (*processor);

    EXPECT_FALSE (section.msBox.mButton.getToggleState());
    EXPECT_TRUE (section.msBox.sButton.getToggleState());
    EXPECT_FALSE (section.rButton.getToggleState());
    EXPECT_EQ (gestures.begins, 0) << "showing the choice writes nothing back";
    EXPECT_EQ (processor->apvts.getParameter (ParameterIDs::inputMidSide)->getCurrentValueAsText(), "S Solo");
}

//==============================================================================
namespace
{
// What happens to the M/S box: a click on one of its buttons, or a change of "Input M/S" that
// the host makes on the message thread or on a thread of its own.
struct BoxAction
{
    enum Kind { click, hostSets, otherThreadSets } kind;
    bool onM = true;
    int keys = noKeys;
    const char* text = nullptr;
};

BoxAction clickM (int keys = noKeys) { return { BoxAction::click, true, keys }; }
BoxAction clickS (int keys = noKeys) { return { BoxAction::click, false, keys }; }
BoxAction hostSets (const char* text) { return { BoxAction::hostSets, true, noKeys, text }; }
BoxAction otherThreadSets (const char* text) { return { BoxAction::otherThreadSets, true, noKeys, text }; }
} // namespace

TEST (MsBox, ClicksWriteTheChoiceAndTheButtonsFollowIt)
{
    struct Case { const char* name; const char* start; BoxAction action; const char* choice; bool m, s; int gestures; };
    const Case cases[] = {
        { "M from both off solos M",             "M and S", clickM(),              "M Solo",  true,  false, 1 },
        { "S from both off solos S",             "M and S", clickS(),              "S Solo",  false, true,  1 },
        { "S while M is on switches to S",       "M Solo",  clickS(),              "S Solo",  false, true,  1 },
        { "M while S is on switches to M",       "S Solo",  clickM(),              "M Solo",  true,  false, 1 },
        { "M while M is on passes both",         "M Solo",  clickM(),              "M and S", false, false, 1 },
        { "S while S is on passes both",         "S Solo",  clickS(),              "M and S", false, false, 1 },
        { "Shift clicks like a plain click",     "S Solo",  clickM (shift),        "M Solo",  true,  false, 1 },
        { "Ctrl never toggles",                  "M Solo",  clickS (ctrl),         "M Solo",  true,  false, 0 },
        { "Ctrl never toggles M off",            "M Solo",  clickM (ctrl),         "M Solo",  true,  false, 0 },
        { "Alt resets to both",                  "S Solo",  clickS (alt),          "M and S", false, false, 1 },
        { "Alt on the other button resets too",  "M Solo",  clickS (alt),          "M and S", false, false, 1 },
        { "Alt at the default does nothing",     "M and S", clickM (alt),          "M and S", false, false, 0 },
        { "Alt with Shift is no reset, no click", "S Solo", clickM (alt | shift),  "S Solo",  false, true,  0 },
        { "the host solos S",                    "M Solo",  hostSets ("S Solo"),   "S Solo",  false, true,  0 },
        { "the host passes both",                "S Solo",  hostSets ("M and S"),  "M and S", false, false, 0 },
        { "another thread solos S",              "M and S", otherThreadSets ("S Solo"), "S Solo", false, true, 0 },
        { "another thread switches to M",        "S Solo",  otherThreadSets ("M Solo"), "M Solo", true, false, 0 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        Section f;
        f.setChoice (c.start);
        const auto startM = f.m().getToggleState(), startS = f.s().getToggleState();
        GestureCounter gestures (f.midSide());

        switch (c.action.kind)
        {
            case BoxAction::click:
                f.click (c.action.onM ? f.m() : f.s(), juce::ModifierKeys (c.action.keys));
                break;

            case BoxAction::hostSets:
                f.setChoice (c.action.text);
                break;

            case BoxAction::otherThreadSets:
                setFromAnotherThread (f.midSide(), c.action.text);

                // The buttons belong to the message thread: nothing moves until it runs.
                EXPECT_EQ (f.m().getToggleState(), startM);
                EXPECT_EQ (f.s().getToggleState(), startS);
                EXPECT_TRUE (dispatchUntil ([&] { return f.m().getToggleState() == c.m && f.s().getToggleState() == c.s; }));
                break;
        }

        EXPECT_EQ (f.choice(), c.choice);
        EXPECT_EQ (f.m().getToggleState(), c.m);
        EXPECT_EQ (f.s().getToggleState(), c.s);
        EXPECT_EQ (gestures.begins, c.gestures) << "following the parameter never writes it back";
        EXPECT_TRUE (gestures.allClosed());
    }
}

TEST (MsBox, ShowsTheLatestOfSeveralChangesFromAnotherThread)
{
    Section f;
    GestureCounter gestures (f.midSide());

    std::thread host ([&] {
        for (const auto* text : { "M Solo", "S Solo", "M and S", "M Solo" })
            f.midSide().setValueNotifyingHost (f.midSide().getValueForText (text));
    });
    host.join();

    EXPECT_TRUE (dispatchUntil ([&] { return f.m().getToggleState(); }));
    EXPECT_FALSE (f.s().getToggleState());
    EXPECT_EQ (f.choice(), "M Solo");
    EXPECT_EQ (gestures.begins, 0);
}

TEST (MsBox, ShowsTheChoiceAsItStandsWhenAnotherThreadSetItMeanwhile)
{
    // The message thread sets "M Solo"; before it tells the listeners, a host thread sets
    // "M and S" and tells them. The box hears of "M Solo" last, and must not show it.
    Section f;
    f.setChoice ("S Solo");
    auto& midSide = f.midSide();
    const auto mSolo = midSide.getValueForText ("M Solo");

    midSide.setValue (mSolo);
    setFromAnotherThread (midSide, "M and S");
    midSide.sendValueChangedMessageToListeners (mSolo);
    runMessageLoopFor (20);

    ASSERT_EQ (f.choice(), "M and S");
    EXPECT_FALSE (f.m().getToggleState());
    EXPECT_FALSE (f.s().getToggleState());
}

TEST (MsBox, GoesWithoutTraceWhileAnotherThreadKeepsChangingTheChoice)
{
    // Editors open and close while the host automates "Input M/S": an update handed over to a
    // box that is gone must never run. The sanitizer build sees what a plain run would not.
    auto processor = processor::makeProcessor();
    auto& midSide = *processor->apvts.getParameter (ParameterIDs::inputMidSide);
    std::atomic<bool> stop { false };

    std::thread host ([&] {
        for (int i = 0; ! stop.load(); ++i)
            midSide.setValueNotifyingHost (midSide.convertTo0to1 ((float) (i % 3)));
    });

    for (int round = 0; round < 50; ++round)
    {
        auto section = std::make_unique<InputSection> (*processor);
        dispatchPendingMessages();
        section.reset();
        dispatchPendingMessages();
    }

    stop = true;
    host.join();

    // A pending update for a destroyed box would run here.
    setFromAnotherThread (midSide, "S Solo");
    juce::Thread::sleep (5);
    dispatchPendingMessages();
    SUCCEED();
}

//==============================================================================
TEST (MSLRButton, AltOnAnyOfMSLRResetsAllFourAndNothingElse)
{
    // Every switch away from its default: S soloed, both channels off, flips, swap and mono on.
    const std::map<const char*, bool> defaults {
        { ParameterIDs::leftEnabled, true }, { ParameterIDs::rightEnabled, true },
        { ParameterIDs::phaseFlipLeft, false }, { ParameterIDs::phaseFlipRight, false },
        { ParameterIDs::stereoSwap, false }, { ParameterIDs::inputMono, false },
    };

    struct Case { const char* name; std::function<juce::Button& (Section&)> target; const char* startChoice;
                  bool resetsMSLR; const char* alsoReset; };
    const Case cases[] = {
        { "Alt on M",  [] (Section& f) -> juce::Button& { return f.m(); },               "S Solo", true, nullptr },
        { "Alt on S",  [] (Section& f) -> juce::Button& { return f.s(); },               "M Solo", true, nullptr },
        { "Alt on L",  [] (Section& f) -> juce::Button& { return f.section.lButton; },   "S Solo", true, nullptr },
        { "Alt on R",  [] (Section& f) -> juce::Button& { return f.section.rButton; },   "M Solo", true, nullptr },
        { "Alt on a phase button resets only that button",
                       [] (Section& f) -> juce::Button& { return f.section.lPhaseButton; }, "S Solo", false,
                       ParameterIDs::phaseFlipLeft },
        { "Alt on the swap resets only the swap",
                       [] (Section& f) -> juce::Button& { return f.section.stereoSwapButton; }, "S Solo", false,
                       ParameterIDs::stereoSwap },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        Section f;
        f.setChoice (c.startChoice);

        for (const auto& [id, on] : defaults)
            f.setSwitch (id, ! on);

        std::map<const char*, std::unique_ptr<GestureCounter>> gestures;
        gestures[ParameterIDs::inputMidSide] = std::make_unique<GestureCounter> (f.midSide());

        for (const auto& entry : defaults)
            gestures[entry.first] = std::make_unique<GestureCounter> (f.parameter (entry.first));

        f.click (c.target (f), alt);

        EXPECT_EQ (f.choice(), c.resetsMSLR ? "M and S" : c.startChoice);
        EXPECT_EQ (gestures[ParameterIDs::inputMidSide]->begins, c.resetsMSLR ? 1 : 0);

        for (const auto& [id, on] : defaults)
        {
            SCOPED_TRACE (id);
            const auto isMSLR = juce::String (id) == ParameterIDs::leftEnabled || juce::String (id) == ParameterIDs::rightEnabled;
            const auto reset = (isMSLR && c.resetsMSLR) || (c.alsoReset != nullptr && juce::String (id) == c.alsoReset);
            EXPECT_EQ (f.isOn (id), reset ? on : ! on);
            EXPECT_EQ (gestures[id]->begins, reset ? 1 : 0) << "each change is one gesture";
            EXPECT_TRUE (gestures[id]->allClosed());
        }

        const auto m = f.m().getToggleState(), s = f.s().getToggleState();
        EXPECT_EQ (m, ! c.resetsMSLR && juce::String (c.startChoice) == "M Solo");
        EXPECT_EQ (s, ! c.resetsMSLR && juce::String (c.startChoice) == "S Solo");
        EXPECT_EQ (f.section.lButton.getToggleState(), c.resetsMSLR);
        EXPECT_EQ (f.section.rButton.getToggleState(), c.resetsMSLR);
    }
}

TEST (MSLRButton, AltAtTheDefaultsChangesNothing)
{
    Section f;
    std::vector<std::unique_ptr<GestureCounter>> gestures;

    for (const auto* id : ParameterIDs::inIndexOrder)
        gestures.push_back (std::make_unique<GestureCounter> (f.parameter (id)));

    for (auto* button : { &f.m(), &f.s(), &f.section.lButton, &f.section.rButton })
        f.click (*button, alt);

    EXPECT_EQ (f.choice(), "M and S");
    EXPECT_TRUE (f.isOn (ParameterIDs::leftEnabled));
    EXPECT_TRUE (f.isOn (ParameterIDs::rightEnabled));

    for (const auto& counter : gestures)
        EXPECT_EQ (counter->begins, 0);
}

TEST (MSLRButton, ThePressGoesByTheEventsKeysTheReleaseByTheEventsAndTheGlobalOnes)
{
    // A key pressed or let go between a mouse event and its delivery makes the event's keys and
    // the global state differ. L starts off, with S soloed.
    struct Case { const char* name; int pressEvent, pressGlobal, releaseEvent, releaseGlobal; bool lOn; const char* choice; };
    const Case cases[] = {
        { "Alt in the press event alone resets all four",      alt,    noKeys, noKeys, noKeys, true,  "M and S" },
        { "Alt in the global state alone makes a plain press", noKeys, alt,    noKeys, noKeys, true,  "S Solo" },
        { "Alt in the release event alone: no click",          noKeys, noKeys, alt,    noKeys, false, "S Solo" },
        { "Ctrl in the release event alone: no click",         noKeys, noKeys, ctrl,   noKeys, false, "S Solo" },
        { "Ctrl in the global state alone at the release: no click", noKeys, noKeys, noKeys, ctrl, false, "S Solo" },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        Section f;
        f.setChoice ("S Solo");
        f.setSwitch (ParameterIDs::leftEnabled, false);

        auto& l = f.section.lButton;
        SyntheticMouse mouse (l);
        mouse.globalKeysForNextEvent (juce::ModifierKeys (c.pressGlobal)).press ({ 12.0f, 12.0f }, juce::ModifierKeys (c.pressEvent));
        mouse.globalKeysForNextEvent (juce::ModifierKeys (c.releaseGlobal)).release (juce::ModifierKeys (c.releaseEvent));

        EXPECT_EQ (f.isOn (ParameterIDs::leftEnabled), c.lOn);
        EXPECT_EQ (l.getToggleState(), c.lOn);
        EXPECT_EQ (f.choice(), c.choice);
    }
}

TEST (MSLRButton, AReleaseNeverCompletesAPressAnAltResetUsedUp)
{
    // In a window the framework marks a held button down on its own: when a first click gives it
    // the keyboard focus, and whenever the mouse moves. Alt is let go before the mouse button.
    Section f;

    for (auto* button : { &f.m(), &f.s(), &f.section.lButton, &f.section.rButton })
    {
        SCOPED_TRACE (button->getName());
        f.setChoice (button == &f.s() ? "M Solo" : "S Solo");
        f.setSwitch (ParameterIDs::rightEnabled, false);

        SyntheticMouse mouse (*button);
        mouse.press ({ 5.0f, 5.0f }, alt);
        button->setState (juce::Button::buttonDown);
        mouse.release();

        EXPECT_EQ (f.choice(), "M and S");
        EXPECT_TRUE (f.isOn (ParameterIDs::leftEnabled));
        EXPECT_TRUE (f.isOn (ParameterIDs::rightEnabled));
        EXPECT_FALSE (button->isDown());
    }
}

TEST (MSLRButton, ResetsThroughEveryListenerTheNewestFirstAndForgetsARemovedOne)
{
    struct Recorder : MSLRButton::Listener
    {
        Recorder (std::vector<Recorder*>& l) : log (l) {}
        void buttonClicked (juce::Button*) override { ++clicks; }
        void onReset (MSLRButton*) override { log.push_back (this); }
        std::vector<Recorder*>& log;
        int clicks = 0;
    };

    std::vector<Recorder*> log;
    Recorder first (log), second (log);
    MSLRButton button ("lButton", "L", 0, true);
    button.setBounds (0, 0, 25, 25);
    button.setVisible (true);
    button.addListener (&first);
    button.addListener (&second);
    button.addListener (&first);   // already there: still told once

    button.setToggleState (false, juce::dontSendNotification);   // off, away from its default
    SyntheticMouse (button).click ({ 12.0f, 12.0f }, alt);
    EXPECT_EQ (log, (std::vector<Recorder*> { &second, &first }));
    EXPECT_FALSE (button.getToggleState()) << "the reset is the listeners' to make";
    EXPECT_EQ (first.clicks, 0);

    // Both lists let go: no reset, no click.
    button.removeListener (&second);
    log.clear();
    SyntheticMouse (button).click ({ 12.0f, 12.0f }, alt);
    SyntheticMouse (button).click ({ 12.0f, 12.0f });
    EXPECT_EQ (log, (std::vector<Recorder*> { &first }));
    EXPECT_EQ (first.clicks, 1);
    EXPECT_EQ (second.clicks, 0);
    button.removeListener (&first);
}

//==============================================================================
namespace
{
constexpr float probeScale = 4.0f;

juce::Colour pixelAtSectionPoint (const juce::Image& image, float x, float y)
{
    return image.getPixelAt ((int) (x * probeScale), (int) (y * probeScale));
}

bool showsMuted (const juce::Image& image, juce::Rectangle<int> row)
{
    const auto muted = styleColour (8);
    const auto scaled = (row.toFloat() * probeScale).toNearestInt();

    for (int y = scaled.getY(); y < scaled.getBottom(); ++y)
        for (int x = scaled.getX(); x < scaled.getRight(); ++x)
            if (kit::coloursMatch (image.getPixelAt (x, y), muted, 16))
                return true;

    return false;
}
} // namespace

TEST (InputSection, PaintsMutedOnlyWhenBothChannelsAreOffAndDimsAChannelThatIsOff)
{
    struct Case { const char* name; bool l, r, muted; };
    const Case cases[] = {
        { "both on",   true,  true,  false },
        { "L off",     false, true,  false },
        { "R off",     true,  false, false },
        { "both off",  false, false, true },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        Section f;
        f.setSwitch (ParameterIDs::leftEnabled, c.l);
        f.setSwitch (ParameterIDs::rightEnabled, c.r);
        auto& section = f.section;
        const auto image = section.createComponentSnapshot (section.getLocalBounds(), true, probeScale);

        // Between the L and R buttons, where the word is centred.
        EXPECT_EQ (showsMuted (image, { section.lButton.getRight(), section.lButton.getY(),
                                        section.rButton.getX() - section.lButton.getRight(), section.lButton.getHeight() }),
                   c.muted);

        // The branch from each phase button into the swap, at full strength before its fade.
        const auto background = styleColour (5);
        const auto live = background.overlaidWith (styleColour (1).withAlpha ((juce::uint8) 0x99));
        const auto dim = background.overlaidWith (styleColour (3).withAlpha ((juce::uint8) 0xcc));
        const auto swapY = (float) (section.stereoSwapButton.getY() + section.stereoSwapButton.getHeight() / 2);
        const auto lX = (float) (section.lPhaseButton.getX() + section.lPhaseButton.getWidth() / 2) + 3.0f;
        const auto rX = (float) (section.rPhaseButton.getX() + section.rPhaseButton.getWidth() / 2) - 3.0f;

        EXPECT_TRUE (kit::coloursMatch (pixelAtSectionPoint (image, lX, swapY), c.l ? live : dim, 3)) << "left path";
        EXPECT_TRUE (kit::coloursMatch (pixelAtSectionPoint (image, rX, swapY), c.r ? live : dim, 3)) << "right path";
    }
}

TEST (InputSection, RepaintsWhenAChannelIsSwitched)
{
    Section f;
    auto* probe = new RepaintProbe;
    f.section.setCachedComponentImage (probe);
    probe->wholeRepaints = 0;

    f.setSwitch (ParameterIDs::rightEnabled, false);
    EXPECT_GE (probe->wholeRepaints, 1) << "the diagram dims the path of a channel that is off";

    probe->wholeRepaints = 0;
    f.click (f.section.lButton);
    EXPECT_GE (probe->wholeRepaints, 1);

    f.section.setCachedComponentImage (nullptr);
}

TEST (InputSection, ReviewImage)
{
    Section f;
    f.setChoice ("S Solo");
    f.setSwitch (ParameterIDs::leftEnabled, false);
    f.setSwitch (ParameterIDs::rightEnabled, false);
    f.setSwitch (ParameterIDs::phaseFlipLeft, true);
    f.setSwitch (ParameterIDs::stereoSwap, true);
    f.setSwitch (ParameterIDs::inputMono, true);

    EXPECT_TRUE (kit::writeReviewImage (f.section.createComponentSnapshot (f.section.getLocalBounds(), true, 3.0f),
                                        "input-section.png"));
}
} // namespace quindle::test::editor
