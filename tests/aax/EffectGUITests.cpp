// The GUI base as the host drives it, against the test host: Initialize links the GUI to the
// instance's data model, views are attached, replaced and detached with the derived class told
// in order, Uninitialize detaches and lets go of everything, and the base's own answers.

#include "tests/aax/support/FakeEffectObjects.h"
#include "tests/aax/support/TestEffect.h"

#include "AAX_CEffectGUI.h"
#include "AAX_UIDs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quindle::test::aax
{
namespace
{
    /** A GUI on the library's base that records what the base tells it, in order, with the
        native view it saw when it was told to attach. */
    struct RecordingGUI : AAX_CEffectGUI
    {
        void CreateViewContents() override { calls.push_back ("CreateViewContents"); }

        void CreateViewContainer() override
        {
            calls.push_back ("CreateViewContainer");
            attachedTo.push_back (GetViewContainerPtr());
        }

        void DeleteViewContainer() override { calls.push_back ("DeleteViewContainer"); }

        AAX_Result ParameterUpdated (AAX_CParamID id) override
        {
            calls.push_back (std::string ("ParameterUpdated ") + id);
            return AAX_SUCCESS;
        }

        EventLog calls;
        std::vector<void*> attachedTo;
    };

    /** The host's reference on a GUI object, given back when the test ends (before the host
        goes). */
    struct HeldGUI
    {
        HeldGUI() { gui->AddRef(); }
        ~HeldGUI() { gui->Release(); }
        HeldGUI (const HeldGUI&) = delete;
        HeldGUI& operator= (const HeldGUI&) = delete;

        RecordingGUI* operator->() const noexcept { return gui; }

        RecordingGUI* gui = new RecordingGUI;
    };

    std::vector<ParameterDefinition> parametersNamed (std::vector<std::string> ids)
    {
        std::vector<ParameterDefinition> definitions;
        for (auto& id : ids)
            definitions.push_back ({ id, id });
        return definitions;
    }

    /** One instance with its data model initialised, and a GUI object not yet initialised. */
    struct GUISession : EffectSession
    {
        explicit GUISession (std::vector<ParameterDefinition> parameters = parametersNamed ({ "Width", "Balance", "MasterBypassID" }))
            : EffectSession ({}, std::move (parameters))
        {
            auto& view = instance.viewContainer().state;
            view.type = AAX_eViewContainer_Type_HWND;
            view.nativeView = &nativeWindow;
        }

        AAX_Result attach() { return gui->SetViewContainer (instance.viewContainer().unknown()); }

        int nativeWindow = 0;
        HeldGUI gui;
    };
} // namespace

TEST (EffectGUI, InitializeLinksToTheDataModelAndBuildsTheContents)
{
    GUISession session;
    ASSERT_EQ (session.initializeResult, AAX_SUCCESS);
    const int referencesBefore = session.host.outstandingReferences();

    EXPECT_EQ (session.gui->Initialize (session.instance.unknown()), AAX_SUCCESS);

    EXPECT_EQ (session.gui->GetEffectParameters(), static_cast<AAX_IEffectParameters*> (session.effect));
    const auto& constGUI = *session.gui.gui;
    EXPECT_EQ (constGUI.GetEffectParameters(), static_cast<const AAX_IEffectParameters*> (session.effect));
    EXPECT_EQ (session.gui->calls, EventLog { "CreateViewContents" }) << "no view yet, so nothing is attached";
    EXPECT_EQ (session.gui->GetViewContainer(), nullptr);
    EXPECT_EQ (session.gui->GetViewContainerType(), AAX_eViewContainer_Type_NULL);
    EXPECT_EQ (session.gui->GetViewContainerPtr(), nullptr);
    EXPECT_GT (session.host.outstandingReferences(), referencesBefore) << "the controller and transport wrappers hold the host's objects";
    EXPECT_EQ (session.instance.instanceUnknown().queries (IID_IAAXEffectParametersV1), 1);

    EXPECT_EQ (session.gui->Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ (session.gui->GetEffectParameters(), nullptr);
    EXPECT_EQ (session.host.outstandingReferences(), referencesBefore) << session.host.describeReferences();
    EXPECT_TRUE (session.host.problems().empty());
}

TEST (EffectGUI, TheGUIHoldsOneReferenceOnTheDataModelUntilItLetsGo)
{
    struct Case
    {
        const char* name;
        int initializations;
    };

    for (const Case c : { Case { "initialised once", 1 }, Case { "initialised twice", 2 } })
    {
        SCOPED_TRACE (c.name);
        aaxhost::Host host;
        EventLog lifetime;
        auto* dataModel = new FakeEffectParameters (&lifetime);
        HeldGUI gui;
        {
            aaxhost::Instance instance (host);
            instance.initialize (dataModel);   // the fake refuses Initialize; the host holds it all the same
            for (int i = 0; i < c.initializations; ++i)
                EXPECT_EQ (gui->Initialize (instance.unknown()), i == 0 ? AAX_SUCCESS : kAAX_Result_AlreadyInitialized);
            EXPECT_EQ (gui->GetEffectParameters(), static_cast<AAX_IEffectParameters*> (dataModel));
            EXPECT_EQ (gui->calls, EventLog { "CreateViewContents" }) << "a refused Initialize builds nothing";

            ASSERT_EQ (instance.uninitialize(), AAX_ERROR_UNIMPLEMENTED);
            EXPECT_TRUE (lifetime.empty()) << "the host has let go; the GUI's reference keeps the data model";

            EXPECT_EQ (gui->Uninitialize(), AAX_SUCCESS);
            EXPECT_EQ (lifetime, (EventLog { "final release", "destroyed" }));

            EXPECT_EQ (gui->Initialize (instance.unknown()), AAX_SUCCESS) << "Uninitialize ended the first life cycle";
            EXPECT_EQ (gui->Uninitialize(), AAX_SUCCESS);
        }
        EXPECT_EQ (host.outstandingReferences(), 0) << host.describeReferences();
    }
}

TEST (EffectGUI, InitializeWithoutAHostOrWithoutADataModel)
{
    {
        SCOPED_TRACE ("null host");
        HeldGUI gui;
        EXPECT_EQ (gui->Initialize (nullptr), AAX_ERROR_NOT_INITIALIZED);
        EXPECT_TRUE (gui->calls.empty()) << "no contents without a host";
        EXPECT_EQ (gui->GetEffectParameters(), nullptr);
        EXPECT_EQ (gui->Uninitialize(), AAX_SUCCESS);
    }
    {
        SCOPED_TRACE ("a host with no data model attached");
        aaxhost::Host host;
        aaxhost::Instance instance (host);
        HeldGUI gui;
        ASSERT_EQ (gui->Initialize (instance.unknown()), AAX_SUCCESS);
        EXPECT_EQ (gui->GetEffectParameters(), nullptr);

        ASSERT_EQ (gui->SetViewContainer (instance.viewContainer().unknown()), AAX_SUCCESS);
        EXPECT_EQ (gui->calls, (EventLog { "CreateViewContents", "CreateViewContainer" })) << "no parameters to update";
        EXPECT_EQ (gui->Uninitialize(), AAX_SUCCESS);
        EXPECT_EQ (host.outstandingReferences(), 0) << host.describeReferences();
    }
}

TEST (EffectGUI, AttachingAViewCreatesTheContainerThenUpdatesEveryParameterInIndexOrder)
{
    struct Case
    {
        const char* name;
        std::vector<std::string> ids;
    };

    const Case cases[] = {
        { "three parameters", { "Width", "Balance", "MasterBypassID" } },
        { "no parameters", {} },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        GUISession session (parametersNamed (c.ids));
        ASSERT_EQ (session.gui->Initialize (session.instance.unknown()), AAX_SUCCESS);
        session.gui->calls.clear();

        EXPECT_EQ (session.attach(), AAX_SUCCESS);

        EventLog expected { "CreateViewContainer" };
        for (const auto& id : c.ids)
            expected.push_back ("ParameterUpdated " + id);
        EXPECT_EQ (session.gui->calls, expected);
        EXPECT_EQ (session.gui->attachedTo, std::vector<void*> { &session.nativeWindow }) << "the view is there when the container is created";
        EXPECT_EQ (session.gui->GetViewContainerType(), AAX_eViewContainer_Type_HWND);
        EXPECT_EQ (session.gui->GetViewContainerPtr(), &session.nativeWindow);
        EXPECT_NE (session.gui->GetViewContainer(), nullptr);
        EXPECT_GT (session.instance.viewContainer().references(), 0);

        session.gui->Uninitialize();
    }
}

TEST (EffectGUI, ASecondViewReplacesTheFirstWithoutADetach)
{
    GUISession session (parametersNamed ({ "Width" }));
    ASSERT_EQ (session.gui->Initialize (session.instance.unknown()), AAX_SUCCESS);
    ASSERT_EQ (session.attach(), AAX_SUCCESS);
    const int viewReferences = session.instance.viewContainer().references();

    int otherWindow = 0;
    auto& other = session.host.make<aaxhost::ViewContainer> (aaxhost::Versions::all());
    other.state = { AAX_eViewContainer_Type_NSView, &otherWindow, 0 };
    session.gui->calls.clear();

    EXPECT_EQ (session.gui->SetViewContainer (other.unknown()), AAX_SUCCESS);

    EXPECT_EQ (session.gui->calls, (EventLog { "CreateViewContainer", "ParameterUpdated Width" }));
    EXPECT_EQ (session.gui->GetViewContainerPtr(), &otherWindow);
    EXPECT_EQ (session.gui->GetViewContainerType(), AAX_eViewContainer_Type_NSView);
    EXPECT_EQ (session.instance.viewContainer().references(), 0) << "the first view's wrapper is gone";
    EXPECT_EQ (other.references(), viewReferences);

    session.gui->Uninitialize();
    EXPECT_EQ (other.references(), 0);
}

TEST (EffectGUI, DetachingAndUninitializingTakeTheViewAwayOnce)
{
    struct Case
    {
        const char* name;
        bool detachFirst;
    };

    for (const Case c : { Case { "null view, then Uninitialize", true }, Case { "Uninitialize with the view attached", false } })
    {
        SCOPED_TRACE (c.name);
        GUISession session (parametersNamed ({ "Width" }));
        const int referencesBefore = session.host.outstandingReferences();
        ASSERT_EQ (session.gui->Initialize (session.instance.unknown()), AAX_SUCCESS);
        ASSERT_EQ (session.attach(), AAX_SUCCESS);
        session.gui->calls.clear();

        if (c.detachFirst)
        {
            EXPECT_EQ (session.gui->SetViewContainer (nullptr), AAX_SUCCESS);
            EXPECT_EQ (session.gui->GetViewContainer(), nullptr);
            EXPECT_EQ (session.instance.viewContainer().references(), 0);
        }

        EXPECT_EQ (session.gui->Uninitialize(), AAX_SUCCESS);

        EXPECT_EQ (session.gui->calls, EventLog { "DeleteViewContainer" });
        EXPECT_EQ (session.gui->GetViewContainerPtr(), nullptr);
        EXPECT_EQ (session.gui->GetViewContainerType(), AAX_eViewContainer_Type_NULL);
        EXPECT_EQ (session.gui->GetEffectParameters(), nullptr);
        EXPECT_EQ (session.host.outstandingReferences(), referencesBefore) << session.host.describeReferences();
    }
}

TEST (EffectGUI, TheHostsOpenAndCloseRoadThroughTheInstance)
{
    GUISession session (parametersNamed ({ "Width", "Balance" }));
    auto* gui = session.gui.gui;

    ASSERT_EQ (session.instance.initializeGUI (gui), AAX_SUCCESS);
    EXPECT_EQ (session.instance.openView(), AAX_SUCCESS);
    EXPECT_EQ (session.instance.closeView(), AAX_SUCCESS);
    EXPECT_EQ (session.instance.openView(), AAX_SUCCESS);
    EXPECT_EQ (session.instance.uninitializeGUI(), AAX_SUCCESS);

    EXPECT_EQ (gui->calls, (EventLog { "CreateViewContents",
                                       "CreateViewContainer", "ParameterUpdated Width", "ParameterUpdated Balance",
                                       "DeleteViewContainer",
                                       "CreateViewContainer", "ParameterUpdated Width", "ParameterUpdated Balance",
                                       "DeleteViewContainer" }));
}

namespace
{
    /** A data model whose parameter count and IDs the test chooses, failures included. */
    struct ScriptedDataModel : FakeEffectParameters
    {
        AAX_Result GetNumberOfParameters (int32_t* count) const override
        {
            *count = numParameters;
            return countResult;
        }

        AAX_Result GetParameterIDFromIndex (int32_t index, AAX_IString* id) const override
        {
            if (index == unreadableIndex)
                return AAX_ERROR_INVALID_PARAMETER_ID;

            id->Set (("P" + std::to_string (index)).c_str());
            return AAX_SUCCESS;
        }

        int32_t numParameters = 0;
        AAX_Result countResult = AAX_SUCCESS;
        int32_t unreadableIndex = -1;
    };
} // namespace

TEST (EffectGUI, UpdateAllParametersSkipsWhatTheDataModelCannotName)
{
    struct Case
    {
        const char* name;
        int32_t numParameters;
        AAX_Result countResult;
        int32_t unreadableIndex;
        EventLog updates;
    };

    const Case cases[] = {
        { "every ID readable", 3, AAX_SUCCESS, -1, { "ParameterUpdated P0", "ParameterUpdated P1", "ParameterUpdated P2" } },
        { "one ID unreadable", 3, AAX_SUCCESS, 1, { "ParameterUpdated P0", "ParameterUpdated P2" } },
        { "the count fails", 3, AAX_ERROR_UNIMPLEMENTED, -1, {} },
        { "a negative count", -2, AAX_SUCCESS, -1, {} },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        aaxhost::Host host;
        auto* dataModel = new ScriptedDataModel;
        dataModel->numParameters = c.numParameters;
        dataModel->countResult = c.countResult;
        dataModel->unreadableIndex = c.unreadableIndex;
        aaxhost::Instance instance (host);
        instance.initialize (dataModel);
        HeldGUI gui;
        ASSERT_EQ (gui->Initialize (instance.unknown()), AAX_SUCCESS);
        gui->calls.clear();

        gui->UpdateAllParameters();

        EXPECT_EQ (gui->calls, c.updates);
        gui->Uninitialize();
    }
}

TEST (EffectGUI, TheBaseAnswersTheHostsOtherCalls)
{
    HeldGUI held;
    void* queried = nullptr;
    ASSERT_EQ (held->QueryInterface (IID_IAAXEffectGUIV1, &queried), ACF_OK);
    auto* gui = static_cast<AAX_IACFEffectGUI*> (queried);
    EXPECT_EQ (gui, static_cast<AAX_IACFEffectGUI*> (held.gui));

    const uint32_t data = 1;
    AAX_Point size { -1.0f, -1.0f };
    AAX_Rect rect {};
    AAX_CString label ("untouched");

    struct Case
    {
        const char* name;
        AAX_Result result;
        AAX_Result expected;
    };

    const Case cases[] = {
        { "NotificationReceived", gui->NotificationReceived (0x41535076, &data, sizeof (data)), AAX_SUCCESS },
        { "GetViewSize", gui->GetViewSize (&size), AAX_SUCCESS },
        { "Draw", gui->Draw (&rect), AAX_SUCCESS },
        { "TimerWakeup", gui->TimerWakeup(), AAX_SUCCESS },
        { "ParameterUpdated", static_cast<AAX_CEffectGUI*> (held.gui)->AAX_CEffectGUI::ParameterUpdated ("Width"), AAX_SUCCESS },
        { "GetCustomLabel", gui->GetCustomLabel (AAX_ePlugInStrings_Analysis, &label), AAX_ERROR_NULL_OBJECT },
        { "SetControlHighlightInfo", gui->SetControlHighlightInfo ("Width", 1, AAX_eHighlightColor_Red), AAX_SUCCESS },
    };

    for (const auto& c : cases)
        EXPECT_EQ (c.result, c.expected) << c.name;

    EXPECT_EQ (size.vert, -1.0f) << "the base knows no size and writes none";
    EXPECT_STREQ (label.Get(), "untouched");
    EXPECT_TRUE (held->calls.empty());
    gui->Release();
}

TEST (EffectGUI, TimerWakeupRunsTheHookTheBundleSetAndStillAnswersZero)
{
    static int wakeups;
    wakeups = 0;
    HeldGUI held;

    AAX_CEffectGUI::SetTimerWakeupHook ([] { ++wakeups; });
    EXPECT_EQ (held->TimerWakeup(), AAX_SUCCESS);
    EXPECT_EQ (held->TimerWakeup(), AAX_SUCCESS);
    EXPECT_EQ (wakeups, 2) << "once per wakeup";

    AAX_CEffectGUI::SetTimerWakeupHook (nullptr);
    EXPECT_EQ (held->TimerWakeup(), AAX_SUCCESS);
    EXPECT_EQ (wakeups, 2) << "without a hook nothing runs";
    EXPECT_TRUE (held->calls.empty());
}

TEST (EffectGUI, EachGUIObjectIsCountedWhileItLives)
{
    const int32_t before = CACFUnknown::m_ActiveObjects.load();
    {
        HeldGUI gui;
        EXPECT_EQ (CACFUnknown::m_ActiveObjects.load(), before + 1);
    }
    EXPECT_EQ (CACFUnknown::m_ActiveObjects.load(), before);
}
} // namespace quindle::test::aax
