// The test host's component model: which versions each object answers, the references the
// plug-in takes and gives back, the routes from the host unknown, the factory, forced results
// and the problems it notes. The library's wrappers and every later test rely on these.

#include "tests/aaxhost/testhost/TestHost.h"

#include "AAX_IACFController.h"
#include "AAX_IACFHostServices.h"
#include "AAX_IACFPropertyMap.h"
#include "AAX_UIDs.h"

#include <gtest/gtest.h>

namespace quindle::test::aaxhost
{
namespace
{
    /** Queries iid, keeping the reference; null when not answered. */
    IACFUnknown* query (IACFUnknown* object, const acfIID& iid, ACFRESULT* result = nullptr)
    {
        void* out = reinterpret_cast<void*> (0x1);   // must be overwritten either way
        const ACFRESULT r = object->QueryInterface (iid, &out);
        if (result != nullptr)
            *result = r;
        return static_cast<IACFUnknown*> (out);
    }
}

TEST (TestHostObjects, AnswersExactlyTheOfferedVersionsEachThroughItsOwnInterface)
{
    struct Case
    {
        const char* name;
        Versions offered;
        bool v1, v2, v3;
    };

    const Case cases[] = {
        { "all", Versions::all(), true, true, true },
        { "none", Versions::none(), false, false, false },
        { "up to 2", Versions::upTo (2), true, true, false },
        { "only 3", Versions::only ({ 3 }), false, false, true },
        { "1 and 3", Versions::only ({ 1, 3 }), true, false, true },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        Host host;
        InstanceOptions options;
        options.controller = c.offered;
        Instance instance (host, options);

        const acfIID* ids[] = { &IID_IAAXControllerV1, &IID_IAAXControllerV2, &IID_IAAXControllerV3 };
        const bool expected[] = { c.v1, c.v2, c.v3 };
        std::vector<IACFUnknown*> answered;

        for (int v = 0; v < 3; ++v)
        {
            ACFRESULT result = 0;
            auto* iface = query (instance.unknown(), *ids[v], &result);
            EXPECT_EQ (iface != nullptr, expected[v]) << "version " << v + 1;
            EXPECT_EQ (result, expected[v] ? ACF_OK : ACF_E_NOINTERFACE);
            if (iface != nullptr)
                answered.push_back (iface);
        }

        EXPECT_EQ (instance.controller().references(), static_cast<int> (answered.size()));
        for (size_t i = 1; i < answered.size(); ++i)
            EXPECT_NE (answered[i], answered[0]) << "each version is an interface of its own";

        for (auto* iface : answered)
            iface->Release();
        EXPECT_EQ (host.outstandingReferences(), 0) << host.describeReferences();
        EXPECT_TRUE (host.problems().empty());
    }
}

TEST (TestHostObjects, CallsAreLoggedWithTheVersionTheyCameThrough)
{
    Host host;
    Instance instance (host);
    instance.controller().state.sampleRate = 96000.0f;

    auto* v1 = static_cast<AAX_IACFController*> (static_cast<void*> (query (instance.unknown(), IID_IAAXControllerV1)));
    auto* v3 = static_cast<AAX_IACFController_V3*> (static_cast<void*> (query (instance.unknown(), IID_IAAXControllerV3)));

    AAX_CSampleRate rate = 0;
    EXPECT_EQ (v1->GetSampleRate (&rate), AAX_SUCCESS);
    EXPECT_EQ (rate, 96000.0f);
    AAX_CBoolean audioSuite = 7;
    EXPECT_EQ (v3->GetIsAudioSuite (&audioSuite), AAX_SUCCESS);
    EXPECT_EQ (audioSuite, 0);

    const std::vector<Call> expected { { "Controller", 1, "GetSampleRate" }, { "Controller", 3, "GetIsAudioSuite" } };
    EXPECT_EQ (host.log().calls(), expected);

    v1->Release();
    v3->Release();
    const auto releases = host.releases();
    ASSERT_EQ (releases.size(), 2u);
    EXPECT_EQ (releases[0].version, 1);
    EXPECT_EQ (releases[1].version, 3);
}

TEST (TestHostObjects, TheUnknownIDGivesTheObjectsIdentityAndCountsAsAReference)
{
    Host host;
    Instance instance (host);
    auto* v2 = query (instance.unknown(), IID_IAAXControllerV2);
    auto* identity = query (v2, IID_IACFUnknown);
    auto* again = query (query (instance.unknown(), IID_IAAXControllerV3), IID_IACFUnknown);

    EXPECT_EQ (identity, again) << "one identity whatever version it is asked from";
    EXPECT_EQ (instance.controller().references(), 4);
    EXPECT_EQ (instance.controller().queries (IID_IAAXControllerV2), 1);
}

TEST (TestHostObjects, OverReleaseAndNullArgumentsAreProblemsNotCrashes)
{
    Host host;
    Instance instance (host);
    auto* controller = static_cast<AAX_IACFController*> (static_cast<void*> (query (instance.unknown(), IID_IAAXControllerV1)));

    EXPECT_EQ (controller->GetSampleRate (nullptr), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ (controller->Release(), 0u);
    EXPECT_EQ (controller->Release(), 0u);
    EXPECT_EQ (instance.unknown()->QueryInterface (IID_IAAXControllerV1, nullptr), AAX_ERROR_NULL_ARGUMENT);

    const auto problems = host.problems();
    ASSERT_EQ (problems.size(), 3u);
    EXPECT_EQ (problems[0], "Controller::GetSampleRate: null argument");
    EXPECT_EQ (problems[1], "Controller: released more often than referenced");
    EXPECT_EQ (controller->AddRef(), 1u) << "the count did not go below zero";
    controller->Release();
}

TEST (TestHostObjects, ForcedResultsAnswerWithoutWritingUntilCleared)
{
    Host host;
    Instance instance (host);
    auto* controller = static_cast<AAX_IACFController*> (static_cast<void*> (query (instance.unknown(), IID_IAAXControllerV1)));

    instance.controller().setResult ("GetSampleRate", AAX_ERROR_NOT_INITIALIZED);
    AAX_CSampleRate rate = -1.0f;
    EXPECT_EQ (controller->GetSampleRate (&rate), AAX_ERROR_NOT_INITIALIZED);
    EXPECT_EQ (rate, -1.0f);

    instance.controller().setResult ("GetSampleRate", AAX_SUCCESS);
    EXPECT_EQ (controller->GetSampleRate (&rate), AAX_SUCCESS);
    EXPECT_EQ (rate, 48000.0f);
    EXPECT_EQ (host.log().count ("Controller", "GetSampleRate"), 2) << "a forced answer is still a call";
    controller->Release();
}

TEST (TestHostObjects, ABrokenHostCanAnswerQueriesWithSuccessAndNull)
{
    Host host;
    host.factory().answerQueriesWithNull (true);

    ACFRESULT result = -1;
    EXPECT_EQ (query (host.unknown(), IID_IACFComponentFactory, &result), nullptr);
    EXPECT_EQ (result, ACF_OK);
    EXPECT_EQ (host.outstandingReferences(), 0);
}

//==============================================================================
TEST (TestHostRoutes, TheHostUnknownAnswersFactoryDescriptionHostAndDefinitionAsOffered)
{
    struct Case
    {
        const char* name;
        HostOptions options;
        bool factory, descriptionHost, definition, controller;
    };

    HostOptions hidden;
    hidden.componentFactory = Versions::none();
    hidden.descriptionHost = Versions::none();
    hidden.hostDefinition = Versions::none();
    HostOptions descriptionElsewhere;
    descriptionElsewhere.descriptionHostFromUnknown = false;

    const Case cases[] = {
        { "everything offered", {}, true, true, true, false },
        { "everything hidden", hidden, false, false, false, false },
        { "description host only from elsewhere", descriptionElsewhere, true, false, true, false },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        Host host (c.options);

        for (const auto& [iid, expected] : { std::pair (&IID_IACFComponentFactory, c.factory),
                                              std::pair (&IID_IAAXDescriptionHostV1, c.descriptionHost),
                                              std::pair (&IID_IACFDefinition, c.definition),
                                              std::pair (&IID_IAAXControllerV1, c.controller) })
        {
            auto* iface = query (host.unknown(), *iid);
            EXPECT_EQ (iface != nullptr, expected);
            if (iface != nullptr)
                iface->Release();
        }
    }
}

TEST (TestHostRoutes, TheDescriptionHostCanBeReachedThroughTheFactoryOrAPropertyMap)
{
    HostOptions options;
    options.descriptionHostFromUnknown = false;
    options.descriptionHostFromFactory = true;
    options.descriptionHostFromPropertyMaps = true;
    Host host (options);

    auto* factory = query (host.unknown(), IID_IACFComponentFactory);
    auto* viaFactory = query (factory, IID_IAAXDescriptionHostV1);
    EXPECT_NE (viaFactory, nullptr);

    void* map = nullptr;
    ASSERT_EQ (static_cast<IACFComponentFactory*> (static_cast<void*> (factory))
                   ->CreateComponent (AAXCompID_AAXPropertyMap, nullptr, IID_IAAXPropertyMapV2, &map),
               ACF_OK);
    auto* viaMap = query (static_cast<IACFUnknown*> (map), IID_IAAXDescriptionHostV1);
    EXPECT_EQ (viaMap, viaFactory);

    for (auto* iface : { factory, viaFactory, static_cast<IACFUnknown*> (map), viaMap })
        iface->Release();
    EXPECT_EQ (host.outstandingReferences(), 0) << host.describeReferences();
}

//==============================================================================
TEST (TestHostFactory, MakesEachComponentWithTheOptionsVersions)
{
    HostOptions options;
    options.propertyMap = Versions::upTo (1);
    Host host (options);
    auto* factory = static_cast<IACFComponentFactory*> (static_cast<void*> (query (host.unknown(), IID_IACFComponentFactory)));

    struct Case
    {
        const char* name;
        const acfCLSID* component;
        const acfIID* iid;
        ACFRESULT result;
        const char* kind;
    };

    const Case cases[] = {
        { "collection", &AAXCompID_AAXCollection, &IID_IAAXCollectionV1, ACF_OK, "Collection" },
        { "effect descriptor", &AAXCompID_AAXEffectDescriptor, &IID_IAAXEffectDescriptorV2, ACF_OK, "EffectDescriptor" },
        { "component descriptor", &AAXCompID_AAXComponentDescriptor, &IID_IAAXComponentDescriptorV3, ACF_OK, "ComponentDescriptor" },
        { "property map, first version", &AAXCompID_AAXPropertyMap, &IID_IAAXPropertyMapV1, ACF_OK, "PropertyMap" },
        { "property map, hidden version", &AAXCompID_AAXPropertyMap, &IID_IAAXPropertyMapV3, ACF_E_NOINTERFACE, "PropertyMap" },
        { "page table", &AAXCompID_PageTable, &IID_IAAXPageTableV2, ACF_OK, "PageTable" },
        { "host services", &AAXCompID_HostServices, &IID_IAAXHostServicesV3, ACF_OK, "HostServices" },
        { "unknown component", &IID_IAAXControllerV1, &IID_IAAXControllerV1, ACF_E_NOINTERFACE, nullptr },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        void* out = reinterpret_cast<void*> (0x1);
        EXPECT_EQ (factory->CreateComponent (*c.component, nullptr, *c.iid, &out), c.result);
        EXPECT_EQ (out != nullptr, c.result == ACF_OK);

        const auto made = host.factory().creations().back();
        EXPECT_EQ (made.result, c.result);
        if (c.kind != nullptr)
        {
            ASSERT_NE (made.object, nullptr);
            EXPECT_EQ (made.object->name(), c.kind);
        }
        if (out != nullptr)
            static_cast<IACFUnknown*> (out)->Release();
    }

    EXPECT_EQ (host.objects<PropertyMap>().size(), 2u) << "a map is made even when its version is refused";
    factory->Release();
    EXPECT_EQ (host.outstandingReferences(), 0) << host.describeReferences();
}

TEST (TestHostFactory, HostServicesIsOneObjectForEveryVersion)
{
    Host host;
    auto* factory = static_cast<IACFComponentFactory*> (static_cast<void*> (query (host.unknown(), IID_IACFComponentFactory)));

    void* v1 = nullptr;
    void* v3 = nullptr;
    factory->CreateComponent (AAXCompID_HostServices, nullptr, IID_IAAXHostServicesV1, &v1);
    factory->CreateComponent (AAXCompID_HostServices, nullptr, IID_IAAXHostServicesV3, &v3);
    static_cast<AAX_IACFHostServices*> (v1)->Trace (1, "one");
    static_cast<AAX_IACFHostServices_V3*> (v3)->HandleAssertFailure ("file", 2, "note", 1);

    EXPECT_EQ (host.services().traceTexts(), std::vector<std::string> { "one" });
    ASSERT_EQ (host.services().assertions().size(), 1u);
    EXPECT_EQ (host.services().assertions()[0].note, "note");

    static_cast<IACFUnknown*> (v1)->Release();
    static_cast<IACFUnknown*> (v3)->Release();
    factory->Release();
    EXPECT_EQ (host.outstandingReferences(), 0);
}

TEST (TestHostFactory, RefusesAggregationAsAProblem)
{
    Host host;
    auto* factory = static_cast<IACFComponentFactory*> (static_cast<void*> (query (host.unknown(), IID_IACFComponentFactory)));

    void* out = nullptr;
    EXPECT_EQ (factory->CreateComponent (AAXCompID_AAXCollection, host.unknown(), IID_IAAXCollectionV1, &out), ACF_E_NOINTERFACE);
    EXPECT_EQ (out, nullptr);
    EXPECT_EQ (host.problems().size(), 1u);
    factory->Release();
}

TEST (TestHostFactory, ObjectsThePluginMakesCanBeSetUpBeforeTheyAreHandedOut)
{
    Host host;
    host.factory().whenMaking ([] (HostObject& made) {
        if (made.name() == "PropertyMap")
            made.setResult ("AddProperty", AAX_ERROR_INVALID_ARGUMENT);
    });
    auto* factory = static_cast<IACFComponentFactory*> (static_cast<void*> (query (host.unknown(), IID_IACFComponentFactory)));

    void* map = nullptr;
    ASSERT_EQ (factory->CreateComponent (AAXCompID_AAXPropertyMap, nullptr, IID_IAAXPropertyMapV1, &map), ACF_OK);
    EXPECT_EQ (static_cast<AAX_IACFPropertyMap*> (map)->AddProperty (AAX_eProperty_ProductID, 1), AAX_ERROR_INVALID_ARGUMENT);

    static_cast<IACFUnknown*> (map)->Release();
    factory->Release();
}
} // namespace quindle::test::aaxhost
