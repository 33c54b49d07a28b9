// The packet dispatcher's lock: re-entrant on its owning thread, exclusive between threads; and
// the parameter values that host updates write while coefficient packets read them. This
// executable also runs under ThreadSanitizer, which reports any access left unordered.

#include "AAX_CPacketDispatcher.h"
#include "support/TestEffect.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <future>
#include <map>
#include <thread>

namespace
{
    constexpr auto kDeadlockTimeout = std::chrono::seconds (20);

    /** Runs work on another thread; false when it has not finished within the timeout. */
    template <typename Work>
    bool finishesOnAnotherThread (Work work)
    {
        auto done = std::async (std::launch::async, work);
        return done.wait_for (kDeadlockTimeout) == std::future_status::ready;
    }

    /** The float that a packet posted to the host carries (a failure when it is no float). */
    float floatIn (const aaxhost::Controller::Packet& packet)
    {
        float value = -1.0f;
        EXPECT_EQ (packet.payload.size(), sizeof (value)) << "field " << packet.field;
        if (packet.payload.size() == sizeof (value))
            std::memcpy (&value, packet.payload.data(), sizeof (value));
        return value;
    }
} // namespace

TEST (DispatcherLock, OwningThreadReentersWithoutBlockingAndReleasesOnlyAtTheOuterGuard)
{
    const auto lock = AAX_CMutex::Create();
    ASSERT_NE (lock, nullptr);

    std::atomic<bool> outerReleased { false };
    std::atomic<bool> innerDone { false };
    std::atomic<bool> otherEnteredEarly { false };

    std::thread owner ([&]
    {
        const AAX_StLock_Guard outer (lock.get());
        {
            const AAX_StLock_Guard inner (lock.get());   // would deadlock on a plain mutex
        }
        innerDone = true;

        // Give a waiting thread every chance to slip in if the inner guard had unlocked.
        std::this_thread::sleep_for (std::chrono::milliseconds (50));
        outerReleased = true;
    });

    std::thread other ([&]
    {
        while (! innerDone)
            std::this_thread::yield();

        const AAX_StLock_Guard guard (lock.get());
        otherEnteredEarly = ! outerReleased;
    });

    owner.join();
    other.join();
    EXPECT_FALSE (otherEnteredEarly) << "the inner guard must leave the outer one's hold in place";

    EXPECT_TRUE (finishesOnAnotherThread ([&] { const AAX_StLock_Guard guard (lock.get()); }))
        << "the lock is free again once the outer guard is gone";
}

TEST (DispatcherLock, SerialisesTwoContendingThreads)
{
    const auto lock = AAX_CMutex::Create();
    ASSERT_NE (lock, nullptr);

    constexpr int kIterations = 20000;
    long counter = 0;   // deliberately not atomic: only the lock orders the increments

    const auto increment = [&]
    {
        for (int i = 0; i < kIterations; ++i)
        {
            const AAX_StLock_Guard guard (lock.get());
            const AAX_StLock_Guard reentered (lock.get());
            ++counter;
        }
    };

    std::thread first (increment);
    std::thread second (increment);
    first.join();
    second.join();

    EXPECT_EQ (counter, 2L * kIterations);
}

TEST (DispatcherLock, GuardsTheDispatcherAgainstConcurrentRegistrationAndUpdates)
{
    AAX_CPacketDispatcher dispatcher;
    constexpr int kFields = 2000;

    // Registration grows the maps while updates walk them: without the lock this is a data race.
    std::thread registering ([&]
    {
        for (int field = 0; field < kFields; ++field)
            EXPECT_EQ (dispatcher.RegisterPacket ((field % 2 == 0 ? "Width" : "Balance"), field), AAX_SUCCESS);
    });

    std::thread updating ([&]
    {
        for (int i = 0; i < kFields; ++i)
        {
            EXPECT_EQ (dispatcher.SetDirty ("Width", i % 2 == 0), AAX_SUCCESS);
            EXPECT_EQ (dispatcher.SetDirty ("Balance"), AAX_SUCCESS);
        }
    });

    registering.join();
    updating.join();
}

TEST (DispatcherLock, HostUpdatesOnOneThreadWhileAnotherAsksForCoefficients)
{
    aaxtest::EffectSession session;
    ASSERT_EQ (session.initializeResult, AAX_SUCCESS);
    auto& effect = *session.effect;
    constexpr int kRounds = 2000;
    const auto bypassOf = [] (int round) { return round % 2 == 0 ? 1.0 : 0.0; };

    // Each update writes the bypass value that the coefficients read on the other thread.
    std::thread updating ([&]
    {
        for (int i = 0; i < kRounds; ++i)
            EXPECT_EQ (effect.UpdateParameterNormalizedValue (cDefaultMasterBypassID, bypassOf (i), AAX_eUpdateSource_Parameter),
                       AAX_SUCCESS);
    });

    std::thread dispatching ([&]
    {
        for (int i = 0; i < kRounds; ++i)
            EXPECT_EQ (effect.GenerateCoefficients(), AAX_SUCCESS);
    });

    updating.join();
    dispatching.join();

    // However the two interleaved, each packet carries one of the values the host sent.
    const auto packets = session.instance.controller().packets();
    ASSERT_GE (packets.size(), 1u);
    EXPECT_LE (packets.size(), static_cast<size_t> (kRounds));
    for (const auto& packet : packets)
    {
        EXPECT_EQ (packet.field, 3);
        const float value = floatIn (packet);
        EXPECT_TRUE (value == 0.0f || value == 1.0f) << value;
    }

    // The last update waits for the next request, or went out with the last one.
    EXPECT_EQ (effect.GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_EQ (floatIn (session.instance.controller().packets().back()), static_cast<float> (bypassOf (kRounds - 1)));
}
