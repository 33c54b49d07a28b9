// JUCE's message loop inside the AAX bundle on Linux.
//
// On macOS the host's main run loop is JUCE's message loop. A Linux AAX host offers none, so the
// bundle runs JUCE's loop itself, the way JUCE's LV2 wrapper does when a host drives its editor:
// on the host's GUI thread, at each TimerWakeup the host calls there periodically. JUCE's message
// thread is therefore the thread the host makes its GUI calls on (creating the instance and its
// GUI, attaching and detaching the view, parameter updates for the view), and the bundle starts
// no thread of its own: JUCE's timer thread and every other object JUCE made go when the last
// instance's objects are gone.
//
// A wakeup must give the host its thread back, so each one delivers only what was waiting when
// it began. What that work posts waits for the next wakeup: a chain of messages that each post
// the next (a value that never settles, say) then runs a link per wakeup instead of for ever.

#include "AAX_CEffectGUI.h"

#include <juce_events/juce_events.h>
#include <juce_events/native/juce_linux_EventLoopInternal.h>

#include <poll.h>

#include <vector>

// The wakeup leaves JUCE's message queue through an exception that one of its own messages
// throws (below); JUCE would swallow that exception if it caught what messages throw.
static_assert (! JUCE_CATCH_UNHANDLED_EXCEPTIONS, "the message loop's wakeup needs JUCE to let a message's exception through");

namespace
{
/** What the end-of-wakeup marker throws once everything ahead of it has been delivered. */
struct MessagesOfThisWakeupDelivered
{
};

/** Posted when a wakeup begins, so that it stands behind every message then waiting. JUCE's
    queue delivers until it is empty, counting what its messages post meanwhile; an exception
    is the only way out of it sooner. */
class EndOfWakeup final : public juce::MessageManager::MessageBase
{
public:
    void messageCallback() override { throw MessagesOfThisWakeupDelivered {}; }
};

/** The descriptors JUCE's loop waits on that are ready now: its message queue, the X server's
    connection of the editor's windows, and whatever else JUCE registered. */
std::vector<int> readyDescriptors()
{
    std::vector<pollfd> registered;

    for (const auto fd : juce::LinuxEventLoopInternal::getRegisteredFds())
        registered.push_back ({ fd, POLLIN, 0 });

    std::vector<int> ready;

    if (poll (registered.data(), static_cast<nfds_t> (registered.size()), 0) > 0)
        for (const auto& descriptor : registered)
            if (descriptor.revents != 0)
                ready.push_back (descriptor.fd);

    return ready;
}

/** Delivers what waits for JUCE's message thread: posted messages and async updates and due
    timers up to this wakeup's marker, and the X server's events for the editor's windows. Each
    ready descriptor's callback runs once, so the queue's marker does not cost the X events their
    turn. The calling thread, the host's GUI thread, becomes the message thread if it is not
    yet, as it does in JUCE's own host-driven loop. */
void deliverPendingMessages()
{
    auto* messageManager = juce::MessageManager::getInstanceWithoutCreating();

    if (messageManager == nullptr)
        return;

    if (! messageManager->isThisTheMessageThread())
        messageManager->setCurrentThreadAsMessageThread();

    // Posting also makes the queue's descriptor ready: JUCE's queue keeps at most 128 wake-up
    // bytes in its socket, so messages the last wakeup left may have none left to show them.
    (new EndOfWakeup())->post();

    for (const auto fd : readyDescriptors())
    {
        try
        {
            juce::LinuxEventLoopInternal::invokeEventLoopCallbackForFd (fd);
        }
        catch (const MessagesOfThisWakeupDelivered&)
        {
        }
    }
}

/** Set when the bundle is loaded, before the host can create a GUI object. */
[[maybe_unused]] const bool timerWakeupDeliversMessages = [] {
    AAX_CEffectGUI::SetTimerWakeupHook (&deliverPendingMessages);
    return true;
}();
} // namespace
