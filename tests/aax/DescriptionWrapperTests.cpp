// The description-time wrappers against the test host: which host version each operation
// reaches and what it answers without it, what the host receives in place of library objects,
// the maps' own pointer properties and stem-format check, map duplication, process procedures
// on old hosts, features, ownership and the release order.

#include "tests/aax/support/ForwardingCheck.h"
#include "tests/aax/support/ScopedStartup.h"

#include "AAX_VCollection.h"
#include "AAX_VComponentDescriptor.h"
#include "AAX_VDescriptionHost.h"
#include "AAX_VEffectDescriptor.h"
#include "AAX_VFeatureInfo.h"
#include "AAX_VPropertyMap.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace quindle::test::aax
{
namespace
{
    using namespace aaxhost;

    void process (void* const[], const void* const) {}
    int32_t instanceInit (const void*, AAX_EComponentInstanceInitAction) { return 0; }
    int32_t background() { return 0; }

    const void* addressOf (AAX_CProcessProc procedure) { return reinterpret_cast<const void*> (procedure); }

    /** A wrapper made from the unknown of a host whose options offer versions of one
        interface, and the host object of type HostType it created. */
    template <class Wrapper, class HostType>
    MakeSubject<Wrapper> created (Versions HostOptions::*field)
    {
        return [field] (Versions versions) {
            HostOptions options;
            options.*field = versions;
            Subject<Wrapper> subject;
            subject.host = std::make_unique<Host> (options);
            subject.wrapper = std::make_unique<Wrapper> (subject.host->unknown());
            const auto made = subject.host->template objects<HostType>();
            subject.hostObject = made.empty() ? nullptr : made.back();
            return subject;
        };
    }
}

//==============================================================================
TEST (DescriptionWrappers, CollectionForwardsToItsOneVersion)
{
    using C = AAX_VCollection;
    const std::vector<Forwarded<C>> table {
        { "AddEffect", 1, kNoHostObject, [] (C& c) { return c.AddEffect ("com.Norvane.Quindle", c.NewDescriptor()); } },
        { "SetManufacturerName", 1, kNoHostObject, [] (C& c) { return c.SetManufacturerName ("Norvane"); } },
        { "AddPackageName", 1, kNoHostObject, [] (C& c) { return c.AddPackageName ("Quindle"); } },
        { "SetPackageVersion", 1, kNoHostObject, [] (C& c) { return c.SetPackageVersion (0x010200); } },
        { "SetProperties", 1, kNoHostObject, [] (C& c) { return c.SetProperties (c.NewPropertyMap()); } },
    };
    expectForwarding (table, created<C, Collection> (&HostOptions::collection),
                      LaterVersions::fromFirstVersion);
}

TEST (DescriptionWrappers, EffectDescriptorForwardsToTheVersionOfEachOperation)
{
    using E = AAX_VEffectDescriptor;
    const std::vector<Forwarded<E>> table {
        { "AddComponent", 1, kNoHostObject, [] (E& e) { return e.AddComponent (e.NewComponentDescriptor()); } },
        { "AddName", 1, kNoHostObject, [] (E& e) { return e.AddName ("Quindle"); } },
        { "AddCategory", 1, kNoHostObject, [] (E& e) { return e.AddCategory (512); } },
        { "AddCategoryBypassParameter", 1, kNoHostObject, [] (E& e) { return e.AddCategoryBypassParameter (512, "MasterBypassID"); } },
        { "AddProcPtr", 1, kNoHostObject, [] (E& e) { return e.AddProcPtr (nullptr, kAAX_ProcPtrID_Create_EffectGUI); } },
        { "SetProperties", 1, kNoHostObject, [] (E& e) { return e.SetProperties (e.NewPropertyMap()); } },
        { "AddResourceInfo", 1, kNoHostObject, [] (E& e) { return e.AddResourceInfo (AAX_eResourceType_PageTable, "tables.xml"); } },
        { "AddMeterDescription", 1, kNoHostObject, [] (E& e) { return e.AddMeterDescription (1, "Meter", nullptr); } },
        { "AddControlMIDINode", 2, kNotImplementedByHost, [] (E& e) { return e.AddControlMIDINode (1, AAX_eMIDINodeType_Global, "MIDI", 0xFFFF); } },
    };
    expectForwarding (table, created<E, EffectDescriptor> (&HostOptions::effectDescriptor),
                      LaterVersions::fromFirstVersion);
}

TEST (DescriptionWrappers, ComponentDescriptorForwardsToTheVersionOfEachOperation)
{
    using D = AAX_VComponentDescriptor;
    static const AAX_CTypeID meters[] = { 1, 2 };
    const std::vector<Forwarded<D>> table {
        { "Clear", 1, kNoHostObject, [] (D& d) { return d.Clear(); } },
        { "AddAudioIn", 1, kNoHostObject, [] (D& d) { return d.AddAudioIn (0); } },
        { "AddAudioOut", 1, kNoHostObject, [] (D& d) { return d.AddAudioOut (1); } },
        { "AddAudioBufferLength", 1, kNoHostObject, [] (D& d) { return d.AddAudioBufferLength (2); } },
        { "AddSampleRate", 1, kNoHostObject, [] (D& d) { return d.AddSampleRate (3); } },
        { "AddClock", 1, kNoHostObject, [] (D& d) { return d.AddClock (4); } },
        { "AddSideChainIn", 1, kNoHostObject, [] (D& d) { return d.AddSideChainIn (5); } },
        { "AddDataInPort", 1, kNoHostObject, [] (D& d) { return d.AddDataInPort (6, 4, AAX_eDataInPortType_Buffered); } },
        { "AddAuxOutputStem", 1, kNoHostObject, [] (D& d) { return d.AddAuxOutputStem (0, AAX_eStemFormat_Stereo, "Aux"); } },
        { "AddPrivateData", 1, kNoHostObject, [] (D& d) { return d.AddPrivateData (7, 8, 0); } },
        { "AddTemporaryData", 2, kNotImplementedByHost, [] (D& d) { return d.AddTemporaryData (8, 16); } },
        { "AddDmaInstance", 1, kNoHostObject, [] (D& d) { return d.AddDmaInstance (9, AAX_IDma::eMode_Burst); } },
        { "AddMeters", 1, kNoHostObject, [] (D& d) { return d.AddMeters (10, meters, 2); } },
        { "AddMIDINode", 1, kNoHostObject, [] (D& d) { return d.AddMIDINode (11, AAX_eMIDINodeType_LocalInput, "In", 1); } },
        { "AddReservedField", 1, kNoHostObject, [] (D& d) { return d.AddReservedField (12, 0); } },
        { "AddProcessProc_Native", 1, kNoHostObject, [] (D& d) { return d.AddProcessProc_Native (process, nullptr, instanceInit, background, nullptr); } },
        { "AddProcessProc_TI", 1, kNoHostObject, [] (D& d) { return d.AddProcessProc_TI ("dsp.dll", "Process", nullptr, "Init", "Background", nullptr); } },
        { "AddProcessProc", 3, kNoHostObject, [] (D& d) { return d.AddProcessProc (nullptr, nullptr, 0); } },
    };
    expectForwarding (table, created<D, ComponentDescriptor> (&HostOptions::componentDescriptor),
                      LaterVersions::fromFirstVersion);
}

TEST (DescriptionWrappers, PropertyMapForwardsToTheVersionOfEachOperation)
{
    using M = AAX_VPropertyMap;
    static const AAX_SPlugInIdentifierTriad ids[] = { { 1, 2, 3 } };
    const std::vector<Forwarded<M>> table {
        { "AddProperty", 1, kNoHostObject, [] (M& m) { return m.AddProperty (AAX_eProperty_ManufacturerID, 7); } },
        { "RemoveProperty", 1, kNoHostObject, [] (M& m) { return m.RemoveProperty (AAX_eProperty_ManufacturerID); } },
        { "AddPropertyWithIDArray", 2, kNotImplementedByHost, [] (M& m) { return m.AddPropertyWithIDArray (AAX_eProperty_PlugInID_Native, ids, 1); } },
        { "AddPointerProperty", 3, kNotImplementedByHost, [] (M& m) { return m.AddPointerProperty (AAX_eProperty_ProductID, ids); } },
        { "AddPointerProperty", 3, kNotImplementedByHost, [] (M& m) { return m.AddPointerProperty (AAX_eProperty_ProductID, "text"); } },
    };

    const MakeSubject<M> make = [] (Versions versions) {
        HostOptions options;
        options.propertyMap = versions;
        Subject<M> subject;
        subject.host = std::make_unique<Host> (options);
        subject.wrapper.reset (AAX_VPropertyMap::Create (subject.host->unknown()));
        subject.hostObject = subject.host->objects<PropertyMap>().back();
        return subject;
    };
    expectForwarding (table, make, LaterVersions::fromFirstVersion);
}

TEST (DescriptionWrappers, FeatureInfoForwardsToItsOneVersion)
{
    using F = const AAX_IFeatureInfo;
    const std::vector<Forwarded<F>> table {
        { "SupportLevel", 1, kNoHostObject, [] (F& f) { AAX_ESupportLevel level; return f.SupportLevel (level); } },
    };

    const MakeSubject<F> make = [] (Versions versions) {
        HostOptions options;
        options.featureInfo = versions;
        Subject<F> subject;
        subject.host = std::make_unique<Host> (options);
        subject.hostObject = &subject.host->descriptionHost().addFeature (AAXATTR_ClientFeature_StemFormat, AAX_eSupportLevel_Supported);
        subject.wrapper.reset (AAX_VDescriptionHost (subject.host->unknown()).AcquireFeatureProperties (AAXATTR_ClientFeature_StemFormat));
        return subject;
    };
    expectForwarding (table, make, LaterVersions::fromFirstVersion);
}

//==============================================================================
TEST (DescriptionWrappers, TheHostReceivesItsOwnObjectsInPlaceOfTheLibrarysWrappers)
{
    Host host;
    {
        AAX_VCollection collection (host.unknown());
        auto* effect = collection.NewDescriptor();
        auto* component = effect->NewComponentDescriptor();
        auto* map = component->NewPropertyMap();
        map->AddProperty (AAX_eProperty_ManufacturerID, 0x56656D6B);
        component->AddAudioIn (0);
        ASSERT_EQ (component->AddProcessProc_Native (process, map, instanceInit, background, nullptr), AAX_SUCCESS);
        ASSERT_EQ (effect->AddComponent (component), AAX_SUCCESS);
        ASSERT_EQ (effect->AddComponent (nullptr), AAX_SUCCESS) << "a null wrapper goes to the host as null";
        ASSERT_EQ (collection.AddEffect ("com.Norvane.Quindle", effect), AAX_SUCCESS);
        EXPECT_EQ (collection.AddEffect ("none", nullptr), AAX_ERROR_NULL_OBJECT);
    }

    const auto effects = host.objects<Collection>()[0]->description().effects;
    ASSERT_EQ (effects.size(), 1u) << "the null descriptor never reached the host";
    ASSERT_NE (effects[0].descriptor, nullptr);
    const auto components = effects[0].descriptor->description().components;
    ASSERT_EQ (components.size(), 2u);
    ASSERT_NE (components[0], nullptr);
    EXPECT_EQ (components[1], nullptr);

    const auto proc = components[0]->description().processProcs.at (0);
    EXPECT_EQ (proc.processProc, addressOf (process));
    EXPECT_EQ (proc.instanceInitProc, reinterpret_cast<const void*> (&instanceInit));
    EXPECT_EQ (proc.properties.map, host.objects<PropertyMap>()[0]);
    EXPECT_EQ (proc.properties.contents.values.at (AAX_eProperty_ManufacturerID), 0x56656D6B);
    EXPECT_TRUE (host.problems().empty());
}

TEST (DescriptionWrappers, AMapGoesToTheHostAsItsNewestVersion)
{
    struct Case
    {
        const char* name;
        Versions offered;
        int version;   // 0: no host object
    };

    const Case cases[] = {
        { "all", Versions::all(), 3 },
        { "first two", Versions::upTo (2), 2 },
        { "first", Versions::upTo (1), 1 },
        { "none", Versions::none(), 0 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        HostOptions options;
        options.propertyMap = c.offered;
        Host host (options);
        std::unique_ptr<AAX_VPropertyMap> map (AAX_VPropertyMap::Create (host.unknown()));
        ASSERT_NE (map, nullptr) << "a host with a factory always gives a wrapper";

        auto* iface = map->GetIUnknown();
        if (c.version == 0)
        {
            EXPECT_EQ (iface, nullptr);
            continue;
        }

        // The version of an interface pointer shows in the log when the host is called through it.
        iface->AddRef();
        iface->Release();
        EXPECT_EQ (host.releases().back().version, c.version);
    }
}

TEST (DescriptionWrappers, WithoutFactoryNoCollectionAndNoMaps)
{
    HostOptions options;
    options.componentFactory = Versions::none();
    Host host (options);

    AAX_VCollection collection (host.unknown());
    EXPECT_EQ (collection.GetIUnknown(), nullptr);
    EXPECT_EQ (collection.NewPropertyMap(), nullptr);
    EXPECT_EQ (AAX_VPropertyMap::Create (nullptr), nullptr);
    ASSERT_NE (collection.NewDescriptor(), nullptr) << "descriptors are made; they answer -20004";
    EXPECT_EQ (collection.NewDescriptor()->AddName ("x"), kNoHostObject);

}

TEST (DescriptionWrappers, EveryCreatorMeetsABrokenFactoryAsAnEmptyPointer)
{
    // A factory query that succeeds and hands out nothing: each creator throws what a call
    // through an empty host pointer throws, for the exported function around it to catch.
    struct Creator
    {
        const char* name;
        std::function<void (IACFUnknown*)> create;
    };

    const Creator creators[] = {
        { "collection", [] (IACFUnknown* host) { AAX_VCollection collection (host); } },
        { "effect descriptor", [] (IACFUnknown* host) { AAX_VEffectDescriptor descriptor (host); } },
        { "component descriptor", [] (IACFUnknown* host) { AAX_VComponentDescriptor descriptor (host); } },
        { "property map", [] (IACFUnknown* host) { std::unique_ptr<AAX_VPropertyMap> map (AAX_VPropertyMap::Create (host)); } },
    };

    for (const auto& c : creators)
    {
        SCOPED_TRACE (c.name);
        Host broken;
        broken.factory().answerQueriesWithNull (true);
        try
        {
            c.create (broken.unknown());
            ADD_FAILURE() << "no exception";
        }
        catch (int32_t thrown)
        {
            EXPECT_EQ (thrown, static_cast<int32_t> (0x80000005u));
        }
        EXPECT_TRUE (broken.factory().creations().empty());
        EXPECT_EQ (broken.outstandingReferences(), 0) << broken.describeReferences();
    }
}

TEST (DescriptionWrappers, DescriptionHostAndHostDefinitionAreOfferedOnlyWhenTheHostHasThem)
{
    for (const bool offered : { true, false })
    {
        SCOPED_TRACE (offered ? "offered" : "hidden");
        HostOptions options;
        options.descriptionHost = offered ? Versions::all() : Versions::none();
        options.hostDefinition = options.descriptionHost;
        Host host (options);
        const AAX_VCollection collection (host.unknown());

        EXPECT_EQ (collection.DescriptionHost() != nullptr, offered);
        EXPECT_EQ (collection.HostDefinition() != nullptr, offered);
        if (offered)
        {
            EXPECT_EQ (static_cast<IACFUnknown*> (collection.HostDefinition()), host.hostDefinition().unknown());
        }
    }
}

//==============================================================================
TEST (DescriptionWrappers, MapGettersReadTheNewestVersionThatHasThem)
{
    Host host;
    std::unique_ptr<AAX_VPropertyMap> map (AAX_VPropertyMap::Create (host.unknown()));
    auto& hostMap = *host.objects<PropertyMap>()[0];
    const AAX_SPlugInIdentifierTriad ids[] = { { 4, 5, 6 } };

    ASSERT_EQ (map->AddProperty (AAX_eProperty_ProductID, 9), AAX_SUCCESS);
    ASSERT_EQ (map->AddPointerProperty (AAX_eProperty_NativeProcessProc, addressOf (process)), AAX_SUCCESS);
    ASSERT_EQ (map->AddPropertyWithIDArray (AAX_eProperty_PlugInID_Native, ids, 1), AAX_SUCCESS);
    EXPECT_EQ (hostMap.pointer (AAX_eProperty_NativeProcessProc), addressOf (process)) << "a third version keeps pointers itself";

    AAX_CPropertyValue value = 0;
    const void* pointer = nullptr;
    const AAX_SPlugInIdentifierTriad* readIDs = nullptr;
    uint32_t count = 0;
    EXPECT_EQ (map->GetProperty (AAX_eProperty_ProductID, &value), 1);
    EXPECT_EQ (value, 9);
    EXPECT_EQ (map->GetPointerProperty (AAX_eProperty_NativeProcessProc, &pointer), 1);
    EXPECT_EQ (pointer, addressOf (process));
    EXPECT_EQ (map->GetPropertyWithIDArray (AAX_eProperty_PlugInID_Native, &readIDs, &count), 1);
    EXPECT_EQ (count, 1u);

    const std::vector<Call> expected {
        { "PropertyMap", 1, "GetProperty" }, { "PropertyMap", 3, "GetPointerProperty" }, { "PropertyMap", 2, "GetPropertyWithIDArray" }
    };
    host.log().clear();
    map->GetProperty (AAX_eProperty_ProductID, &value);
    map->GetPointerProperty (AAX_eProperty_NativeProcessProc, &pointer);
    map->GetPropertyWithIDArray (AAX_eProperty_PlugInID_Native, &readIDs, &count);
    EXPECT_EQ (host.log().callsTo ("PropertyMap"), expected);

    HostOptions none;
    none.propertyMap = Versions::none();
    Host empty (none);
    std::unique_ptr<AAX_VPropertyMap> missing (AAX_VPropertyMap::Create (empty.unknown()));
    EXPECT_EQ (missing->GetProperty (AAX_eProperty_ProductID, &value), 0);
    EXPECT_EQ (missing->GetPropertyWithIDArray (AAX_eProperty_PlugInID_Native, &readIDs, &count), 0);
}

TEST (DescriptionWrappers, MapWithoutThirdVersionKeepsProcedurePointersItself)
{
    HostOptions options;
    options.propertyMap = Versions::upTo (2);
    Host host (options);
    std::unique_ptr<AAX_VPropertyMap> map (AAX_VPropertyMap::Create (host.unknown()));
    const int marker = 0;

    struct Case
    {
        AAX_EProperty property;
        AAX_Result added;
    };

    for (const auto c : { Case { AAX_eProperty_NativeProcessProc, AAX_SUCCESS }, Case { AAX_eProperty_NativeInstanceInitProc, AAX_SUCCESS },
                          Case { AAX_eProperty_TIBackgroundProc, AAX_SUCCESS }, Case { AAX_eProperty_PlugInID_TI, kNotImplementedByHost },
                          Case { AAX_eProperty_ProductID, kNotImplementedByHost }, Case { AAX_eProperty_InputStemFormat, kNotImplementedByHost } })
    {
        SCOPED_TRACE (c.property);
        EXPECT_EQ (map->AddPointerProperty (c.property, &marker), c.added);

        const void* read = nullptr;
        EXPECT_EQ (map->GetPointerProperty (c.property, &read), c.added == AAX_SUCCESS ? 1 : 0);
        EXPECT_EQ (read, c.added == AAX_SUCCESS ? &marker : nullptr);
    }

    EXPECT_EQ (map->AddPointerProperty (AAX_eProperty_TIProcessProc, "Process"), AAX_SUCCESS);
    EXPECT_EQ (map->GetPointerProperty (AAX_eProperty_TIProcessProc, nullptr), 0) << "a null out pointer reads nothing";
    EXPECT_TRUE (host.log().callsTo ("PropertyMap").empty()) << "nothing of this reached the host";
    EXPECT_TRUE (host.objects<PropertyMap>()[0]->contents().pointers.empty());
}

TEST (DescriptionWrappers, StemFormatsAreCheckedByTheMapOnlyWithoutDescriptionHost)
{
    struct Case
    {
        const char* name;
        AAX_EProperty property;
        AAX_CPropertyValue value;
        bool basic;
    };

    const Case cases[] = {
        { "mono", AAX_eProperty_InputStemFormat, AAX_eStemFormat_Mono, true },
        { "7.1 DTS, the last basic layout", AAX_eProperty_OutputStemFormat, AAX_eStemFormat_7_1_DTS, true },
        { "index 12, any channel count", AAX_eProperty_OutputStemFormat, 0xCFFFF, true },
        { "any", AAX_eProperty_InputStemFormat, static_cast<AAX_CPropertyValue> (0xFFFF0000u), true },
        { "none", AAX_eProperty_InputStemFormat, static_cast<AAX_CPropertyValue> (0xFF9C0000u), true },
        { "7.0.2, index 13", AAX_eProperty_OutputStemFormat, 0xD0000, false },
        { "ambisonics", AAX_eProperty_InputStemFormat, AAX_eStemFormat_Ambi_1_ACN, false },
        { "another negative value", AAX_eProperty_InputStemFormat, -1, false },
        { "not a stem-format property", AAX_eProperty_ProductID, 0xD0000, true },
    };

    for (const bool withDescriptionHost : { true, false })
    {
        HostOptions options;
        options.descriptionHost = withDescriptionHost ? Versions::all() : Versions::none();
        Host host (options);

        for (const auto& c : cases)
        {
            SCOPED_TRACE (std::string (c.name) + (withDescriptionHost ? " with" : " without") + " description host");
            std::unique_ptr<AAX_VPropertyMap> map (AAX_VPropertyMap::Create (host.unknown()));
            const bool accepted = withDescriptionHost || c.basic;

            EXPECT_EQ (map->AddProperty (c.property, c.value), accepted ? AAX_SUCCESS : AAX_ERROR_PROPERTY_UNDEFINED);
            EXPECT_EQ (host.objects<PropertyMap>().back()->value (c.property).has_value(), accepted);
        }
    }
}

TEST (DescriptionWrappers, TheDescriptionHostIsLookedForWhereTheHostOffersIt)
{
    struct Case
    {
        const char* name;
        bool fromUnknown, fromFactory, fromMaps;
    };

    for (const auto& c : { Case { "host unknown", true, false, false }, Case { "factory", false, true, false },
                           Case { "the map itself", false, false, true }, Case { "nowhere", false, false, false } })
    {
        SCOPED_TRACE (c.name);
        HostOptions options;
        options.descriptionHostFromUnknown = c.fromUnknown;
        options.descriptionHostFromFactory = c.fromFactory;
        options.descriptionHostFromPropertyMaps = c.fromMaps;
        Host host (options);
        std::unique_ptr<AAX_VPropertyMap> map (AAX_VPropertyMap::Create (host.unknown()));

        const bool found = c.fromUnknown || c.fromFactory || c.fromMaps;
        EXPECT_EQ (map->AddProperty (AAX_eProperty_InputStemFormat, AAX_eStemFormat_7_1_2), found ? AAX_SUCCESS : AAX_ERROR_PROPERTY_UNDEFINED);
    }
}

TEST (DescriptionWrappers, DuplicateCopiesPropertiesTenTo401)
{
    for (const auto& mapVersions : { std::pair ("third version", Versions::all()), std::pair ("first version", Versions::upTo (1)) })
    {
        SCOPED_TRACE (mapVersions.first);
        HostOptions options;
        options.propertyMap = mapVersions.second;
        Host host (options);
        AAX_VComponentDescriptor component (host.unknown());
        auto* source = component.NewPropertyMap();

        for (const int32_t property : { 9, 10, 200, 401, 402 })
            source->AddProperty (static_cast<AAX_EProperty> (property), property * 2);
        source->AddPointerProperty (AAX_eProperty_NativeProcessProc, addressOf (process));

        auto* duplicate = component.DuplicatePropertyMap (source);
        ASSERT_NE (duplicate, source);

        const auto copied = host.objects<PropertyMap>().back()->contents().values;
        EXPECT_EQ (copied, (std::map<int32_t, AAX_CPropertyValue> { { 10, 20 }, { 200, 400 }, { 401, 802 } }));
        const void* pointer = nullptr;
        EXPECT_EQ (duplicate->GetPointerProperty (AAX_eProperty_NativeProcessProc, &pointer), 1);
        EXPECT_EQ (pointer, addressOf (process));
    }
}

TEST (DescriptionWrappers, FeatureInfoAndItsPropertiesBelongToTheCaller)
{
    Host host;
    auto& feature = host.descriptionHost().addFeature (AAXATTR_ClientFeature_StemFormat, AAX_eSupportLevel_ByProperty);
    feature.properties().set (AAX_eStemFormat_5_1, AAX_eSupportLevel_Supported);
    const AAX_VDescriptionHost descriptionHost (host.unknown());

    EXPECT_EQ (descriptionHost.AcquireFeatureProperties (IID_IAAXControllerV1), nullptr) << "a feature the host does not know";
    {
        std::unique_ptr<const AAX_IFeatureInfo> info (descriptionHost.AcquireFeatureProperties (AAXATTR_ClientFeature_StemFormat));
        ASSERT_NE (info, nullptr);
        EXPECT_EQ (info->ID(), AAXATTR_ClientFeature_StemFormat);

        std::unique_ptr<const AAX_IPropertyMap> properties (info->AcquireProperties());
        ASSERT_NE (properties, nullptr);
        AAX_CPropertyValue level = 0;
        EXPECT_EQ (properties->GetProperty (static_cast<AAX_EProperty> (AAX_eStemFormat_5_1), &level), 1);
        EXPECT_EQ (level, AAX_eSupportLevel_Supported);
    }
    EXPECT_EQ (host.outstandingReferences(), 2) << "only the wrapper's own: " << host.describeReferences();

    feature.setResult ("AcquireProperties", AAX_ERROR_UNIMPLEMENTED);
    std::unique_ptr<const AAX_IFeatureInfo> failing (descriptionHost.AcquireFeatureProperties (AAXATTR_ClientFeature_StemFormat));
    EXPECT_EQ (failing->AcquireProperties(), nullptr);

    host.descriptionHost().setResult ("AcquireFeatureProperties", AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (descriptionHost.AcquireFeatureProperties (AAXATTR_ClientFeature_StemFormat), nullptr);
}

TEST (DescriptionWrappers, WhatABrokenHostWritesIntoAFailedCallIsForgottenNotReleased)
{
    // These hosts write one of their interfaces, without a reference, into the out pointer of
    // every call that fails. Releasing it would give back a reference the plug-in never got.
    const std::vector<std::string> noProblems;
    {
        SCOPED_TRACE ("a creation");
        HostOptions options;
        options.componentDescriptor = Versions::none();
        Host host (options);
        host.factory().whenMaking ([] (HostObject& made) { made.failWithAnInterface (true); });
        {
            AAX_VComponentDescriptor descriptor (host.unknown());
            EXPECT_EQ (descriptor.AddAudioIn (0), kNoHostObject) << "the creation failed: no host object";
        }
        EXPECT_EQ (host.problems(), noProblems);
        EXPECT_EQ (host.outstandingReferences(), 0) << host.describeReferences();
    }
    {
        SCOPED_TRACE ("a query for a later version");
        HostOptions options;
        options.effectDescriptor = Versions::upTo (1);
        Host host (options);
        host.factory().whenMaking ([] (HostObject& made) { made.failWithAnInterface (true); });
        {
            AAX_VEffectDescriptor descriptor (host.unknown());
            EXPECT_EQ (descriptor.AddControlMIDINode (1, AAX_eMIDINodeType_LocalInput, "in", 1), kNotImplementedByHost);
            EXPECT_EQ (host.log().count ("EffectDescriptor", "AddControlMIDINode"), 0);
        }
        EXPECT_EQ (host.problems(), noProblems);
        EXPECT_EQ (host.outstandingReferences(), 0) << host.describeReferences();
    }
    {
        SCOPED_TRACE ("acquisitions");
        Host host;
        auto& feature = host.descriptionHost().addFeature (AAXATTR_ClientFeature_StemFormat, AAX_eSupportLevel_ByProperty);
        feature.properties();
        feature.failWithAnInterface (true);
        feature.setResult ("AcquireProperties", AAX_ERROR_UNIMPLEMENTED);
        {
            const AAX_VDescriptionHost descriptionHost (host.unknown());
            std::unique_ptr<const AAX_IFeatureInfo> info (descriptionHost.AcquireFeatureProperties (AAXATTR_ClientFeature_StemFormat));
            ASSERT_NE (info, nullptr);
            EXPECT_EQ (info->AcquireProperties(), nullptr);

            host.descriptionHost().failWithAnInterface (true);
            host.descriptionHost().setResult ("AcquireFeatureProperties", AAX_ERROR_UNIMPLEMENTED);
            EXPECT_EQ (descriptionHost.AcquireFeatureProperties (AAXATTR_ClientFeature_StemFormat), nullptr);
        }
        EXPECT_EQ (host.problems(), noProblems);
        EXPECT_EQ (host.outstandingReferences(), 0) << host.describeReferences();
    }
}

TEST (DescriptionWrappers, ACollectionDeletesWhatItMadeAndReleasesNewestFirstHostUnknownLast)
{
    Host host;
    {
        AAX_VCollection collection (host.unknown());
        auto* effect = collection.NewDescriptor();
        effect->NewComponentDescriptor()->NewPropertyMap();
        effect->NewPropertyMap();
        collection.NewPropertyMap();
        EXPECT_GT (host.outstandingReferences(), 0);
        host.log().clear();
    }
    EXPECT_EQ (host.outstandingReferences(), 0) << host.describeReferences();

    std::vector<std::pair<std::string, int>> releases;
    for (const auto& r : host.releases())
        releases.emplace_back (r.object, r.version);
    const auto last = releases.back();
    EXPECT_EQ (last, (std::pair<std::string, int> ("HostUnknown", 1)));

    const auto position = [&] (const std::string& object, int version) {
        return std::find (releases.begin(), releases.end(), std::pair (object, version)) - releases.begin();
    };
    EXPECT_LT (position ("EffectDescriptor", 2), position ("EffectDescriptor", 1));
    EXPECT_LT (position ("ComponentDescriptor", 3), position ("ComponentDescriptor", 2));
    EXPECT_LT (position ("ComponentDescriptor", 2), position ("ComponentDescriptor", 1));
    EXPECT_LT (position ("EffectDescriptor", 1), position ("Collection", 1)) << "owned wrappers go before the collection's own";
}

//==============================================================================
// AddProcessProc on hosts whose component descriptor lacks the third version.

namespace
{
    constexpr const char* kNoNativeProc = "AAX_VComponentDescriptor: ManuallyAddProcessProcs() - no value found for AAX_eProperty_NativeProcessProc";
    constexpr const char* kNoDLL = "AAX_VComponentDescriptor: ManuallyAddProcessProcs() - no value found for AAX_eProperty_TIDLLFileName";
    constexpr const char* kNoTIProc = "AAX_VComponentDescriptor: ManuallyAddProcessProcs() - no value found for AAX_eProperty_TIProcessProc";

    struct OldHost
    {
        explicit OldHost (Versions maps, Versions components = Versions::upTo (2))
            : host ([&] {
                  HostOptions options;
                  options.propertyMap = maps;
                  options.componentDescriptor = components;
                  return options;
              }()),
              startup (host), component (host.unknown()), map (component.NewPropertyMap())
        {
            host.services().clear();
        }

        std::vector<ComponentDescriptor::ProcessProc> registered() const
        {
            return host.objects<ComponentDescriptor>()[0]->description().processProcs;
        }

        Host host;
        ScopedStartup startup;
        AAX_VComponentDescriptor component;
        AAX_IPropertyMap* map;
    };
}

TEST (AddProcessProcOnOldHosts, RegistersEachProcedureTheMapNamesAndWritesTheIDs)
{
    struct Case
    {
        const char* name;
        std::vector<AAX_EProperty> ids;            // integer properties set to 1
        bool nativeProc, tiProcs;
        int32_t arraySize;                          // 0: no array
        AAX_Result result;
        std::vector<AAX_CSelector> written;         // the array afterwards (starts as 99s)
        std::vector<std::string> kinds;             // what the host registered
        std::vector<std::string> traces;
    };

    const Case cases[] = {
        { "native, room for the terminator", { AAX_eProperty_PlugInID_Native }, true, false, 2, AAX_SUCCESS, { 1, 0 }, { "Native" }, {} },
        { "AudioSuite ID selects native too", { AAX_eProperty_PlugInID_AudioSuite }, true, false, 2, AAX_SUCCESS, { 1, 0 }, { "Native" }, {} },
        { "no room for the terminator", { AAX_eProperty_PlugInID_Native }, true, false, 1, AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW, { 99 }, { "Native" }, {} },
        { "no array", { AAX_eProperty_PlugInID_Native }, true, false, 0, AAX_SUCCESS, {}, { "Native" }, {} },
        { "native without procedure", { AAX_eProperty_PlugInID_Native }, false, false, 2, AAX_SUCCESS, { 1, 0 }, { "Native" }, { kNoNativeProc } },
        { "TI", { AAX_eProperty_PlugInID_TI }, false, true, 2, AAX_SUCCESS, { 1, 0 }, { "TI" }, {} },
        { "TI without names", { AAX_eProperty_PlugInID_TI }, false, false, 2, AAX_SUCCESS, { 1, 0 }, { "TI" }, { kNoDLL, kNoTIProc } },
        { "native then TI", { AAX_eProperty_PlugInID_Native, AAX_eProperty_PlugInID_TI }, true, true, 3, AAX_SUCCESS, { 1, 2, 0 }, { "Native", "TI" }, {} },
        { "two IDs in an array of two", { AAX_eProperty_PlugInID_Native, AAX_eProperty_PlugInID_TI }, true, true, 2, AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW, { 99, 99 }, { "Native", "TI" }, {} },
        { "no plug-in ID: nothing to register", {}, true, true, 1, AAX_SUCCESS, { 0 }, {}, {} },
    };

    for (const auto& maps : { std::pair ("maps with pointer properties", Versions::all()),
                              std::pair ("maps without pointer properties", Versions::upTo (1)) })
    {
        for (const auto& c : cases)
        {
            SCOPED_TRACE (std::string (c.name) + ", " + maps.first);
            OldHost old (maps.second);

            for (const auto id : c.ids)
                old.map->AddProperty (id, 1);
            if (c.nativeProc)
            {
                old.map->AddPointerProperty (AAX_eProperty_NativeProcessProc, addressOf (process));
                old.map->AddPointerProperty (AAX_eProperty_NativeBackgroundProc, reinterpret_cast<const void*> (&background));
            }
            if (c.tiProcs)
            {
                old.map->AddPointerProperty (AAX_eProperty_TIDLLFileName, "dsp.dll");
                old.map->AddPointerProperty (AAX_eProperty_TIProcessProc, "Process");
            }

            std::vector<AAX_CSelector> array (static_cast<size_t> (c.arraySize), 99);
            EXPECT_EQ (old.component.AddProcessProc (old.map, c.arraySize > 0 ? array.data() : nullptr, c.arraySize), c.result);
            EXPECT_EQ (array, c.written);

            std::vector<std::string> kinds;
            for (const auto& proc : old.registered())
            {
                kinds.push_back (proc.kind);
                EXPECT_EQ (proc.properties.map, old.host.find<PropertyMap> (old.map->GetIUnknown()));
                if (proc.kind == "Native" && c.nativeProc)
                {
                    EXPECT_EQ (proc.processProc, addressOf (process));
                    EXPECT_EQ (proc.backgroundProc, reinterpret_cast<const void*> (&background));
                }
                if (proc.kind == "TI" && c.tiProcs)
                {
                    EXPECT_EQ (proc.dllFileName, "dsp.dll");
                    EXPECT_EQ (proc.processProcSymbol, "Process");
                }
            }
            EXPECT_EQ (kinds, c.kinds);
            EXPECT_EQ (old.host.services().traceTexts(), c.traces);
            for (const auto& trace : old.host.services().traces())
                EXPECT_EQ (trace.priority, 0x08000000);
        }
    }
}

TEST (AddProcessProcOnOldHosts, AFailedNativeRegistrationStopsBeforeTI)
{
    OldHost old (Versions::all());
    old.map->AddProperty (AAX_eProperty_PlugInID_Native, 1);
    old.map->AddProperty (AAX_eProperty_PlugInID_TI, 2);
    old.host.objects<ComponentDescriptor>()[0]->setResult ("AddProcessProc_Native", AAX_ERROR_INVALID_FIELD_INDEX);

    AAX_CSelector ids[] = { 99, 99, 99 };
    EXPECT_EQ (old.component.AddProcessProc (old.map, ids, 3), AAX_ERROR_INVALID_FIELD_INDEX);
    EXPECT_EQ (ids[0], 99u) << "nothing written after a failure";
    EXPECT_EQ (old.host.log().count ("ComponentDescriptor", "AddProcessProc_TI"), 0);
}

TEST (AddProcessProcOnOldHosts, TheNativeRegistrationSeesADuplicateWithoutTheAudioBufferLength)
{
    for (const auto& maps : { std::pair ("maps with pointer properties", Versions::all()),
                              std::pair ("maps without pointer properties", Versions::upTo (1)) })
    {
        SCOPED_TRACE (maps.first);
        OldHost old (maps.second);
        old.map->AddProperty (AAX_eProperty_PlugInID_Native, 1);
        old.map->AddProperty (AAX_eProperty_PlugInID_TI, 2);
        old.map->AddProperty (AAX_eProperty_AudioBufferLength, 8);
        old.map->AddPointerProperty (AAX_eProperty_NativeProcessProc, addressOf (process));
        old.map->AddPointerProperty (AAX_eProperty_TIProcessProc, "Process");

        ASSERT_EQ (old.component.AddProcessProc (old.map, nullptr, 0), AAX_SUCCESS);

        const auto procs = old.registered();
        ASSERT_EQ (procs.size(), 2u);
        const auto* given = old.host.find<PropertyMap> (old.map->GetIUnknown());
        EXPECT_NE (procs[0].properties.map, given) << "native: the duplicate";
        EXPECT_EQ (procs[0].properties.contents.values.count (AAX_eProperty_AudioBufferLength), 0u);
        EXPECT_EQ (procs[0].properties.contents.values.at (AAX_eProperty_PlugInID_Native), 1);
        EXPECT_EQ (procs[0].processProc, addressOf (process)) << "the duplicate's pointers are the given map's";
        EXPECT_EQ (procs[1].properties.map, given) << "TI: the given map";
        EXPECT_EQ (given->value (AAX_eProperty_AudioBufferLength), 8) << "the given map keeps its length";
        EXPECT_TRUE (old.host.services().assertions().empty());
    }
}

TEST (AddProcessProcOnOldHosts, ADuplicateTheHostSpoilsIsReportedAndTheProcedureStillRegistered)
{
    struct Case
    {
        const char* name;
        const char* spoiledOperation;
        int32_t line;
        const char* expression;
        bool duplicateUsed;
    };

    for (const auto& c : { Case { "the length did not reach the duplicate", "AddProperty", 86, "0 != gotPropertySuccess", false },
                           Case { "the host would not remove it", "RemoveProperty", 90, "AAX_SUCCESS == removeNativeAudioBufferLengthResult", true } })
    {
        SCOPED_TRACE (c.name);
        OldHost old (Versions::all());
        old.map->AddProperty (AAX_eProperty_PlugInID_Native, 1);
        old.map->AddProperty (AAX_eProperty_AudioBufferLength, 8);
        old.host.factory().whenMaking ([&] (HostObject& made) { made.setResult (c.spoiledOperation, AAX_ERROR_INVALID_ARGUMENT); });

        EXPECT_EQ (old.component.AddProcessProc (old.map, nullptr, 0), AAX_SUCCESS);

        const auto assertions = old.host.services().assertions();
        ASSERT_EQ (assertions.size(), 1u);
        EXPECT_EQ (assertions[0].file, "/Library/SDKs/AAX/Libs/AAXLibrary/source/AAX_VComponentDescriptor");
        EXPECT_EQ (assertions[0].line, c.line);
        EXPECT_EQ (assertions[0].note, c.expression);
        EXPECT_EQ (assertions[0].flags, 1);

        const auto procs = old.registered();
        ASSERT_EQ (procs.size(), 1u);
        EXPECT_EQ (procs[0].properties.map != old.host.find<PropertyMap> (old.map->GetIUnknown()), c.duplicateUsed);
    }
}

TEST (AddProcessProcOnOldHosts, NoMapOrNoFirstVersionIsANullObjectAndTheThirdVersionDoesItAll)
{
    {
        OldHost old (Versions::all());
        EXPECT_EQ (old.component.AddProcessProc (nullptr, nullptr, 0), AAX_ERROR_NULL_OBJECT);
    }
    {
        OldHost old (Versions::all(), Versions::none());
        old.map->AddProperty (AAX_eProperty_PlugInID_Native, 1);
        EXPECT_EQ (old.component.AddProcessProc (old.map, nullptr, 0), AAX_ERROR_NULL_OBJECT);
        EXPECT_TRUE (old.host.log().callsTo ("ComponentDescriptor").empty());
    }
    {
        OldHost current (Versions::all(), Versions::all());
        current.map->AddProperty (AAX_eProperty_PlugInID_Native, 1);
        current.map->AddProperty (AAX_eProperty_AudioBufferLength, 8);
        current.map->AddPointerProperty (AAX_eProperty_NativeProcessProc, addressOf (process));

        AAX_CSelector ids[] = { 99, 99 };
        EXPECT_EQ (current.component.AddProcessProc (current.map, ids, 2), AAX_SUCCESS);
        EXPECT_EQ (ids[0], 1u);
        EXPECT_EQ (ids[1], 0u);
        const auto procs = current.registered();
        ASSERT_EQ (procs.size(), 1u);
        EXPECT_TRUE (procs[0].fromAddProcessProc);
        EXPECT_EQ (procs[0].properties.map, current.host.find<PropertyMap> (current.map->GetIUnknown())) << "the host gets the map itself";
        EXPECT_EQ (current.host.objects<PropertyMap>().size(), 1u) << "no duplicate is made";
    }
}
} // namespace quindle::test::aax
