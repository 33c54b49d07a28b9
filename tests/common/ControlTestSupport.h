#pragma once

// Helpers for driving the kit's controls against a real processor: a synthetic mouse that sends
// press, drag and release events straight to a component (headless, no window), and a listener
// that counts the gestures a parameter reports to the host.

#include "processor/PluginProcessor.h"

#include <juce_gui_basics/juce_gui_basics.h>
#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace quindle::test
{
/** Counts the change gestures of one parameter and notices an end without a begin. */
class GestureCounter : private juce::AudioProcessorParameter::Listener
{
public:
    explicit GestureCounter (juce::AudioProcessorParameter& p) : parameter (p) { parameter.addListener (this); }
    ~GestureCounter() override { parameter.removeListener (this); }

    int begins = 0, ends = 0;
    bool endedUnopened = false;

    int open() const noexcept { return begins - ends; }

    /** Gestures as the host saw them: each one begun, ended, and never ended before it began. */
    ::testing::AssertionResult allClosed() const
    {
        if (open() == 0 && ! endedUnopened)
            return ::testing::AssertionSuccess();

        return ::testing::AssertionFailure() << begins << " begins, " << ends << " ends"
                                             << (endedUnopened ? ", an end without a begin" : "");
    }

private:
    void parameterValueChanged (int, float) override {}

    void parameterGestureChanged (int, bool starting) override
    {
        if (starting)
            ++begins;
        else if (++ends > begins)
            endedUnopened = true;
    }

    juce::AudioProcessorParameter& parameter;

    JUCE_DECLARE_NON_COPYABLE (GestureCounter)
};

/** Sends mouse events from the desktop's main mouse source straight to one component, with the
    global modifier state set as the window system would: the pressed button is held during the
    press and the drags, and already released when the release is delivered.

    The global keys are those of the event unless globalKeysForNextEvent says otherwise: a key
    pressed or let go between an event and its delivery makes the two differ, and the controls
    read one or the other on purpose. */
class SyntheticMouse
{
public:
    explicit SyntheticMouse (juce::Component& targetComponent) : target (targetComponent) {}

    ~SyntheticMouse() { juce::ModifierKeys::currentModifiers = juce::ModifierKeys(); }

    /** The keys held in the global modifier state while the next event is delivered. */
    SyntheticMouse& globalKeysForNextEvent (juce::ModifierKeys keys)
    {
        nextGlobalKeys = keys;
        return *this;
    }

    void press (juce::Point<float> at, juce::ModifierKeys keys = {}, int clicks = 1)
    {
        downPosition = last = at;
        downTime = juce::Time::getCurrentTime();
        dragged = false;
        juce::ModifierKeys::currentModifiers = held (globalKeys (keys));
        target.mouseDown (event (at, held (keys), clicks));
    }

    /** Moves by (dx, dy) from the last position with these keys held. */
    void dragBy (float dx, float dy, juce::ModifierKeys keys = {})
    {
        last += juce::Point<float> (dx, dy);
        dragged = true;
        juce::ModifierKeys::currentModifiers = held (globalKeys (keys));
        target.mouseDrag (event (last, held (keys), 1));
    }

    void release (juce::ModifierKeys keys = {})
    {
        juce::ModifierKeys::currentModifiers = globalKeys (keys).withoutMouseButtons();
        target.mouseUp (event (last, held (keys), 1));
        juce::ModifierKeys::currentModifiers = juce::ModifierKeys();
    }

    void click (juce::Point<float> at, juce::ModifierKeys keys = {})
    {
        press (at, keys);
        release (keys);
    }

    /** Two clicks, the second one reported as a double-click in between its press and release. */
    void doubleClick (juce::Point<float> at)
    {
        click (at);
        press (at, {}, 2);
        target.mouseDoubleClick (event (at, held ({}), 2));
        release();
    }

private:
    juce::ModifierKeys globalKeys (juce::ModifierKeys eventKeys)
    {
        return std::exchange (nextGlobalKeys, std::nullopt).value_or (eventKeys);
    }

    static juce::ModifierKeys held (juce::ModifierKeys keys)
    {
        return keys.withoutMouseButtons().withFlags (juce::ModifierKeys::leftButtonModifier);
    }

    juce::MouseEvent event (juce::Point<float> at, juce::ModifierKeys mods, int clicks) const
    {
        return { juce::Desktop::getInstance().getMainMouseSource(), at, mods,
                 juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                 juce::MouseInputSource::defaultRotation, juce::MouseInputSource::defaultTiltX,
                 juce::MouseInputSource::defaultTiltY, &target, &target, juce::Time::getCurrentTime(),
                 downPosition, downTime, clicks, dragged };
    }

    juce::Component& target;
    juce::Point<float> downPosition, last;
    juce::Time downTime;
    bool dragged = false;
    std::optional<juce::ModifierKeys> nextGlobalKeys;
};

inline constexpr auto noKeys = juce::ModifierKeys::noModifiers;
inline constexpr auto shift  = juce::ModifierKeys::shiftModifier;
inline constexpr auto ctrl   = juce::ModifierKeys::ctrlModifier;
inline constexpr auto alt    = juce::ModifierKeys::altModifier;

/** The value box of a slider: its one label child. */
inline juce::Label* valueBoxOf (juce::Slider& slider)
{
    for (auto* child : slider.getChildren())
        if (auto* label = dynamic_cast<juce::Label*> (child))
            return label;

    return nullptr;
}

/** Records the whole-component repaints asked of the component it is installed on, without a
    window: the framework hands them to a component's cached image before anything else. */
class RepaintProbe : public juce::CachedComponentImage
{
public:
    int wholeRepaints = 0;

    void paint (juce::Graphics&) override {}
    bool invalidateAll() override { ++wholeRepaints; return false; }
    bool invalidate (const juce::Rectangle<int>&) override { return false; }
    void releaseResources() override {}
};
} // namespace quindle::test
