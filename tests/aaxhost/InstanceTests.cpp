// The run-time side of the test host: an instance's unknown and life, the automation delegate
// answering set requests at once or later, and the controller, transport, view container, page
// tables and host services as the plug-in's run-time code meets them.

#include "tests/aax/support/FakeEffectObjects.h"
#include "tests/aaxhost/testhost/TestHost.h"

#include "AAX_CString.h"
#include "AAX_IACFAutomationDelegate.h"
#include "AAX_IACFController.h"
#include "AAX_IACFPageTable.h"
#include "AAX_IACFPageTableController.h"
#include "AAX_IACFTransport.h"
#include "AAX_IACFViewContainer.h"
#include "AAX_UIDs.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace quindle::test::aaxhost
{
namespace
{
    using Kind = AutomationDelegate::Event::Kind;

    template <class Interface>
    Interface* queryAs (IACFUnknown* object, const acfIID& iid)
    {
        void* out = nullptr;
        object->QueryInterface (iid, &out);
        return static_cast<Interface*> (out);
    }

    /** A data-model object that keeps its host's automation delegate, asks it for value changes
        as a parameter does (touch, set request, release) and records the host's answers. */
    struct AutomatedEffect : aax::FakeEffectParameters
    {
        using FakeEffectParameters::FakeEffectParameters;

        AAX_Result Initialize (IACFUnknown* host) override
        {
            hostUnknown = host;
            automation = queryAs<AAX_IACFAutomationDelegate> (host, IID_IAAXAutomationDelegateV1);
            if (automation == nullptr)
                return AAX_ERROR_NULL_OBJECT;
            return automation->RegisterParameter ("Width");
        }

        AAX_Result Uninitialize() override
        {
            if (automation != nullptr)
                automation->Release();
            automation = nullptr;
            return AAX_SUCCESS;
        }

        void requestValue (const char* id, double value) const
        {
            automation->PostTouchRequest (id);
            automation->PostSetValueRequest (id, value);
            automation->PostReleaseRequest (id);
        }

        AAX_Result UpdateParameterNormalizedValue (AAX_CParamID id, double value, AAX_EUpdateSource source) override
        {
            updates.push_back ({ id, value, source });
            automation->PostCurrentValue (id, value);
            if (requestWhileAnswered)
            {
                requestWhileAnswered = false;
                requestValue (id, value / 2);
            }
            return AAX_SUCCESS;
        }

        AAX_Result UpdatePageTable (uint32_t, int32_t pageSize, IACFUnknown* host, IACFUnknown* pageTable) const override
        {
            auto* table = queryAs<AAX_IACFPageTable> (pageTable, IID_IAAXPageTableV1);
            table->InsertPage (0);
            table->MapParameterID ("Width", 0, pageSize - 1);
            table->Release();
            return host == hostUnknown ? AAX_SUCCESS : AAX_ERROR_INVALID_ARGUMENT;
        }

        struct Update
        {
            std::string id;
            double value;
            AAX_EUpdateSource source;
        };

        IACFUnknown* hostUnknown = nullptr;
        AAX_IACFAutomationDelegate* automation = nullptr;
        std::vector<Update> updates;
        bool requestWhileAnswered = false;
    };

    /** A GUI object that finds its data model through the host, as the GUI base does. */
    struct LinkedGUI : aax::FakeEffectGUI
    {
        using FakeEffectGUI::FakeEffectGUI;

        AAX_Result Initialize (IACFUnknown* host) override
        {
            dataModel = queryAs<AAX_IACFEffectParameters> (host, IID_IAAXEffectParametersV1);
            return dataModel != nullptr ? AAX_SUCCESS : AAX_ERROR_NULL_OBJECT;
        }

        AAX_Result Uninitialize() override
        {
            if (dataModel != nullptr)
                dataModel->Release();
            dataModel = nullptr;
            return AAX_SUCCESS;
        }

        AAX_Result SetViewContainer (IACFUnknown* container) override
        {
            if (view != nullptr)
                view->Release();
            view = container != nullptr ? queryAs<AAX_IACFViewContainer> (container, IID_IAAXViewContainerV1) : nullptr;
            if (view != nullptr)
            {
                AAX_Point size { 305.0f, 700.0f };
                view->SetViewSize (size);
            }
            return AAX_SUCCESS;
        }

        AAX_Result GetViewSize (AAX_Point* size) const override
        {
            *size = { 305.0f, 700.0f };
            return AAX_SUCCESS;
        }

        AAX_IACFEffectParameters* dataModel = nullptr;
        AAX_IACFViewContainer* view = nullptr;
    };

    /** A window of the host's that records the sizes it was given. */
    struct RecordingWindow : NativeWindow
    {
        void* nativeView() const override { return reinterpret_cast<void*> (std::uintptr_t { 0x4a00007 }); }
        void resize (int width, int height) override { sizes.emplace_back (width, height); }

        std::vector<std::pair<int, int>> sizes;
    };
}

TEST (TestHostInstance, InitializeHandsTheObjectTheInstanceUnknownAndUninitializeReleasesIt)
{
    Host host;
    aax::EventLog lifetime;
    auto* effect = new AutomatedEffect (&lifetime);

    {
        Instance instance (host);
        ASSERT_EQ (instance.initialize (effect), AAX_SUCCESS);
        EXPECT_EQ (effect->hostUnknown, instance.unknown());
        EXPECT_EQ (instance.automation().registeredParameters(), std::vector<std::string> { "Width" });

        EXPECT_EQ (instance.uninitialize(), AAX_SUCCESS);
        EXPECT_EQ (lifetime, (aax::EventLog { "final release", "destroyed" })) << "the host's reference was the last";
        EXPECT_EQ (instance.effect(), nullptr);
    }

    EXPECT_EQ (host.outstandingReferences(), 0) << host.describeReferences();
    EXPECT_TRUE (host.problems().empty());
}

TEST (TestHostInstance, TheInstanceUnknownAnswersTheRunTimeObjectsAndTheDataModel)
{
    Host host;
    InstanceOptions options;
    options.transport = Versions::none();
    options.componentFactory = false;
    Instance instance (host, options);

    struct Case
    {
        const char* name;
        const acfIID* iid;
        bool answered;
    };

    const Case beforeInitialize[] = {
        { "controller", &IID_IAAXControllerV3, true },
        { "page-table controller", &IID_IAAXPageTableControllerV2, true },
        { "automation delegate", &IID_IAAXAutomationDelegateV1, true },
        { "hidden transport", &IID_IAAXTransportV1, false },
        { "factory left out", &IID_IACFComponentFactory, false },
        { "no data model yet", &IID_IAAXEffectParametersV4, false },
        { "view container is handed over, not queried", &IID_IAAXViewContainerV1, false },
    };

    for (const auto& c : beforeInitialize)
    {
        SCOPED_TRACE (c.name);
        auto* iface = queryAs<IACFUnknown> (instance.unknown(), *c.iid);
        EXPECT_EQ (iface != nullptr, c.answered);
        if (iface != nullptr)
            iface->Release();
    }

    auto* effect = new AutomatedEffect;
    ASSERT_EQ (instance.initialize (effect), AAX_SUCCESS);
    auto* dataModel = queryAs<IACFUnknown> (instance.unknown(), IID_IAAXEffectParametersV4);
    EXPECT_EQ (dataModel, static_cast<IACFUnknown*> (static_cast<AAX_IACFEffectParameters_V4*> (effect)));
    dataModel->Release();
}

TEST (TestHostInstance, TheGUIFindsItsDataModelAndTheViewIsHandedOverAndTakenBack)
{
    Host host;
    aax::EventLog guiLifetime;
    auto* gui = new LinkedGUI (&guiLifetime);
    {
        Instance instance (host);
        ASSERT_EQ (instance.initialize (new AutomatedEffect), AAX_SUCCESS);
        ASSERT_EQ (instance.initializeGUI (gui), AAX_SUCCESS);
        EXPECT_EQ (static_cast<void*> (gui->dataModel), static_cast<void*> (instance.effect()));

        EXPECT_EQ (instance.openView(), AAX_SUCCESS);
        ASSERT_EQ (instance.viewContainer().viewSizes().size(), 1u);
        EXPECT_EQ (instance.viewContainer().viewSizes()[0].horz, 700.0f);
        EXPECT_EQ (instance.closeView(), AAX_SUCCESS);
        EXPECT_EQ (gui->view, nullptr);
        EXPECT_EQ (instance.viewContainer().references(), 0);

        EXPECT_EQ (instance.openView(), AAX_SUCCESS);
    }   // the instance closes the view and releases both objects

    EXPECT_EQ (guiLifetime, aax::EventLog { "destroyed" });
    EXPECT_EQ (host.outstandingReferences(), 0) << host.describeReferences();
}

TEST (TestHostInstance, AHostWindowTakesTheGUIsSizeWhenTheViewOpensAndEverySizeThePlugInAsksFor)
{
    Host host;
    Instance instance (host);
    auto* gui = new LinkedGUI;
    ASSERT_EQ (instance.initialize (new AutomatedEffect), AAX_SUCCESS);
    ASSERT_EQ (instance.initializeGUI (gui), AAX_SUCCESS);
    RecordingWindow window;

    ASSERT_EQ (instance.openViewIn (window), AAX_SUCCESS);
    ASSERT_NE (gui->view, nullptr);
    EXPECT_EQ (gui->view->GetType(), AAX_eViewContainer_Type_HWND);
    EXPECT_EQ (gui->view->GetPtr(), window.nativeView());
    AAX_Point size { 348.0f, 800.0f };
    EXPECT_EQ (gui->view->SetViewSize (size), AAX_SUCCESS);
    EXPECT_EQ (window.sizes, (std::vector<std::pair<int, int>> { { 700, 305 }, { 700, 305 }, { 800, 348 } }))
        << "what the GUI asked for when the view opened, then the GUI's size, then the request";

    EXPECT_EQ (instance.closeView(), AAX_SUCCESS);
    EXPECT_EQ (instance.viewContainer().state.type, AAX_eViewContainer_Type_NULL) << "the window may go";
    EXPECT_EQ (instance.viewContainer().state.nativeView, nullptr);
    EXPECT_EQ (instance.openView(), AAX_SUCCESS);
    EXPECT_EQ (window.sizes.size(), 3u) << "a view without the window leaves it alone";
}

TEST (TestHostInstance, PageTableUpdateGivesTheDataModelAFreshHostTable)
{
    Host host;
    Instance instance (host);
    ASSERT_EQ (instance.initialize (new AutomatedEffect), AAX_SUCCESS);

    const auto update = instance.updatePageTable (0x50544C31, 4);   // 'PTL1'

    EXPECT_EQ (update.result, AAX_SUCCESS);
    ASSERT_NE (update.table, nullptr);
    const PageTable::Contents expected { { { "", "", "", "Width" } }, {} };
    EXPECT_EQ (update.table->contents(), expected);
}

//==============================================================================
TEST (TestHostAutomation, SetRequestsAnsweredAtOnceComeBackInsideTheRequest)
{
    Host host;
    Instance instance (host);
    auto* effect = new AutomatedEffect;
    ASSERT_EQ (instance.initialize (effect), AAX_SUCCESS);
    instance.automation().setUpdateSource (AAX_eUpdateSource_Parameter);

    effect->requestValue ("Width", 0.25);

    const std::vector<AutomationDelegate::Event> expected {
        { Kind::registered, "Width", 0.0 },
        { Kind::touch, "Width", 0.0 },
        { Kind::setRequest, "Width", 0.25 },
        { Kind::currentValue, "Width", 0.25 },   // the answer came before the release
        { Kind::release, "Width", 0.0 },
    };
    EXPECT_EQ (instance.automation().events(), expected);
    ASSERT_EQ (effect->updates.size(), 1u);
    EXPECT_EQ (effect->updates[0].source, AAX_eUpdateSource_Parameter);
    EXPECT_TRUE (instance.automation().pending().empty());
}

TEST (TestHostAutomation, SetRequestsAnsweredLaterWaitUntilDelivered)
{
    Host host;
    Instance instance (host);
    auto* effect = new AutomatedEffect;
    ASSERT_EQ (instance.initialize (effect), AAX_SUCCESS);
    instance.automation().answerSetRequests (AutomationDelegate::Answer::later);

    effect->requestValue ("Width", 0.5);
    effect->requestValue ("Width", 0.75);
    EXPECT_TRUE (effect->updates.empty()) << "nothing is answered inside the request";
    EXPECT_FALSE (instance.automation().isTouched ("Width"));
    ASSERT_EQ (instance.automation().pending().size(), 2u);

    effect->requestWhileAnswered = true;
    const auto delivered = instance.automation().deliverPending();

    ASSERT_EQ (delivered.size(), 2u);
    EXPECT_EQ (delivered[0].value, 0.5);
    EXPECT_EQ (delivered[1].value, 0.75);
    EXPECT_EQ (delivered[1].result, AAX_SUCCESS);
    ASSERT_EQ (instance.automation().pending().size(), 1u) << "a request made while answering waits for the next delivery";
    EXPECT_EQ (instance.automation().pending()[0].value, 0.25);
    EXPECT_EQ (instance.automation().deliverPending().size(), 1u);
    EXPECT_EQ (effect->updates.size(), 3u);
}

TEST (TestHostAutomation, TouchStateFollowsTouchesAndReleases)
{
    Host host;
    Instance instance (host);
    auto* delegate = queryAs<AAX_IACFAutomationDelegate> (instance.unknown(), IID_IAAXAutomationDelegateV1);

    AAX_CBoolean touched = 9;
    delegate->PostTouchRequest ("Balance");
    EXPECT_EQ (delegate->GetTouchState ("Balance", &touched), AAX_SUCCESS);
    EXPECT_EQ (touched, 1);
    EXPECT_EQ (delegate->GetTouchState ("Width", &touched), AAX_SUCCESS);
    EXPECT_EQ (touched, 0);
    delegate->PostReleaseRequest ("Balance");
    delegate->GetTouchState ("Balance", &touched);
    EXPECT_EQ (touched, 0);

    delegate->PostSetValueRequest ("Balance", 1.0);
    EXPECT_EQ (instance.automation().pending().size(), 1u) << "without a data model every request waits";
    delegate->Release();
}

//==============================================================================
TEST (TestHostRunTime, ControllerAnswersFromStateAndRecordsWhatThePluginSends)
{
    Host host;
    Instance instance (host);
    auto& state = instance.controller().state;
    state.meters[7] = { 0.5f, 0.9f, 1 };
    auto* controller = queryAs<AAX_IACFController_V2> (instance.unknown(), IID_IAAXControllerV2);

    float value = 0.0f;
    EXPECT_EQ (controller->GetMeterPeakValue (7, &value), AAX_SUCCESS);
    EXPECT_EQ (value, 0.9f);
    EXPECT_EQ (controller->ClearMeterPeakValue (7), AAX_SUCCESS);
    EXPECT_EQ (state.meters[7].peak, 0.0f);
    EXPECT_EQ (controller->GetCurrentMeterValue (8, &value), AAX_ERROR_INVALID_METER_INDEX);

    const uint8_t payload[] = { 1, 2, 3 };
    EXPECT_EQ (controller->PostPacket (3, payload, sizeof (payload)), AAX_SUCCESS);
    EXPECT_EQ (controller->SetSignalLatency (64), AAX_SUCCESS);
    EXPECT_EQ (controller->SendNotification (0x54726E6D, nullptr, 0), AAX_SUCCESS);

    const auto packets = instance.controller().packets();
    ASSERT_EQ (packets.size(), 1u);
    EXPECT_EQ (packets[0].field, 3);
    EXPECT_EQ (packets[0].payload, (std::vector<uint8_t> { 1, 2, 3 }));
    EXPECT_EQ (instance.controller().latenciesSet(), std::vector<int32_t> { 64 });
    int32_t latency = 0;
    controller->GetSignalLatency (&latency);
    EXPECT_EQ (latency, 64);
    const auto notifications = instance.controller().notifications();
    ASSERT_EQ (notifications.size(), 1u);
    EXPECT_EQ (notifications[0].data, nullptr);
    EXPECT_EQ (notifications[0].size, 0u);

    AAX_CString name;
    EXPECT_EQ (controller->GetHostName (&name), AAX_SUCCESS);
    EXPECT_STREQ (name.Get(), "Quindle Test Host");
    controller->Release();
}

TEST (TestHostRunTime, TransportWritesEveryOutOfAMultiValueAnswer)
{
    Host host;
    Instance instance (host);
    instance.transport().state.looping = true;
    instance.transport().state.loopStartTick = 10;
    instance.transport().state.loopEndTick = 20;
    auto* transport = queryAs<AAX_IACFTransport_V3> (instance.unknown(), IID_IAAXTransportV3);

    bool looping = false;
    int64_t start = 0;
    int64_t end = 0;
    EXPECT_EQ (transport->GetCurrentLoopPosition (&looping, &start, &end), AAX_SUCCESS);
    EXPECT_TRUE (looping);
    EXPECT_EQ (start, 10);
    EXPECT_EQ (end, 20);

    int32_t bars = 0;
    int32_t beats = 0;
    int64_t ticks = -1;
    EXPECT_EQ (transport->GetBarBeatPosition (&bars, &beats, &ticks, 4410), AAX_SUCCESS);
    EXPECT_EQ (ticks, 0);
    EXPECT_EQ (instance.transport().askedSampleLocations(), std::vector<int64_t> { 4410 });
    transport->Release();
}

TEST (TestHostRunTime, PageTableKeepsPagesSlotsAndNameVariations)
{
    Host host;
    auto& table = host.make<PageTable> (Versions::all());
    auto* v2 = queryAs<AAX_IACFPageTable_V2> (table.unknown(), IID_IAAXPageTableV2);

    struct Step
    {
        const char* name;
        std::function<AAX_Result()> call;
        AAX_Result result;
    };

    AAX_CString text;
    int32_t count = -1;
    const Step steps[] = {
        { "insert page 0", [&] { return v2->InsertPage (0); }, AAX_SUCCESS },
        { "insert past the end", [&] { return v2->InsertPage (2); }, AAX_ERROR_INVALID_ARGUMENT },
        { "map slot 2", [&] { return v2->MapParameterID ("Width", 0, 2); }, AAX_SUCCESS },
        { "slots grow to the mapped one", [&] { v2->GetNumMappedParameterIDs (0, count); return count == 3 ? AAX_Result { AAX_SUCCESS } : -1; }, AAX_SUCCESS },
        { "read slot 2", [&] { v2->GetMappedParameterID (0, 2, text); return text != "Width" ? -1 : AAX_Result { AAX_SUCCESS }; }, AAX_SUCCESS },
        { "clear slot 2", [&] { return v2->ClearMappedParameter (0, 2); }, AAX_SUCCESS },
        { "read a missing slot", [&] { return v2->GetMappedParameterID (0, 3, text); }, AAX_ERROR_INVALID_ARGUMENT },
        { "read a missing page", [&] { return v2->GetNumMappedParameterIDs (1, count); }, AAX_ERROR_INVALID_ARGUMENT },
        { "name variation", [&] { return v2->SetParameterNameVariation ("Width", AAX_CString ("Wd"), 2); }, AAX_SUCCESS },
        { "variation by length", [&] { v2->GetParameterNameVariationOfLength ("Width", 2, text); return text != "Wd" ? -1 : AAX_Result { AAX_SUCCESS }; }, AAX_SUCCESS },
        { "no variation of that length", [&] { return v2->GetParameterNameVariationOfLength ("Width", 3, text); }, AAX_ERROR_INVALID_ARGUMENT },
        { "remove page 0", [&] { return v2->RemovePage (0); }, AAX_SUCCESS },
    };

    for (const auto& step : steps)
    {
        SCOPED_TRACE (step.name);
        EXPECT_EQ (step.call(), step.result);
    }

    AAX_CBoolean empty = 0;
    v2->Empty (empty);
    EXPECT_EQ (empty, 1);
    EXPECT_EQ (table.contents().nameVariations.at ("Width").at (2), "Wd");
    v2->Release();
}

TEST (TestHostRunTime, PageTableCopiesFillTheTablePassedAndFailWithoutOne)
{
    Host host;
    Instance instance (host);
    instance.pageTableController().source.pages = { { "Width" } };
    auto& table = host.make<PageTable> (Versions::all());
    auto* controller = queryAs<AAX_IACFPageTableController_V2> (instance.unknown(), IID_IAAXPageTableControllerV2);

    EXPECT_EQ (controller->CopyTableOfLayoutForEffect ("com.Norvane.Quindle", "Main", 1, 8, table.unknown()), AAX_SUCCESS);
    EXPECT_EQ (table.contents().pages, instance.pageTableController().source.pages);
    EXPECT_EQ (controller->CopyTableForEffectFromFile ("/tables.xml", AAX_eTextEncoding_UTF8, 1, 2, 3, 1, 8, nullptr),
               AAX_ERROR_NULL_OBJECT);

    const auto copies = instance.pageTableController().copies();
    ASSERT_EQ (copies.size(), 2u);
    EXPECT_EQ (copies[0].layoutName, "Main");
    EXPECT_EQ (copies[1].filePath, "/tables.xml");
    EXPECT_EQ (copies[1].plugInID, 3);
    controller->Release();
}
} // namespace quindle::test::aaxhost
