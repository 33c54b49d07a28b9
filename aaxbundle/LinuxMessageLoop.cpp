// JUCE's message loop inside the AAX bundle on Linux.
//
// On macOS the host's main run loop is JUCE's message loop. A Linux AAX host offers none, so the
// bundle runs JUCE's loop itself, the way JUCE's LV2 wrapper does when a host drives its editor:
// on the host's GUI thread, at each TimerWakeup the host calls there periodically. JUCE's message
// thread is therefore the thread the host makes its GUI calls on (creating the instance and its
// GUI, attaching and detaching the view, parameter updates for the view), and the bundle starts
// no thread of its own: JUCE's timer thread and every other object JUCE made go when the last
// instance's objects are gone.

#include "AAX_CEffectGUI.h"

#include <juce_events/juce_events.h>

namespace juce
{
// JUCE's Linux message dispatch (juce_linux_Messaging.cpp), which its plug-in wrappers call
// when a host drives the loop; the plug-in build keeps it out of MessageManager's interface.
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
}

namespace
{
/** Delivers everything waiting for JUCE's message thread: posted messages and async updates,
    due timers, and the X server's events for the editor's window. The calling thread, the
    host's GUI thread, becomes the message thread if it is not yet, as it does in JUCE's own
    host-driven loop. */
void deliverPendingMessages()
{
    auto* messageManager = juce::MessageManager::getInstanceWithoutCreating();

    if (messageManager == nullptr)
        return;

    if (! messageManager->isThisTheMessageThread())
        messageManager->setCurrentThreadAsMessageThread();

    while (juce::dispatchNextMessageOnSystemQueue (true))
    {
    }
}

/** Set when the bundle is loaded, before the host can create a GUI object. */
[[maybe_unused]] const bool timerWakeupDeliversMessages = [] {
    AAX_CEffectGUI::SetTimerWakeupHook (&deliverPendingMessages);
    return true;
}();
} // namespace
