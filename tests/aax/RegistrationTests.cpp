// The exported functions with the library's twins behind them, driven by the test host:
// registration through a test description function (success, failing results and every kind
// of exception, each with its result and traces), start-up and shutdown of the host-services
// object, the live-object count, the version and the component-model answers.

#include "AAX_Exports.cpp"

#include "tests/aax/support/FakeEffectObjects.h"
#include "tests/aax/support/ScopedStartup.h"

#include "ACFPtr.h"
#include "AAX_CHostServices.h"
#include "AAX_CheckedResult.h"
#include "AAX_Exception.h"
#include "AAX_ICollection.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace
{
    void process (void* const[], const void* const) {}

    /** What a description function does with the collection, as the framework's does. */
    AAX_Result describeOneEffect (AAX_ICollection* collection)
    {
        auto* effect = collection->NewDescriptor();
        effect->AddName ("Quindle");
        auto* component = effect->NewComponentDescriptor();
        auto* properties = component->NewPropertyMap();
        properties->AddProperty (AAX_eProperty_PlugInID_Native, 0x5A6F7270);
        component->AddAudioIn (0);
        component->AddProcessProc_Native (process, properties, nullptr, nullptr, nullptr);
        effect->AddComponent (component);
        collection->AddEffect ("com.Norvane.Quindle", effect);
        collection->SetPackageVersion (0x010200);
        return AAX_SUCCESS;
    }

    std::function<AAX_Result (AAX_ICollection*)> describe = describeOneEffect;
    int descriptions = 0;
}

AAX_Result GetEffectDescriptions (AAX_ICollection* collection)
{
    ++descriptions;
    return describe (collection);
}

// The description function above is the one the library calls, in the global namespace.
namespace quindle::test::aax
{
using namespace aaxhost;

namespace
{
    IACFPluginDefinition* const kUntouched = reinterpret_cast<IACFPluginDefinition*> (0x5EED);

    std::string caught (const std::string& what) { return "AAXRegisterPlugin exception caught: " + what; }
    std::string throwing (const std::string& what) { return "AAX_CheckedResult - throwing " + what; }

    /** A host to trace to, apart from the host that registers, so the registering host's
        references show only what registration left behind. */
    struct Registration : ::testing::Test
    {
        void SetUp() override
        {
            describe = describeOneEffect;
            descriptions = 0;
            tracing.services().clear();
        }

        Host tracing;
        ScopedStartup startup { tracing };
    };
}

TEST_F (Registration, HandsBackTheCollectionsPluginDefinitionAndDestroysEverythingItMade)
{
    Host host;
    IACFPluginDefinition* definition = kUntouched;

    EXPECT_EQ (ACFRegisterPlugin (host.unknown(), &definition), AAX_SUCCESS);

    ASSERT_EQ (host.objects<Collection>().size(), 1u);
    const auto& collection = *host.objects<Collection>()[0];
    EXPECT_EQ (static_cast<IACFUnknown*> (definition), collection.pluginDefinition().unknown());
    EXPECT_EQ (host.outstandingReferences(), 1) << "only the definition's reference, the host's now: " << host.describeReferences();
    EXPECT_EQ (collection.pluginDefinition().references(), 1);

    const auto effects = collection.description().effects;
    ASSERT_EQ (effects.size(), 1u);
    EXPECT_EQ (effects[0].descriptor->description().names, std::vector<std::string> { "Quindle" });
    EXPECT_EQ (effects[0].descriptor->description().components.at (0)->description().processProcs.size(), 1u);
    EXPECT_TRUE (tracing.services().traces().empty());

    definition->Release();
    EXPECT_EQ (host.outstandingReferences(), 0);
    EXPECT_TRUE (host.problems().empty());
}

TEST_F (Registration, FailuresBecomeResultsAndTracesAndLeaveNothingBehind)
{
    struct Case
    {
        const char* name;
        std::function<AAX_Result (AAX_ICollection*)> description;
        AAX_Result result;
        std::vector<std::string> traces;
    };

    const Case cases[] = {
        { "a failing result", [] (AAX_ICollection*) { return AAX_Result { AAX_ERROR_UNIMPLEMENTED }; }, AAX_ERROR_UNIMPLEMENTED,
          { throwing ("AAX_ERROR_UNIMPLEMENTED (-20009)"), caught ("AAX_ERROR_UNIMPLEMENTED (-20009)") } },
        { "a checked result thrown inside",
          [] (AAX_ICollection* c) {
              describeOneEffect (c);
              AAX_CheckedResult checked (AAX_ERROR_INVALID_PARAMETER_ID);
              return AAX_Result { AAX_SUCCESS };
          },
          AAX_ERROR_INVALID_PARAMETER_ID,
          { throwing ("AAX_ERROR_INVALID_PARAMETER_ID (-20001)"), caught ("AAX_ERROR_INVALID_PARAMETER_ID (-20001)") } },
        { "a plug-in defined result", [] (AAX_ICollection*) { return AAX_Result { -20700 }; }, -20700,
          { throwing ("plug-in defined error (-20700)"), caught ("plug-in defined error (-20700)") } },
        { "the library's exception base", [] (AAX_ICollection*) -> AAX_Result { throw AAX::Exception::Any ("no stem formats"); },
          AAX_ERROR_UNKNOWN_EXCEPTION, { caught ("no stem formats") } },
        { "a standard exception", [] (AAX_ICollection*) -> AAX_Result { throw std::runtime_error ("out of names"); },
          AAX_ERROR_UNKNOWN_EXCEPTION, { caught ("out of names") } },
        { "an empty host-interface pointer",
          [] (AAX_ICollection*) {
              const ACFPtr<IACFUnknown> empty;
              return static_cast<AAX_Result> (empty->AddRef());
          },
          AAX_ERROR_UNKNOWN_EXCEPTION, { caught ("unknown") } },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        tracing.services().clear();
        describe = c.description;
        Host host;
        IACFPluginDefinition* definition = kUntouched;

        EXPECT_EQ (ACFRegisterPlugin (host.unknown(), &definition), c.result);

        EXPECT_EQ (definition, kUntouched) << "the out definition is as the host passed it";
        EXPECT_EQ (tracing.services().traceTexts(), c.traces);
        const auto traces = tracing.services().traces();
        if (! traces.empty())
        {
            EXPECT_EQ (traces.back().priority, 0x08000000);
        }
        if (traces.size() == 2)
        {
            EXPECT_EQ (traces.front().priority, 0x04000000);
        }
        EXPECT_EQ (host.outstandingReferences(), 0) << "the collection is gone: " << host.describeReferences();
    }
}

TEST_F (Registration, HostsThatCannotTakeADescriptionGetANullObject)
{
    struct Case
    {
        const char* name;
        HostOptions options;
        int descriptions;
    };

    HostOptions noFactory;
    noFactory.componentFactory = Versions::none();
    HostOptions noCollection;
    noCollection.collection = Versions::none();
    HostOptions noDefinition;
    noDefinition.pluginDefinition = Versions::none();

    const Case cases[] = {
        { "no component factory: nothing to describe into", noFactory, 0 },
        { "no collection", noCollection, 0 },
        { "a collection without plug-in definition", noDefinition, 1 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        tracing.services().clear();
        descriptions = 0;
        Host host (c.options);
        IACFPluginDefinition* definition = kUntouched;

        EXPECT_EQ (ACFRegisterPlugin (host.unknown(), &definition), AAX_ERROR_NULL_OBJECT);

        EXPECT_EQ (descriptions, c.descriptions);
        EXPECT_EQ (tracing.services().traceTexts(),
                   (std::vector<std::string> { throwing ("AAX_ERROR_NULL_OBJECT (-20004)"), caught ("AAX_ERROR_NULL_OBJECT (-20004)") }));
        EXPECT_EQ (host.outstandingReferences(), 0) << host.describeReferences();
        if (c.descriptions == 1)
            EXPECT_EQ (definition, nullptr) << "cleared before the query";
        else
            EXPECT_EQ (definition, kUntouched);
    }
}

TEST_F (Registration, WhatABrokenCollectionWritesIntoTheFailedDefinitionQueryIsForgotten)
{
    // The collection writes its own interface, without a reference, into the failed query.
    HostOptions noDefinition;
    noDefinition.pluginDefinition = Versions::none();
    Host host (noDefinition);
    host.factory().whenMaking ([] (HostObject& made) { made.failWithAnInterface (true); });
    IACFPluginDefinition* definition = kUntouched;

    EXPECT_EQ (ACFRegisterPlugin (host.unknown(), &definition), AAX_ERROR_NULL_OBJECT);

    EXPECT_EQ (definition, nullptr) << "no definition comes with the failure";
    EXPECT_EQ (host.problems(), std::vector<std::string> {});
    EXPECT_EQ (host.outstandingReferences(), 0) << host.describeReferences();
}

TEST_F (Registration, ABrokenFactoryIsAnUnknownExceptionNotACrash)
{
    Host host;
    host.factory().answerQueriesWithNull (true);
    IACFPluginDefinition* definition = kUntouched;

    EXPECT_EQ (ACFRegisterPlugin (host.unknown(), &definition), AAX_ERROR_UNKNOWN_EXCEPTION);
    EXPECT_EQ (tracing.services().traceTexts(), std::vector<std::string> { caught ("unknown") });
    EXPECT_EQ (descriptions, 0);
}

//==============================================================================
TEST (Exports, NullOutPointersAreRefusedAndNothingIsDone)
{
    Host host;
    descriptions = 0;

    EXPECT_EQ (ACFRegisterPlugin (host.unknown(), nullptr), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ (descriptions, 0);
    EXPECT_TRUE (host.objects<Collection>().empty());
    EXPECT_EQ (ACFRegisterComponent (host.unknown(), 0, nullptr), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ (ACFGetClassFactory (host.unknown(), IID_IACFUnknown, IID_IACFUnknown, nullptr), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ (ACFGetSDKVersion (nullptr), AAX_ERROR_NULL_ARGUMENT);
}

TEST (Exports, ComponentModelAnswersVersionAndLiveObjects)
{
    auto* component = reinterpret_cast<IACFComponentDefinition*> (0x5EED);
    EXPECT_EQ (ACFRegisterComponent (nullptr, 3, &component), AAX_SUCCESS);
    EXPECT_EQ (component, nullptr);

    void* factory = reinterpret_cast<void*> (0x5EED);
    EXPECT_EQ (ACFGetClassFactory (nullptr, IID_IAAXEffectParametersV1, IID_IACFComponentFactory, &factory), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (factory, nullptr);

    uint64_t version = 0;
    EXPECT_EQ (ACFGetSDKVersion (&version), AAX_SUCCESS);
    EXPECT_EQ (version, 0x0000020501344DC8ull);

    EXPECT_EQ (ACFCanUnloadNow (nullptr), 0);
    auto* first = new FakeEffectParameters;
    auto* second = new FakeEffectGUI;
    first->AddRef();
    second->AddRef();
    EXPECT_EQ (ACFCanUnloadNow (nullptr), 2);
    first->Release();
    EXPECT_EQ (ACFCanUnloadNow (nullptr), 1);
    second->Release();
    EXPECT_EQ (ACFCanUnloadNow (nullptr), 0);
}

TEST (Exports, StartupMakesOneHostServicesObjectAndShutdownOrANullHostEndsIt)
{
    ASSERT_EQ (sHostServices, nullptr);
    EXPECT_EQ (ACFShutdown (nullptr), AAX_SUCCESS) << "shutdown without start-up";
    EXPECT_EQ (AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "before start-up"), AAX_SUCCESS);

    Host host;
    EXPECT_EQ (ACFStartup (host.unknown()), AAX_SUCCESS);
    const auto* services = sHostServices;
    ASSERT_NE (services, nullptr);
    EXPECT_EQ (ACFStartup (host.unknown()), AAX_SUCCESS);
    EXPECT_EQ (sHostServices, services) << "a second start-up keeps the object";
    EXPECT_EQ (host.factory().creations().size(), 3u) << "one creation per version, once";

    AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "after start-up");
    AAX_CHostServices::HandleAssertFailure ("file", 7, "1 == 2", 1);
    EXPECT_EQ (host.services().traceTexts(), std::vector<std::string> { "after start-up" });
    EXPECT_EQ (host.services().assertions().size(), 1u);

    EXPECT_EQ (ACFStartup (nullptr), AAX_SUCCESS);
    EXPECT_EQ (sHostServices, nullptr) << "a null host unknown shuts the object down";
    EXPECT_EQ (host.outstandingReferences(), 0) << host.describeReferences();

    EXPECT_EQ (ACFStartup (host.unknown()), AAX_SUCCESS);
    EXPECT_EQ (ACFShutdown (host.unknown()), AAX_SUCCESS);
    EXPECT_EQ (sHostServices, nullptr);
    EXPECT_EQ (host.outstandingReferences(), 0);
}

TEST (Exports, StartupReportsAFailedHostServicesObjectAndLeavesNone)
{
    Host broken;
    broken.factory().answerQueriesWithNull (true);
    EXPECT_EQ (ACFStartup (broken.unknown()), static_cast<ACFRESULT> (0x8000FFFFu));
    EXPECT_EQ (sHostServices, nullptr);

    HostOptions options;
    options.componentFactory = Versions::none();
    Host withoutFactory (options);
    EXPECT_EQ (ACFStartup (withoutFactory.unknown()), AAX_SUCCESS);
    EXPECT_EQ (AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "lost"), AAX_ERROR_NULL_OBJECT)
        << "an object without host versions answers for the host";
    EXPECT_EQ (AAX_CHostServices::HandleAssertFailure ("file", 1, "0", 1), AAX_ERROR_NULL_OBJECT);
    ACFShutdown (nullptr);
}
} // namespace quindle::test::aax
