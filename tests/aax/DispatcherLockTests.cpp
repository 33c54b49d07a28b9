// The packet dispatcher's lock: re-entrant on its owning thread, exclusive between threads; the
// parameter values that host updates write while coefficient packets read them; and the change
// count that host updates raise while the host reads it. This executable also runs under
// ThreadSanitizer, which reports any access left unordered.

#include "AAX_CPacketDispatcher.h"
#include "tests/aax/support/TestEffect.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <future>
#include <map>
#include <thread>

namespace quindle::test::aax
{
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
    EffectSession session ({}, { { "Width", "Width", 0.25f }, { "Balance", "Balance", 0.75f } });
    ASSERT_EQ (session.initializeResult, AAX_SUCCESS);
    auto& dispatcher = session.effect->dispatcher();
    constexpr int kFields = 2000;
    const auto idOf = [] (int field) { return field % 2 == 0 ? "Width" : "Balance"; };

    // Two registrations grow the maps at once while updates walk them: without the lock the
    // maps lose entries or break.
    const auto registerEvery = [&] (int firstField)
    {
        for (int field = firstField; field < kFields; field += 2)
            EXPECT_EQ (dispatcher.RegisterPacket (idOf (field), field), AAX_SUCCESS);
    };
    std::thread registeringEven (registerEvery, 0);
    std::thread registeringOdd (registerEvery, 1);

    std::thread updating ([&]
    {
        for (int i = 0; i < kFields; ++i)
        {
            EXPECT_EQ (dispatcher.SetDirty ("Width", i % 2 == 0), AAX_SUCCESS);
            EXPECT_EQ (dispatcher.SetDirty ("Balance"), AAX_SUCCESS);
        }
    });

    registeringEven.join();
    registeringOdd.join();
    updating.join();

    // Every registration survived, each packet tied to its own parameter: one post per field,
    // carrying that parameter's value.
    dispatcher.SetDirty ("Width");
    dispatcher.SetDirty ("Balance");
    EXPECT_EQ (dispatcher.Dispatch(), AAX_SUCCESS);

    std::map<AAX_CFieldIndex, float> posted;
    for (const auto& packet : session.instance.controller().packets())
        EXPECT_TRUE (posted.emplace (packet.field, floatIn (packet)).second) << "field " << packet.field << " posted twice";

    ASSERT_EQ (posted.size(), static_cast<size_t> (kFields));
    EXPECT_EQ (posted.begin()->first, 0);
    EXPECT_EQ (posted.rbegin()->first, kFields - 1);
    for (const auto& [field, value] : posted)
        EXPECT_EQ (value, session.effect->valueOf (idOf (field))) << "field " << field;
}

TEST (DispatcherLock, HostUpdatesOnOneThreadWhileAnotherAsksForCoefficients)
{
    EffectSession session;
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

TEST (ChangeCount, HostUpdatesOnOneThreadWhileAnotherReadsTheCount)
{
    EffectSession session;
    ASSERT_EQ (session.initializeResult, AAX_SUCCESS);
    auto& effect = *session.effect;
    constexpr int kRounds = 2000;
    const auto changesNow = [&effect] {
        int32_t changes = -1;
        EXPECT_EQ (effect.GetNumberOfChanges (&changes), AAX_SUCCESS);
        return changes;
    };
    const int32_t before = changesNow();

    // The automation thread moves Width back and forth, so that every update is a change.
    std::thread updating ([&]
    {
        for (int i = 0; i < kRounds; ++i)
            EXPECT_EQ (effect.UpdateParameterNormalizedValue ("Width", i % 2 == 0 ? 1.0 : 0.0, AAX_eUpdateSource_Parameter),
                       AAX_SUCCESS);
    });

    // The GUI thread asks meanwhile, as a host does to know whether its document is dirty.
    std::thread reading ([&]
    {
        int32_t previous = before;
        for (int i = 0; i < kRounds; ++i)
        {
            const int32_t changes = changesNow();
            EXPECT_GE (changes, previous) << "the count never goes back";
            previous = changes;
        }
    });

    updating.join();
    reading.join();
    EXPECT_EQ (changesNow(), before + kRounds);
}
} // namespace quindle::test::aax
