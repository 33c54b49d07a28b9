#pragma once

// The table check every versioned wrapper shares: for each set of versions the host offers and
// each operation, the operation reaches the host through exactly the version it belongs to and
// passes the host's answer back, or, when the host lacks that version, answers for itself
// without calling the host.

#include "tests/aaxhost/testhost/TestHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace quindle::test::aax
{
    /** One row: the operation as the host logs it, the host version it belongs to, the answer
        without that version, and the call of the wrapper. */
    template <class Wrapper>
    struct Forwarded
    {
        const char* operation;
        int version;
        AAX_Result absent;
        std::function<AAX_Result (Wrapper&)> call;
    };

    /** A wrapper over a fresh host (and instance, for the run-time wrappers), and the host
        object it wraps. The wrapper goes first. */
    template <class Wrapper>
    struct Subject
    {
        std::unique_ptr<aaxhost::Host> host;
        std::unique_ptr<aaxhost::Instance> instance;
        std::unique_ptr<Wrapper> wrapper;
        aaxhost::HostObject* hostObject = nullptr;
    };

    /** Makes a subject whose host offers the given versions of the wrapped interface. */
    template <class Wrapper>
    using MakeSubject = std::function<Subject<Wrapper> (aaxhost::Versions)>;

    struct Offering
    {
        const char* name;
        aaxhost::Versions versions;
    };

    inline const std::vector<Offering>& standardOfferings()
    {
        using aaxhost::Versions;
        static const std::vector<Offering> offerings {
            { "every version", Versions::all() },
            { "no version", Versions::none() },
            { "first version only", Versions::upTo (1) },
            { "first two versions", Versions::upTo (2) },
            { "later versions without the first", Versions::only ({ 2, 3 }) },
        };
        return offerings;
    }

    /** What a wrapper answers when the host lacks the version of an operation: no host object
        (most first-version operations), or not implemented (later versions, and the page table's
        and the view container's exceptions). */
    constexpr AAX_Result kNoHostObject = AAX_ERROR_NULL_OBJECT;
    constexpr AAX_Result kNotImplementedByHost = AAX_ERROR_UNIMPLEMENTED;

    /** The host's answer in these checks: a code no other path returns. */
    constexpr AAX_Result kHostAnswer = -20777;

    /** How a wrapper obtains its later versions: queried from the unknown it is given, or
        from the first version it created (then a host without the first offers no other). */
    enum class LaterVersions
    {
        fromUnknown,
        fromFirstVersion
    };

    template <class Wrapper>
    void expectForwarding (const std::vector<Forwarded<Wrapper>>& table, const MakeSubject<Wrapper>& make,
                           LaterVersions laterVersions, const std::vector<Offering>& offerings = standardOfferings())
    {
        for (const auto& offering : offerings)
        {
            for (const auto& row : table)
            {
                SCOPED_TRACE (std::string (row.operation) + " with " + offering.name);
                auto subject = make (offering.versions);
                ASSERT_NE (subject.hostObject, nullptr);
                auto& host = *subject.host;
                subject.hostObject->setResult (row.operation, kHostAnswer);
                host.log().clear();

                const AAX_Result result = row.call (*subject.wrapper);
                const auto calls = host.log().callsTo (subject.hostObject->name());

                const bool reachable = offering.versions.offers (row.version)
                                    && (laterVersions == LaterVersions::fromUnknown || offering.versions.offers (1));
                if (reachable)
                {
                    EXPECT_EQ (result, kHostAnswer);
                    EXPECT_EQ (calls, (std::vector<aaxhost::Call> { { subject.hostObject->name(), row.version, row.operation } }));
                }
                else
                {
                    EXPECT_EQ (result, row.absent);
                    EXPECT_TRUE (calls.empty()) << "called " << calls.front();
                }

                subject.wrapper.reset();
                EXPECT_EQ (host.outstandingReferences(), 0) << host.describeReferences();
                EXPECT_TRUE (host.problems().empty()) << host.problems().front();
            }
        }
    }
} // namespace quindle::test::aax
