// The bundle's message loop in-process: JUCE's message manager linked directly and the loop's
// unit compiled in, so the host's wakeup (a GUI object's TimerWakeup, on this thread, which is
// JUCE's message thread) can be shown messages of the test's own: ordinary ones, more than
// JUCE's queue keeps wake-up bytes for, and a chain of messages that each post the next.

#include "tests/common/Watchdog.h"

#include "AAX_CEffectGUI.h"
#include "AAX_Errors.h"

#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <memory>

namespace quindle::test::aaxbundle
{
namespace
{
    constexpr auto kWakeupDeadline = std::chrono::seconds (30);

    /** A GUI object as the framework's wrapper derives one, without contents: only its
        TimerWakeup matters here. */
    struct BareGUI final : AAX_CEffectGUI
    {
        void CreateViewContents() override {}
        void CreateViewContainer() override {}
        void DeleteViewContainer() override {}
    };

    /** Messages that each post the next when delivered, until the chain is stopped. */
    class RepostingChain
    {
    public:
        RepostingChain() { postLink (state); }
        ~RepostingChain() { state->stopped = true; }

        int linksDelivered() const { return state->links; }

    private:
        struct State
        {
            int links = 0;
            bool stopped = false;
        };

        // The link still waiting when the chain stops may come after the chain has gone.
        static void postLink (std::shared_ptr<State> chain)
        {
            juce::MessageManager::callAsync ([chain] {
                if (chain->stopped)
                    return;

                ++chain->links;
                postLink (chain);
            });
        }

        std::shared_ptr<State> state = std::make_shared<State>();
    };

    /** A descriptor of the test's own that JUCE's loop waits on, as it waits on the X server's
        connection: each call of its callback takes one byte. */
    class RegisteredSocket
    {
    public:
        RegisteredSocket()
        {
            EXPECT_EQ (socketpair (AF_LOCAL, SOCK_STREAM, 0, ends), 0);
            juce::LinuxEventLoop::registerFdCallback (ends[1], [this] (int fd) {
                char byte = 0;
                EXPECT_EQ (read (fd, &byte, 1), 1);
                ++calls;
            });
        }

        ~RegisteredSocket()
        {
            juce::LinuxEventLoop::unregisterFdCallback (ends[1]);
            close (ends[0]);
            close (ends[1]);
        }

        void send() { EXPECT_EQ (write (ends[0], "x", 1), 1); }

        int calls = 0;

    private:
        int ends[2] {};
    };

    class MessageLoop : public ::testing::Test
    {
    protected:
        void TearDown() override
        {
            // Whatever a test left waiting is delivered here, not in the next test's wakeups.
            wakeUp();
        }

        void wakeUp() { EXPECT_EQ (gui.TimerWakeup(), AAX_SUCCESS); }

        BareGUI gui;
        // What the tests' messages record: here, as they may be delivered as late as TearDown.
        int delivered = 0;
        bool postedFromADelivery = false;
    };
} // namespace

TEST_F (MessageLoop, AWakeupDeliversWhatWaitedWhenItBeganAndLeavesWhatThatPostsToTheNext)
{
    // More than the 128 wake-up bytes JUCE's queue keeps in its socket.
    constexpr int kWaiting = 300;

    for (int i = 0; i < kWaiting; ++i)
        juce::MessageManager::callAsync ([this] { ++delivered; });

    juce::MessageManager::callAsync ([this] {
        juce::MessageManager::callAsync ([this] { postedFromADelivery = true; });
    });

    {
        const Watchdog watchdog ("TimerWakeup", kWakeupDeadline);
        wakeUp();
    }
    EXPECT_EQ (delivered, kWaiting);
    EXPECT_FALSE (postedFromADelivery) << "posted during the wakeup, it waits for the next";

    wakeUp();
    EXPECT_TRUE (postedFromADelivery);
}

TEST_F (MessageLoop, AChainOfMessagesThatPostTheirSuccessorsRunsOneLinkPerWakeup)
{
    const Watchdog watchdog ("TimerWakeup", kWakeupDeadline);
    const RepostingChain chain;
    RegisteredSocket socket;

    for (int wakeup = 1; wakeup <= 5; ++wakeup)
    {
        SCOPED_TRACE (wakeup);
        socket.send();
        wakeUp();
        EXPECT_EQ (chain.linksDelivered(), wakeup);
        EXPECT_EQ (socket.calls, wakeup) << "the queue's share of the wakeup costs no other descriptor its turn";
    }
}
} // namespace quindle::test::aaxbundle
