// ACFPtr holds exactly one reference to a host interface: these pin when it takes and gives
// back references, so that no wrapper leaks a host object or releases one twice.

#include "tests/aaxhost/testhost/TestHost.h"

#include "ACFPtr.h"

#include <gtest/gtest.h>

namespace quindle::test::aax
{
namespace
{
    using namespace aaxhost;
}

TEST (ACFPtr, HoldsOneReferenceFromConstructionToDestruction)
{
    Host host;
    auto& a = host.make<PageTable> (Versions::all());
    auto& b = host.make<PageTable> (Versions::all());

    {
        ACFPtr<IACFUnknown> held (a.unknown());
        EXPECT_EQ (a.references(), 1);
        const ACFPtr<IACFUnknown> copy (held);
        EXPECT_EQ (a.references(), 2) << "a copy holds a reference of its own";

        held = b.unknown();
        EXPECT_EQ (a.references(), 1);
        EXPECT_EQ (b.references(), 1);

        held = b.unknown();
        EXPECT_EQ (b.references(), 1) << "assigning the held interface changes nothing";
        EXPECT_EQ (host.releases().size(), 1u);

        held = copy;
        EXPECT_EQ (a.references(), 2);
        EXPECT_EQ (b.references(), 0);

        held = nullptr;
        EXPECT_TRUE (held.isNull());
        EXPECT_EQ (a.references(), 1);
    }
    EXPECT_EQ (host.outstandingReferences(), 0);
    EXPECT_TRUE (host.problems().empty());
}

TEST (ACFPtr, AnOutArgumentEmptiesThePointerAndOwnsWhatTheHostHandsOut)
{
    Host host;
    auto& table = host.make<PageTable> (Versions::all());
    auto& other = host.make<PageTable> (Versions::all());

    {
        ACFPtr<IACFUnknown> held (other.unknown());
        void** out = held.GetOutPtr();
        EXPECT_EQ (other.references(), 0) << "what was held is released first";
        EXPECT_TRUE (held.isNull());

        ASSERT_EQ (table.unknown()->QueryInterface (IID_IAAXPageTableV2, out), ACF_OK);
        EXPECT_EQ (table.references(), 1) << "the query's reference, no extra one";
        EXPECT_FALSE (held.isNull());
    }
    EXPECT_EQ (host.outstandingReferences(), 0);
}

TEST (ACFPtr, CallingThroughAnEmptyPointerThrowsThePointerError)
{
    const ACFPtr<IACFUnknown> empty;
    try
    {
        empty->AddRef();
        ADD_FAILURE() << "no exception";
    }
    catch (int32_t thrown)
    {
        EXPECT_EQ (thrown, static_cast<int32_t> (0x80000005u));
    }
}
} // namespace quindle::test::aax
