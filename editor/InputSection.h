#pragma once

#include "kit/CustomComponents.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class InputSection;
class QuindleAudioProcessor;

//==============================================================================
/** The M, S, L and R buttons: flat text toggles whose Alt-click does not return the button
    alone to its default but asks its listeners to reset the whole input section.

    Message thread only. */
class MSLRButton : public InlinedTextButton
{
public:
    /** A button listener that also hears Alt-click resets. */
    class Listener : public juce::Button::Listener
    {
    public:
        /** An Alt-click on `button` asks for M, S, L and R to return to their defaults. */
        virtual void onReset (MSLRButton* button) = 0;
    };

    /** The int argument plays no part in the button. */
    MSLRButton (juce::StringRef name, juce::StringRef text, int, bool defaultState);
    ~MSLRButton() override;

    /** Registers the listener for resets and, as an ordinary button listener, for clicks. */
    void addListener (Listener*);
    /** Safe while the listeners are being called. */
    void removeListener (Listener*);

    using juce::Button::addListener;
    using juce::Button::removeListener;

private:
    /** An exact-Alt press resets through the listeners, the most recently added first, and
        neither toggles nor presses the button. */
    void resetOnAltPress() override;
    /** A release while Ctrl or Alt is held, in the event or in the global modifier state. */
    bool ignoresRelease (const juce::MouseEvent&) const override;

    juce::ListenerList<Listener> resetListeners;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MSLRButton)
};

//==============================================================================
/** The M and S buttons as one control for "Input M/S": M on is "M Solo", S on is "S Solo",
    both off is "M and S". The parameter is the only state; the buttons show it.

    A click writes the parameter as one gesture. Changes of the parameter arrive on whichever
    thread makes them (host automation, a restored state); the buttons follow on the message
    thread, at once when the change was made there and otherwise once the message thread gets
    to it. Following the parameter never writes it back. */
class MsBox : public CustomComponent,
              private MSLRButton::Listener,
              private juce::AudioProcessorParameter::Listener,
              private juce::AsyncUpdater
{
public:
    /** Message thread; `owner` owns the box and handles its buttons' resets. */
    MsBox (QuindleAudioProcessor&, InputSection& owner);
    ~MsBox() override;

    void paint (juce::Graphics&) override;
    void resized() override;

    MSLRButton mButton { "mButton", "M", 0, false };
    MSLRButton sButton { "sButton", "S", 0, false };

private:
    void onReset (MSLRButton*) override;
    void buttonClicked (juce::Button*) override;
    void buttonStateChanged (juce::Button*) override {}

    /** Any thread. */
    void parameterValueChanged (int parameterIndex, float newValue) override;
    void parameterGestureChanged (int, bool) override {}

    /** Message thread: a change made on another thread reaches the buttons here. */
    void handleAsyncUpdate() override;

    /** Sets the buttons to the parameter's present choice. */
    void showChoice();

    juce::RangedAudioParameter& parameter;
    bool updatingFromParameter = false;   // message thread only
    InputSection& inputSection;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MsBox)
};

//==============================================================================
/** The input panel: the M/S box, the L and R buttons, a phase flip under each, the stereo swap
    between them and the input mono button, drawn as a small diagram of the signal's path.
    "MUTED" is written across the L/R row when both channels are off.

    The controls are public so that the panel holding the section can tag them with their
    parameters' host indices. Message thread only. */
class InputSection : public CustomComponent,
                     private MSLRButton::Listener
{
public:
    explicit InputSection (QuindleAudioProcessor&);
    ~InputSection() override;

    void paint (juce::Graphics&) override;
    void resized() override;

    /** Returns M, S, L and R, in this order, to their defaults (M and S off, L and R on), each
        change notifying its parameter as a gesture of its own. Phase, swap and mono stay. */
    void onReset (MSLRButton*) override;

    MsBox msBox;
    MSLRButton lButton { "lButton", "L", 0, true };
    MSLRButton rButton { "rButton", "R", 0, true };
    InlinedTextButton lPhaseButton;
    InlinedTextButton rPhaseButton;
    InlinedTextButton stereoSwapButton;
    MonoButton inputMonoButton;

private:
    void buttonClicked (juce::Button*) override;
    void buttonStateChanged (juce::Button*) override {}

    using ButtonAttachment = juce::AudioProcessorValueTreeState::ButtonAttachment;

    // Declared after the buttons, so they go first.
    std::unique_ptr<ButtonAttachment> lEnabledAttachment, rEnabledAttachment, lPhaseAttachment,
                                      rPhaseAttachment, stereoSwapAttachment, inputMonoAttachment;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (InputSection)
};
