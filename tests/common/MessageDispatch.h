#pragma once

// The message loop, run by hand on the test's thread (which is JUCE's message thread): posted
// messages, async updates and timers are delivered as an application's loop delivers them.

#include <juce_events/juce_events.h>

#include <functional>

// The framework's own message dispatch, which the plug-in's build (without modal loops) keeps
// out of MessageManager's interface.
namespace juce
{
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
}

namespace quindle::test
{
/** Delivers the messages already posted to the message thread (this one). */
inline void dispatchPendingMessages()
{
    while (juce::dispatchNextMessageOnSystemQueue (true))
    {
    }
}

/** Delivers messages until `done` holds or a generous deadline passes. */
inline bool dispatchUntil (const std::function<bool()>& done)
{
    const auto deadline = juce::Time::getMillisecondCounter() + 5000;

    for (dispatchPendingMessages(); ! done() && juce::Time::getMillisecondCounter() < deadline; dispatchPendingMessages())
        juce::Thread::sleep (1);

    return done();
}

/** Runs the message loop for about this long: timers fire at their own periods. */
inline void runMessageLoopFor (int milliseconds)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) milliseconds;

    for (dispatchPendingMessages(); juce::Time::getMillisecondCounter() < end; dispatchPendingMessages())
        juce::Thread::sleep (2);
}
} // namespace quindle::test
