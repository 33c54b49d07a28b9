// The description side of the test host: what a plug-in's description leaves in the
// collection, the effect and component descriptors and the property maps, the plug-in
// definition, the third version's AddProcessProc, and the features of the description host.

#include "tests/aaxhost/testhost/TestHost.h"

#include "AAX_IACFCollection.h"
#include "AAX_IACFComponentDescriptor.h"
#include "AAX_IACFDescriptionHost.h"
#include "AAX_IACFEffectDescriptor.h"
#include "AAX_IACFFeatureInfo.h"
#include "AAX_IACFPropertyMap.h"
#include "AAX_UIDs.h"

#include <gtest/gtest.h>

namespace quindle::test::aaxhost
{
namespace
{
    /** Makes host components through the host's factory, as the description wrappers do. */
    struct Maker
    {
        explicit Maker (Host& h) : host (h)
        {
            void* out = nullptr;
            host.unknown()->QueryInterface (IID_IACFComponentFactory, &out);
            factory = static_cast<IACFComponentFactory*> (out);
        }

        ~Maker()
        {
            for (auto* object : made)
                object->Release();
            factory->Release();
        }

        template <class Interface>
        Interface* make (const acfCLSID& component, const acfIID& iid)
        {
            void* out = nullptr;
            factory->CreateComponent (component, nullptr, iid, &out);
            if (out != nullptr)
                made.push_back (static_cast<IACFUnknown*> (out));
            return static_cast<Interface*> (out);
        }

        Host& host;
        IACFComponentFactory* factory = nullptr;
        std::vector<IACFUnknown*> made;
    };

    void nativeProcess (void* const[], const void* const) {}
}

TEST (TestHostDescription, RecordsTheDescriptionTreeWithPropertySnapshots)
{
    Host host;
    Maker maker (host);
    auto* collection = maker.make<AAX_IACFCollection> (AAXCompID_AAXCollection, IID_IAAXCollectionV1);
    auto* effect = maker.make<AAX_IACFEffectDescriptor_V2> (AAXCompID_AAXEffectDescriptor, IID_IAAXEffectDescriptorV2);
    auto* component = maker.make<AAX_IACFComponentDescriptor> (AAXCompID_AAXComponentDescriptor, IID_IAAXComponentDescriptorV1);
    auto* map = maker.make<AAX_IACFPropertyMap> (AAXCompID_AAXPropertyMap, IID_IAAXPropertyMapV1);
    ASSERT_TRUE (collection && effect && component && map);

    map->AddProperty (AAX_eProperty_InputStemFormat, AAX_eStemFormat_Mono);
    component->AddAudioIn (0);
    component->AddPrivateData (5, 16, AAX_ePrivateDataOptions_KeepOnReset);
    AAX_CSelector id = 0;
    EXPECT_EQ (component->AddProcessProc_Native (nativeProcess, map, nullptr, nullptr, &id), AAX_SUCCESS);
    EXPECT_EQ (id, 1u);
    map->AddProperty (AAX_eProperty_InputStemFormat, AAX_eStemFormat_Stereo);   // after registration

    effect->AddName ("Quindle");
    effect->AddCategory (512);
    effect->AddProcPtr (reinterpret_cast<void*> (0x1234), kAAX_ProcPtrID_Create_EffectGUI);
    effect->AddComponent (component);
    collection->AddEffect ("com.Norvane.Quindle", effect);
    collection->AddPackageName ("Quindle");
    collection->SetPackageVersion (0x010200);

    ASSERT_EQ (host.objects<Collection>().size(), 1u);
    const auto description = host.objects<Collection>()[0]->description();
    ASSERT_EQ (description.effects.size(), 1u);
    EXPECT_EQ (description.effects[0].id, "com.Norvane.Quindle");
    EXPECT_EQ (description.packageVersion, 0x010200u);

    ASSERT_NE (description.effects[0].descriptor, nullptr);
    const auto& effectDescriptor = *description.effects[0].descriptor;
    EXPECT_EQ (effectDescriptor.description().names, std::vector<std::string> { "Quindle" });
    EXPECT_EQ (effectDescriptor.procPtr (kAAX_ProcPtrID_Create_EffectGUI), reinterpret_cast<void*> (0x1234));
    EXPECT_EQ (effectDescriptor.procPtr (kAAX_ProcPtrID_Create_EffectParameters), nullptr);

    ASSERT_EQ (effectDescriptor.description().components.size(), 1u);
    const auto componentDescription = effectDescriptor.description().components[0]->description();
    ASSERT_EQ (componentDescription.fields.size(), 2u);
    EXPECT_EQ (componentDescription.fields[1].operation, "AddPrivateData");
    EXPECT_EQ (componentDescription.fields[1].values, (std::vector<int64_t> { 16, 1 }));
    ASSERT_EQ (componentDescription.processProcs.size(), 1u);
    const auto& proc = componentDescription.processProcs[0];
    EXPECT_EQ (proc.processProc, reinterpret_cast<const void*> (&nativeProcess));
    EXPECT_EQ (proc.properties.contents.values.at (AAX_eProperty_InputStemFormat), AAX_eStemFormat_Mono)
        << "the map as it was at registration";
    EXPECT_TRUE (host.problems().empty());
}

TEST (TestHostDescription, ForeignObjectsPassedToTheHostAreProblems)
{
    Host host;
    Maker maker (host);
    auto* collection = maker.make<AAX_IACFCollection> (AAXCompID_AAXCollection, IID_IAAXCollectionV1);
    Instance instance (host);

    collection->AddEffect ("x", instance.unknown());   // one of ours, but not an effect descriptor
    EXPECT_EQ (host.objects<Collection>()[0]->description().effects[0].descriptor, nullptr);
    EXPECT_EQ (host.problems().size(), 1u);
}

TEST (TestHostDescription, TheCollectionAnswersForItsPluginDefinitionAsOffered)
{
    for (const bool offered : { true, false })
    {
        SCOPED_TRACE (offered ? "offered" : "hidden");
        HostOptions options;
        options.pluginDefinition = offered ? Versions::all() : Versions::none();
        Host host (options);
        Maker maker (host);
        auto* collection = maker.make<AAX_IACFCollection> (AAXCompID_AAXCollection, IID_IAAXCollectionV1);

        void* definition = nullptr;
        EXPECT_EQ (collection->QueryInterface (IID_IACFPluginDefinition, &definition), offered ? ACF_OK : ACF_E_NOINTERFACE);
        if (offered)
        {
            EXPECT_EQ (definition, host.objects<Collection>()[0]->pluginDefinition().unknown());
            EXPECT_EQ (host.objects<Collection>()[0]->pluginDefinition().references(), 1);
            static_cast<IACFUnknown*> (definition)->Release();
        }
    }
}

TEST (TestHostDescription, ThirdVersionAddProcessProcRegistersWhatTheMapNames)
{
    struct Case
    {
        const char* name;
        bool native;
        bool ti;
        int32_t idsSize;
        AAX_Result result;
        std::vector<AAX_CSelector> ids;
    };

    const Case cases[] = {
        { "native, room for the terminator", true, false, 2, AAX_SUCCESS, { 1, 0 } },
        { "native and TI", true, true, 3, AAX_SUCCESS, { 1, 2, 0 } },
        { "no room for the terminator", true, false, 1, AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW, { 99 } },
        { "nothing named", false, false, 1, AAX_SUCCESS, { 0 } },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        Host host;
        Maker maker (host);
        auto* component = maker.make<AAX_IACFComponentDescriptor_V3> (AAXCompID_AAXComponentDescriptor, IID_IAAXComponentDescriptorV3);
        auto* map = maker.make<AAX_IACFPropertyMap_V3> (AAXCompID_AAXPropertyMap, IID_IAAXPropertyMapV3);
        if (c.native)
            map->AddPointerProperty (AAX_eProperty_NativeProcessProc, reinterpret_cast<const void*> (&nativeProcess));
        if (c.ti)
            map->AddPointerProperty (AAX_eProperty_TIProcessProc, "AlgorithmProcess");

        std::vector<AAX_CSelector> ids (c.ids.size(), 99);
        EXPECT_EQ (component->AddProcessProc (map, ids.data(), c.idsSize), c.result);
        EXPECT_EQ (ids, c.ids);

        const auto procs = host.objects<ComponentDescriptor>()[0]->description().processProcs;
        EXPECT_EQ (procs.size(), static_cast<size_t> (c.native) + static_cast<size_t> (c.ti));
        if (c.ti)
        {
            EXPECT_EQ (procs.back().processProcSymbol, "AlgorithmProcess");
        }
    }
}

TEST (TestHostDescription, PropertyMapKeepsValuesPointersAndIDArrays)
{
    Host host;
    Maker maker (host);
    auto* map = maker.make<AAX_IACFPropertyMap_V3> (AAXCompID_AAXPropertyMap, IID_IAAXPropertyMapV3);

    const AAX_SPlugInIdentifierTriad triads[] = { { 1, 2, 3 }, { 4, 5, 6 } };
    map->AddProperty (AAX_eProperty_ManufacturerID, 0x56656D6B);
    map->AddPointerProperty (AAX_eProperty_NativeInstanceInitProc, triads);
    map->AddPropertyWithIDArray (AAX_eProperty_PlugInID_Native, triads, 2);

    AAX_CPropertyValue value = 0;
    EXPECT_EQ (map->GetProperty (AAX_eProperty_ManufacturerID, &value), 1);
    EXPECT_EQ (value, 0x56656D6B);
    EXPECT_EQ (map->GetProperty (AAX_eProperty_NativeInstanceInitProc, &value), 0) << "pointers are not integers";
    const void* pointer = nullptr;
    EXPECT_EQ (map->GetPointerProperty (AAX_eProperty_NativeInstanceInitProc, &pointer), 1);
    EXPECT_EQ (pointer, triads);
    const AAX_SPlugInIdentifierTriad* ids = nullptr;
    uint32_t count = 0;
    EXPECT_EQ (map->GetPropertyWithIDArray (AAX_eProperty_PlugInID_Native, &ids, &count), 1);
    ASSERT_EQ (count, 2u);
    EXPECT_EQ (ids[1].mPlugInID, 6) << "the host keeps its own copy";

    EXPECT_EQ (map->RemoveProperty (AAX_eProperty_ManufacturerID), AAX_SUCCESS);
    EXPECT_EQ (map->RemoveProperty (AAX_eProperty_ManufacturerID), AAX_ERROR_PROPERTY_UNDEFINED);
    EXPECT_EQ (map->GetProperty (AAX_eProperty_ManufacturerID, &value), 0);
}

TEST (TestHostDescription, DescriptionHostHandsOutKnownFeaturesAndTheirProperties)
{
    Host host;
    auto& stemFormats = host.descriptionHost().addFeature (AAXATTR_ClientFeature_StemFormat, AAX_eSupportLevel_ByProperty);
    stemFormats.properties().set (AAX_eStemFormat_Stereo, AAX_eSupportLevel_Supported);

    void* out = nullptr;
    host.unknown()->QueryInterface (IID_IAAXDescriptionHostV1, &out);
    auto* descriptionHost = static_cast<AAX_IACFDescriptionHost*> (out);

    IACFUnknown* feature = reinterpret_cast<IACFUnknown*> (0x1);
    EXPECT_EQ (descriptionHost->AcquireFeatureProperties (IID_IAAXControllerV1, &feature), AAX_SUCCESS);
    EXPECT_EQ (feature, nullptr) << "an unknown feature: success and no object";

    ASSERT_EQ (descriptionHost->AcquireFeatureProperties (AAXATTR_ClientFeature_StemFormat, &feature), AAX_SUCCESS);
    void* info = nullptr;
    ASSERT_EQ (feature->QueryInterface (IID_IAAXFeatureInfoV1, &info), ACF_OK);
    auto* featureInfo = static_cast<AAX_IACFFeatureInfo*> (info);

    AAX_ESupportLevel level = AAX_eSupportLevel_Uninitialized;
    EXPECT_EQ (featureInfo->SupportLevel (level), AAX_SUCCESS);
    EXPECT_EQ (level, AAX_eSupportLevel_ByProperty);

    IACFUnknown* properties = nullptr;
    ASSERT_EQ (featureInfo->AcquireProperties (&properties), AAX_SUCCESS);
    void* mapOut = nullptr;
    ASSERT_EQ (properties->QueryInterface (IID_IAAXPropertyMapV1, &mapOut), ACF_OK);
    AAX_CPropertyValue support = 0;
    EXPECT_EQ (static_cast<AAX_IACFPropertyMap*> (mapOut)->GetProperty (static_cast<AAX_EProperty> (AAX_eStemFormat_Stereo), &support), 1);
    EXPECT_EQ (support, AAX_eSupportLevel_Supported);

    for (auto* iface : { static_cast<IACFUnknown*> (descriptionHost), feature, static_cast<IACFUnknown*> (featureInfo),
                         properties, static_cast<IACFUnknown*> (mapOut) })
        iface->Release();
    EXPECT_EQ (host.outstandingReferences(), 0) << host.describeReferences();

    host.descriptionHost().setResult ("AcquireFeatureProperties", AAX_ERROR_UNIMPLEMENTED);
    host.unknown()->QueryInterface (IID_IAAXDescriptionHostV1, &out);
    feature = reinterpret_cast<IACFUnknown*> (0x1);
    EXPECT_EQ (static_cast<AAX_IACFDescriptionHost*> (out)->AcquireFeatureProperties (AAXATTR_ClientFeature_StemFormat, &feature),
               AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (feature, nullptr);
}
} // namespace quindle::test::aaxhost
