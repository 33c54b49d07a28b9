#include "AAX_UIDs.h"
#include "tests/aax/support/FakeEffectObjects.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace quindle::test::aax
{
namespace
{
    /** A bare component object, aggregated or not, with a log of its lifetime. */
    struct Inner : CACFUnknown
    {
        explicit Inner (IACFUnknown* outer, EventLog& eventLog) : CACFUnknown (outer), log (eventLog) {}
        ~Inner() override { log.push_back ("destroyed"); }
        void FinalRelease() override { log.push_back ("final release"); }

        EventLog& log;
    };

    /** An outer unknown that counts what the aggregated object delegates to it. */
    struct CountingOuter : IACFUnknown
    {
        ACFRESULT QueryInterface (const acfIID&, void** out) override { ++queries; *out = this; return ACF_OK; }
        ACFUInt32 AddRef() override { return static_cast<ACFUInt32> (++refs); }
        ACFUInt32 Release() override { return static_cast<ACFUInt32> (--refs); }

        int queries = 0;
        int refs = 0;
    };

    ACFUInt32 countOf (IACFUnknown& object)
    {
        object.AddRef();
        return object.Release();
    }
}

TEST (ACFObjectModel, DataModelObjectAnswersEveryVersionWithItsOwnInterface)
{
    auto* object = new FakeEffectParameters;
    IACFUnknown* primary = static_cast<AAX_IACFEffectParameters_V4*> (object);

    object->AddRef();   // the creator's reference
    for (const auto* iid : { &IID_IAAXEffectParametersV1, &IID_IAAXEffectParametersV2,
                             &IID_IAAXEffectParametersV3, &IID_IAAXEffectParametersV4 })
    {
        void* out = nullptr;
        EXPECT_EQ (object->QueryInterface (*iid, &out), ACF_OK);
        EXPECT_EQ (out, primary) << "every version is the same vtable";
    }
    EXPECT_EQ (countOf (*primary), 5u) << "each successful query takes a reference";

    for (int i = 0; i < 4; ++i)
        primary->Release();
    EXPECT_EQ (primary->Release(), 0u);
}

TEST (ACFObjectModel, UnknownInterfaceLeavesOutNullAndTheCountAlone)
{
    EventLog log;
    auto* parameters = new FakeEffectParameters (&log);
    auto* gui = new FakeEffectGUI (&log);
    parameters->AddRef();
    gui->AddRef();

    struct Case
    {
        const char* name;
        IACFUnknown* object;
        const acfIID* iid;
    };

    const Case cases[] = {
        { "GUI ID on the data model", static_cast<AAX_IACFEffectParameters_V4*> (parameters), &IID_IAAXEffectGUIV1 },
        { "host ID on the data model", static_cast<AAX_IACFEffectParameters_V4*> (parameters), &IID_IAAXControllerV1 },
        { "data-model ID on the GUI", static_cast<AAX_IACFEffectGUI*> (gui), &IID_IAAXEffectParametersV1 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        void* out = &log;   // anything but null
        EXPECT_EQ (c.object->QueryInterface (*c.iid, &out), static_cast<ACFRESULT> (0x80000004u));
        EXPECT_EQ (out, nullptr);
        EXPECT_EQ (countOf (*c.object), 1u);
    }

    EXPECT_NE (parameters->QueryInterface (IID_IACFUnknown, nullptr), ACF_OK) << "a null out pointer is refused, not written";
    EXPECT_EQ (countOf (*parameters->GetPrivateUnknown()), 1u);

    parameters->Release();
    gui->Release();
    EXPECT_EQ (log, (EventLog { "final release", "destroyed", "destroyed" }));
}

TEST (ACFObjectModel, GUIObjectAnswersItsInterfaceAndTheUnknown)
{
    auto* gui = new FakeEffectGUI;
    IACFUnknown* primary = static_cast<AAX_IACFEffectGUI*> (gui);
    void* out = nullptr;

    ASSERT_EQ (primary->QueryInterface (IID_IAAXEffectGUIV1, &out), ACF_OK);
    EXPECT_EQ (out, primary);
    ASSERT_EQ (primary->QueryInterface (IID_IACFUnknown, &out), ACF_OK);
    EXPECT_EQ (out, gui->GetPrivateUnknown());
    EXPECT_EQ (countOf (*primary), 2u);

    gui->GetPrivateUnknown()->Release();
    EXPECT_EQ (primary->Release(), 0u);
}

TEST (ACFObjectModel, UnknownQueryHandsOutThePrivateUnknownSharingOneCount)
{
    auto* object = new FakeEffectParameters;
    IACFUnknown* primary = static_cast<AAX_IACFEffectParameters_V4*> (object);
    object->AddRef();

    void* out = nullptr;
    ASSERT_EQ (primary->QueryInterface (IID_IACFUnknown, &out), ACF_OK);
    auto* unknown = static_cast<IACFUnknown*> (out);

    EXPECT_EQ (unknown, object->GetPrivateUnknown());
    EXPECT_NE (static_cast<void*> (unknown), static_cast<void*> (primary)) << "the identity is the private unknown";

    // References through either road reach the one count.
    EXPECT_EQ (unknown->AddRef(), 3u);
    EXPECT_EQ (primary->Release(), 2u);
    EXPECT_EQ (unknown->Release(), 1u);

    // The private unknown answers queries too, with the public interface.
    ASSERT_EQ (unknown->QueryInterface (IID_IAAXEffectParametersV2, &out), ACF_OK);
    EXPECT_EQ (out, primary);
    primary->Release();

    EXPECT_EQ (unknown->Release(), 0u);
}

TEST (ACFObjectModel, LastReleaseRunsFinalReleaseThenDestroysAndUncounts)
{
    const int32_t before = CACFUnknown::m_ActiveObjects;
    EventLog log;

    auto* first = new FakeEffectParameters (&log);
    auto* second = new FakeEffectGUI (&log);
    EXPECT_EQ (CACFUnknown::m_ActiveObjects, before + 2) << "counted from construction, before any reference";

    first->AddRef();
    second->AddRef();
    EXPECT_EQ (first->Release(), 0u);
    EXPECT_EQ (log, (EventLog { "final release", "destroyed" }));
    EXPECT_EQ (CACFUnknown::m_ActiveObjects, before + 1);

    EXPECT_EQ (second->Release(), 0u);
    EXPECT_EQ (CACFUnknown::m_ActiveObjects, before);
}

TEST (ACFObjectModel, AggregatedObjectDelegatesPublicCallsToItsOuterUnknown)
{
    EventLog log;
    CountingOuter outer;
    auto* inner = new Inner (&outer, log);

    EXPECT_EQ (inner->GetOuterUnknown(), &outer);

    // The public road (through the outer unknown) leaves the inner count untouched ...
    inner->GetOuterUnknown()->AddRef();
    EXPECT_EQ (outer.refs, 1);

    // ... and only the private unknown drives the inner object's lifetime.
    IACFUnknown* own = inner->GetPrivateUnknown();
    EXPECT_EQ (own->AddRef(), 1u);
    EXPECT_TRUE (log.empty());
    EXPECT_EQ (own->Release(), 0u);
    EXPECT_EQ (log, (EventLog { "final release", "destroyed" }));
    EXPECT_EQ (outer.refs, 1) << "the outer object's count is its own";

    // A stand-alone object's outer unknown is its own private unknown.
    auto* alone = new Inner (nullptr, log);
    EXPECT_EQ (alone->GetOuterUnknown(), alone->GetPrivateUnknown());
    alone->GetPrivateUnknown()->AddRef();
    alone->GetPrivateUnknown()->Release();
}

TEST (ACFObjectModel, ReferencesTakenAndReleasedOnManyThreadsBalance)
{
    const int32_t before = CACFUnknown::m_ActiveObjects;
    auto* object = new FakeEffectParameters;
    IACFUnknown* primary = static_cast<AAX_IACFEffectParameters_V4*> (object);
    primary->AddRef();

    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back ([primary]
        {
            for (int i = 0; i < 10000; ++i)
            {
                primary->AddRef();
                primary->Release();
            }
        });

    for (auto& thread : threads)
        thread.join();

    EXPECT_EQ (countOf (*primary), 1u);
    EXPECT_EQ (primary->Release(), 0u);
    EXPECT_EQ (CACFUnknown::m_ActiveObjects, before);
}
} // namespace quindle::test::aax
