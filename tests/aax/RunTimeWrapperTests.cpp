// The run-time wrappers against the test host: which host version each operation reaches and
// what it answers without it (with the view container's and the time stamp's exceptions), what
// reaches the host unchanged, the page-table copies and the host services.

#include "tests/aax/support/ForwardingCheck.h"

#include "AAX_CString.h"
#include "AAX_VAutomationDelegate.h"
#include "AAX_VController.h"
#include "AAX_VHostServices.h"
#include "AAX_VPageTable.h"
#include "AAX_VTransport.h"
#include "AAX_VViewContainer.h"

#include <gtest/gtest.h>

namespace quindle::test::aax
{
namespace
{
    using namespace aaxhost;
    constexpr auto kFromUnknown = LaterVersions::fromUnknown;

    /** A wrapper over the unknown of an instance whose options offer versions of one interface;
        hostObject picks the wrapped object out of the instance. */
    template <class Wrapper>
    MakeSubject<Wrapper> overInstance (Versions InstanceOptions::*field, std::function<HostObject& (Instance&)> hostObject)
    {
        return [field, hostObject] (Versions versions) {
            InstanceOptions options;
            options.*field = versions;
            Subject<Wrapper> subject;
            subject.host = std::make_unique<Host>();
            subject.instance = std::make_unique<Instance> (*subject.host, options);
            subject.hostObject = &hostObject (*subject.instance);
            subject.wrapper = std::make_unique<Wrapper> (subject.instance->unknown());
            return subject;
        };
    }

    /** A wrapper over one host object made with the versions under test. */
    template <class Wrapper, class HostType>
    MakeSubject<Wrapper> overObject()
    {
        return [] (Versions versions) {
            Subject<Wrapper> subject;
            subject.host = std::make_unique<Host>();
            subject.hostObject = &subject.host->template make<HostType> (versions);
            subject.wrapper = std::make_unique<Wrapper> (subject.hostObject->unknown());
            return subject;
        };
    }
}

TEST (RunTimeWrappers, ControllerForwardsToTheVersionOfEachOperation)
{
    using C = AAX_VController;
    static AAX_CString text;
    static AAX_CSampleRate rate;
    static AAX_EStemFormat format;
    static int32_t samples;
    static AAX_CPropertyValue cycles;
    static AAX_CTimeOfDay tod;
    static AAX_EProperty properties[] = { AAX_eProperty_ProductID };
    static AAX_CPropertyValue values[] = { 1 };
    static float meter;
    static uint32_t count;
    static AAX_CBoolean flag;
    static AAX_CFieldIndex port;
    static AAX_CMidiPacket packet;
    static AAX_CTransportCounter timestamp;
    static AAX_CTargetPlatform platform;

    const std::vector<Forwarded<C>> table {
        { "GetEffectID", 1, kNoHostObject, [] (C& c) { return c.GetEffectID (&text); } },
        { "GetSampleRate", 1, kNoHostObject, [] (C& c) { return c.GetSampleRate (&rate); } },
        { "GetInputStemFormat", 1, kNoHostObject, [] (C& c) { return c.GetInputStemFormat (&format); } },
        { "GetOutputStemFormat", 1, kNoHostObject, [] (C& c) { return c.GetOutputStemFormat (&format); } },
        { "GetSignalLatency", 1, kNoHostObject, [] (C& c) { return c.GetSignalLatency (&samples); } },
        { "GetCycleCount", 1, kNoHostObject, [] (C& c) { return c.GetCycleCount (AAX_eProperty_ProductID, &cycles); } },
        { "GetTODLocation", 1, kNoHostObject, [] (C& c) { return c.GetTODLocation (&tod); } },
        { "SetSignalLatency", 1, kNoHostObject, [] (C& c) { return c.SetSignalLatency (32); } },
        { "SetCycleCount", 1, kNoHostObject, [] (C& c) { return c.SetCycleCount (properties, values, 1); } },
        { "PostPacket", 1, kNoHostObject, [] (C& c) { return c.PostPacket (3, &rate, sizeof (rate)); } },
        { "SendNotification", 2, kNotImplementedByHost, [] (C& c) { return c.SendNotification (0x54726E6D, &rate, sizeof (rate)); } },
        { "SendNotification", 2, kNotImplementedByHost, [] (C& c) { return c.SendNotification (0x54726E6D); } },
        { "GetCurrentMeterValue", 1, kNoHostObject, [] (C& c) { return c.GetCurrentMeterValue (1, &meter); } },
        { "GetMeterPeakValue", 1, kNoHostObject, [] (C& c) { return c.GetMeterPeakValue (1, &meter); } },
        { "ClearMeterPeakValue", 1, kNoHostObject, [] (C& c) { return c.ClearMeterPeakValue (1); } },
        { "GetMeterCount", 1, kNoHostObject, [] (C& c) { return c.GetMeterCount (&count); } },
        { "GetMeterClipped", 1, kNoHostObject, [] (C& c) { return c.GetMeterClipped (1, &flag); } },
        { "ClearMeterClipped", 1, kNoHostObject, [] (C& c) { return c.ClearMeterClipped (1); } },
        { "GetNextMIDIPacket", 1, kNoHostObject, [] (C& c) { return c.GetNextMIDIPacket (&port, &packet); } },
        { "GetHybridSignalLatency", 2, kNotImplementedByHost, [] (C& c) { return c.GetHybridSignalLatency (&samples); } },
        { "GetCurrentAutomationTimestamp", 2, kNotImplementedByHost, [] (C& c) { return c.GetCurrentAutomationTimestamp (&timestamp); } },
        { "GetHostName", 2, kNotImplementedByHost, [] (C& c) { return c.GetHostName (&text); } },
        { "GetPlugInTargetPlatform", 3, kNotImplementedByHost, [] (C& c) { return c.GetPlugInTargetPlatform (&platform); } },
        { "GetIsAudioSuite", 3, kNotImplementedByHost, [] (C& c) { return c.GetIsAudioSuite (&flag); } },
    };
    expectForwarding (table, overInstance<C> (&InstanceOptions::controller, &Instance::controller), kFromUnknown);
}

TEST (RunTimeWrappers, AutomationDelegateForwardsToItsOneVersion)
{
    using A = AAX_VAutomationDelegate;
    static AAX_CBoolean touched;
    const std::vector<Forwarded<A>> table {
        { "RegisterParameter", 1, kNoHostObject, [] (A& a) { return a.RegisterParameter ("Width"); } },
        { "UnregisterParameter", 1, kNoHostObject, [] (A& a) { return a.UnregisterParameter ("Width"); } },
        { "PostSetValueRequest", 1, kNoHostObject, [] (A& a) { return a.PostSetValueRequest ("Width", 0.5); } },
        { "PostCurrentValue", 1, kNoHostObject, [] (A& a) { return a.PostCurrentValue ("Width", 0.5); } },
        { "PostTouchRequest", 1, kNoHostObject, [] (A& a) { return a.PostTouchRequest ("Width"); } },
        { "PostReleaseRequest", 1, kNoHostObject, [] (A& a) { return a.PostReleaseRequest ("Width"); } },
        { "GetTouchState", 1, kNoHostObject, [] (A& a) { return a.GetTouchState ("Width", &touched); } },
    };
    expectForwarding (table, overInstance<A> (&InstanceOptions::automationDelegate, &Instance::automation), kFromUnknown);
}

TEST (RunTimeWrappers, TransportForwardsToTheVersionOfEachOperation)
{
    using T = AAX_VTransport;
    static double tempo;
    static int32_t a, b;
    static int64_t c64, d64;
    static bool yes;
    static uint32_t ticks;
    static AAX_EFrameRate rate;
    static AAX_EFeetFramesRate feetFrames;
    const std::vector<Forwarded<T>> table {
        { "GetCurrentTempo", 1, kNoHostObject, [] (T& t) { return t.GetCurrentTempo (&tempo); } },
        { "GetCurrentMeter", 1, kNoHostObject, [] (T& t) { return t.GetCurrentMeter (&a, &b); } },
        { "IsTransportPlaying", 1, kNoHostObject, [] (T& t) { return t.IsTransportPlaying (&yes); } },
        { "GetCurrentTickPosition", 1, kNoHostObject, [] (T& t) { return t.GetCurrentTickPosition (&c64); } },
        { "GetCurrentLoopPosition", 1, kNoHostObject, [] (T& t) { return t.GetCurrentLoopPosition (&yes, &c64, &d64); } },
        { "GetCurrentNativeSampleLocation", 1, kNoHostObject, [] (T& t) { return t.GetCurrentNativeSampleLocation (&c64); } },
        { "GetCustomTickPosition", 1, kNoHostObject, [] (T& t) { return t.GetCustomTickPosition (&c64, 10); } },
        { "GetBarBeatPosition", 1, kNoHostObject, [] (T& t) { return t.GetBarBeatPosition (&a, &b, &c64, 10); } },
        { "GetTicksPerQuarter", 1, kNoHostObject, [] (T& t) { return t.GetTicksPerQuarter (&ticks); } },
        { "GetCurrentTicksPerBeat", 1, kNoHostObject, [] (T& t) { return t.GetCurrentTicksPerBeat (&ticks); } },
        { "GetTimelineSelectionStartPosition", 2, kNotImplementedByHost, [] (T& t) { return t.GetTimelineSelectionStartPosition (&c64); } },
        { "GetTimeCodeInfo", 2, kNotImplementedByHost, [] (T& t) { return t.GetTimeCodeInfo (&rate, &a); } },
        { "GetFeetFramesInfo", 2, kNotImplementedByHost, [] (T& t) { return t.GetFeetFramesInfo (&feetFrames, &c64); } },
        { "IsMetronomeEnabled", 2, kNotImplementedByHost, [] (T& t) { return t.IsMetronomeEnabled (&a); } },
        { "GetHDTimeCodeInfo", 3, kNotImplementedByHost, [] (T& t) { return t.GetHDTimeCodeInfo (&rate, &c64); } },
    };
    expectForwarding (table, overInstance<T> (&InstanceOptions::transport, &Instance::transport), kFromUnknown);
}

TEST (RunTimeWrappers, ViewContainerForwardsAndWithoutAViewSizesNothingSuccessfully)
{
    using V = AAX_VViewContainer;
    static uint32_t modifiers;
    static AAX_Point size { 305.0f, 700.0f };
    static const AAX_CParamID ids[] = { "Width", "Balance" };
    const std::vector<Forwarded<V>> table {
        { "GetModifiers", 1, kNotImplementedByHost, [] (V& v) { return v.GetModifiers (&modifiers); } },
        { "SetViewSize", 1, AAX_SUCCESS, [] (V& v) { return v.SetViewSize (size); } },
        { "HandleParameterMouseDown", 1, kNotImplementedByHost, [] (V& v) { return v.HandleParameterMouseDown ("Width", 1); } },
        { "HandleParameterMouseDrag", 1, kNotImplementedByHost, [] (V& v) { return v.HandleParameterMouseDrag ("Width", 1); } },
        { "HandleParameterMouseUp", 1, kNotImplementedByHost, [] (V& v) { return v.HandleParameterMouseUp ("Width", 1); } },
        { "HandleParameterMouseEnter", 3, kNotImplementedByHost, [] (V& v) { return v.HandleParameterMouseEnter ("Width", 0); } },
        { "HandleParameterMouseExit", 3, kNotImplementedByHost, [] (V& v) { return v.HandleParameterMouseExit ("Width", 0); } },
        { "HandleMultipleParametersMouseDown", 2, kNotImplementedByHost, [] (V& v) { return v.HandleMultipleParametersMouseDown (ids, 2, 0); } },
        { "HandleMultipleParametersMouseDrag", 2, kNotImplementedByHost, [] (V& v) { return v.HandleMultipleParametersMouseDrag (ids, 2, 0); } },
        { "HandleMultipleParametersMouseUp", 2, kNotImplementedByHost, [] (V& v) { return v.HandleMultipleParametersMouseUp (ids, 2, 0); } },
    };
    expectForwarding (table, overObject<V, ViewContainer>(), kFromUnknown);
}

TEST (RunTimeWrappers, PageTableForwardsAndAnswersUnimplementedForEveryMissingVersion)
{
    using P = AAX_VPageTable;
    static AAX_CBoolean empty;
    static int32_t count;
    static AAX_CString text;
    const std::vector<Forwarded<P>> table {
        { "Clear", 1, kNotImplementedByHost, [] (P& p) { return p.Clear(); } },
        { "Empty", 1, kNotImplementedByHost, [] (P& p) { return p.Empty (empty); } },
        { "GetNumPages", 1, kNotImplementedByHost, [] (P& p) { return p.GetNumPages (count); } },
        { "InsertPage", 1, kNotImplementedByHost, [] (P& p) { return p.InsertPage (0); } },
        { "RemovePage", 1, kNotImplementedByHost, [] (P& p) { return p.RemovePage (0); } },
        { "GetNumMappedParameterIDs", 1, kNotImplementedByHost, [] (P& p) { return p.GetNumMappedParameterIDs (0, count); } },
        { "ClearMappedParameter", 1, kNotImplementedByHost, [] (P& p) { return p.ClearMappedParameter (0, 0); } },
        { "GetMappedParameterID", 1, kNotImplementedByHost, [] (P& p) { return p.GetMappedParameterID (0, 0, text); } },
        { "MapParameterID", 1, kNotImplementedByHost, [] (P& p) { return p.MapParameterID ("Width", 0, 0); } },
        { "GetNumParametersWithNameVariations", 2, kNotImplementedByHost, [] (P& p) { return p.GetNumParametersWithNameVariations (count); } },
        { "GetNameVariationParameterIDAtIndex", 2, kNotImplementedByHost, [] (P& p) { return p.GetNameVariationParameterIDAtIndex (0, text); } },
        { "GetNumNameVariationsForParameter", 2, kNotImplementedByHost, [] (P& p) { return p.GetNumNameVariationsForParameter ("Width", count); } },
        { "GetParameterNameVariationAtIndex", 2, kNotImplementedByHost, [] (P& p) { return p.GetParameterNameVariationAtIndex ("Width", 0, text, count); } },
        { "GetParameterNameVariationOfLength", 2, kNotImplementedByHost, [] (P& p) { return p.GetParameterNameVariationOfLength ("Width", 2, text); } },
        { "ClearParameterNameVariations", 2, kNotImplementedByHost, [] (P& p) { return p.ClearParameterNameVariations(); } },
        { "ClearNameVariationsForParameter", 2, kNotImplementedByHost, [] (P& p) { return p.ClearNameVariationsForParameter ("Width"); } },
        { "SetParameterNameVariation", 2, kNotImplementedByHost, [] (P& p) { return p.SetParameterNameVariation ("Width", AAX_CString ("Wd"), 2); } },
    };
    expectForwarding (table, overObject<P, PageTable>(), kFromUnknown);
}

TEST (RunTimeWrappers, HostServicesCreatesEachVersionAndForwardsToIt)
{
    using H = AAX_VHostServices;
    const std::vector<Forwarded<H>> table {
        { "HandleAssertFailure", 3, kNoHostObject, [] (H& h) { return h.HandleAssertFailure ("file", 1, "0", 1); } },
        { "Trace", 1, kNoHostObject, [] (H& h) { return h.Trace (0x08000000, "text"); } },
        { "StackTrace", 2, kNotImplementedByHost, [] (H& h) { return h.StackTrace (0x08000000, 0x04000000, "text"); } },
    };

    const MakeSubject<H> make = [] (Versions versions) {
        HostOptions options;
        options.hostServices = versions;
        Subject<H> subject;
        subject.host = std::make_unique<Host> (options);
        subject.hostObject = &subject.host->services();
        subject.wrapper = std::make_unique<H> (subject.host->unknown());
        return subject;
    };
    expectForwarding (table, make, kFromUnknown);
}

//==============================================================================
TEST (RunTimeWrappers, ArgumentsAndAnswersPassUnchanged)
{
    Host host;
    Instance instance (host);
    instance.controller().state.hostName = "Pro Tools";
    instance.transport().state.meterNumerator = 7;
    instance.transport().state.meterDenominator = 8;
    instance.viewContainer().state.type = AAX_eViewContainer_Type_NSView;
    int nativeView = 0;
    instance.viewContainer().state.nativeView = &nativeView;
    instance.viewContainer().state.modifiers = AAX_eModifiers_Shift;

    AAX_VController controller (instance.unknown());
    AAX_VTransport transport (instance.unknown());
    AAX_VAutomationDelegate automation (instance.unknown());
    AAX_VViewContainer view (instance.viewContainer().unknown());

    const uint8_t bypass[] = { 1, 0, 0, 0 };
    EXPECT_EQ (controller.PostPacket (3, bypass, sizeof (bypass)), AAX_SUCCESS);
    EXPECT_EQ (instance.controller().packets().at (0).payload, std::vector<uint8_t> (bypass, bypass + 4));
    EXPECT_EQ (controller.SendNotification (0x54726E6D), AAX_SUCCESS);
    const auto notification = instance.controller().notifications().at (0);
    EXPECT_EQ (notification.type, 0x54726E6Du);
    EXPECT_EQ (notification.data, nullptr) << "the one-argument form is the host's three-argument one with no data";
    EXPECT_EQ (notification.size, 0u);
    AAX_CString name;
    EXPECT_EQ (controller.GetHostName (&name), AAX_SUCCESS);
    EXPECT_STREQ (name.Get(), "Pro Tools");

    int32_t numerator = 0;
    int32_t denominator = 0;
    EXPECT_EQ (transport.GetCurrentMeter (&numerator, &denominator), AAX_SUCCESS);
    EXPECT_EQ (numerator, 7);
    EXPECT_EQ (denominator, 8);

    automation.PostSetValueRequest ("Width", 0.25);
    EXPECT_EQ (instance.automation().eventsOf (AutomationDelegate::Event::Kind::setRequest).at (0),
               (AutomationDelegate::Event { AutomationDelegate::Event::Kind::setRequest, "Width", 0.25 }));

    EXPECT_EQ (view.GetType(), AAX_eViewContainer_Type_NSView);
    EXPECT_EQ (view.GetPtr(), &nativeView);
    uint32_t modifiers = 0;
    EXPECT_EQ (view.GetModifiers (&modifiers), AAX_SUCCESS);
    EXPECT_EQ (modifiers, AAX_eModifiers_Shift);
    AAX_Point size { 305.0f, 700.0f };
    EXPECT_EQ (view.SetViewSize (size), AAX_SUCCESS);
    EXPECT_EQ (instance.viewContainer().viewSizes().at (0).vert, 305.0f);
    const AAX_CParamID ids[] = { "Width", "Balance" };
    view.HandleMultipleParametersMouseDown (ids, 2, AAX_eModifiers_Alt);
    EXPECT_EQ (instance.viewContainer().mouseEvents().at (0).parameterIDs, (std::vector<std::string> { "Width", "Balance" }));
    EXPECT_TRUE (host.problems().empty());
}

TEST (RunTimeWrappers, MissingVersionsAnswerForTheHostAndANullUnknownHasNone)
{
    Host host;
    InstanceOptions firstOnly;
    firstOnly.controller = Versions::upTo (1);
    firstOnly.viewContainer = Versions::none();
    Instance instance (host, firstOnly);
    AAX_VController controller (instance.unknown());

    AAX_CSampleRate rate = 0;
    EXPECT_EQ (controller.GetSampleRate (&rate), AAX_SUCCESS);
    EXPECT_EQ (rate, 48000.0f);
    AAX_CTransportCounter timestamp = 12345;
    EXPECT_EQ (controller.GetCurrentAutomationTimestamp (&timestamp), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (timestamp, 0) << "an older host's time stamp reads 0";
    EXPECT_EQ (controller.GetCurrentAutomationTimestamp (nullptr), AAX_ERROR_NULL_ARGUMENT) << "and a null one is refused, not written";

    AAX_VViewContainer noView (instance.viewContainer().unknown());
    EXPECT_EQ (noView.GetType(), AAX_eViewContainer_Type_NULL);
    EXPECT_EQ (noView.GetPtr(), nullptr);

    AAX_VController none (nullptr);
    AAX_VTransport noTransport (nullptr);
    AAX_VAutomationDelegate noAutomation (nullptr);
    AAX_VViewContainer noContainer (nullptr);
    AAX_VPageTable noTable (nullptr);
    AAX_VHostServices noServices (nullptr);
    double tempo = 0;
    int32_t pages = 0;
    EXPECT_EQ (none.GetSampleRate (&rate), kNoHostObject);
    EXPECT_EQ (noTransport.GetCurrentTempo (&tempo), kNoHostObject);
    EXPECT_EQ (noAutomation.RegisterParameter ("Width"), kNoHostObject);
    EXPECT_EQ (noContainer.GetPtr(), nullptr);
    EXPECT_EQ (noTable.GetNumPages (pages), kNotImplementedByHost);
    EXPECT_FALSE (noTable.IsSupported());
    EXPECT_EQ (noServices.Trace (0, "lost"), kNoHostObject);
    EXPECT_EQ (none.CreateTableCopyForEffect (1, 2, 3, 0, 8), nullptr);
}

TEST (RunTimeWrappers, ABrokenFactoryMakesHostServicesThrowAndLeavesTheControllerWithoutOne)
{
    Host host;
    host.factory().answerQueriesWithNull (true);

    EXPECT_THROW (AAX_VHostServices services (host.unknown()), int32_t);

    Instance instance (host);
    const AAX_VController controller (instance.unknown());
    EXPECT_EQ (controller.CreateTableCopyForEffect (1, 2, 3, 0, 8), nullptr) << "no factory: no table to copy into";
    EXPECT_EQ (instance.pageTableController().copies().size(), 1u);
    EXPECT_EQ (host.outstandingReferences(), 5) << "the controller wrapper's five versions, no factory: " << host.describeReferences();
}

//==============================================================================
TEST (RunTimeWrappers, WhatABrokenHostWritesIntoAFailedQueryIsForgottenNotReleased)
{
    // The instance's unknown writes its own interface, without a reference, into the out
    // pointer of every query it fails: here those for the later controller versions.
    InstanceOptions options;
    options.controller = Versions::upTo (1);
    Host host;
    Instance instance (host, options);
    instance.instanceUnknown().failWithAnInterface (true);
    {
        const AAX_VController controller (instance.unknown());
        AAX_CSampleRate rate = 0;
        AAX_CString name;
        EXPECT_EQ (controller.GetSampleRate (&rate), AAX_SUCCESS);
        EXPECT_EQ (controller.GetHostName (&name), kNotImplementedByHost);
    }
    EXPECT_EQ (host.problems(), std::vector<std::string> {});
    EXPECT_EQ (host.outstandingReferences(), 0) << host.describeReferences();
}

TEST (RunTimeWrappers, TableCopiesNeedTheirControllerVersionATableAndSuccess)
{
    struct Case
    {
        const char* name;
        Versions pageTableController;
        bool factory;
        Versions pageTables;
        AAX_Result hostAnswer;
        bool called;
        bool copied;
    };

    const Case cases[] = {
        { "everything there", Versions::all(), true, Versions::all(), AAX_SUCCESS, true, true },
        { "no page-table controller", Versions::none(), true, Versions::all(), AAX_SUCCESS, false, false },
        { "first controller version only", Versions::upTo (1), true, Versions::all(), AAX_SUCCESS, true, true },
        { "no factory: the host is asked with a null table", Versions::all(), false, Versions::all(), AAX_SUCCESS, true, false },
        { "page tables without the second version", Versions::all(), true, Versions::upTo (1), AAX_SUCCESS, true, false },
        { "the copy fails", Versions::all(), true, Versions::all(), AAX_ERROR_INVALID_ARGUMENT, true, false },
    };

    using Copy = std::function<AAX_IPageTable* (const AAX_VController&)>;
    const std::pair<const char*, Copy> copies[] = {
        { "CopyTableForEffect", [] (const AAX_VController& c) { return c.CreateTableCopyForEffect (1, 2, 3, 4, 8); } },
        { "CopyTableOfLayoutForEffect", [] (const AAX_VController& c) { return c.CreateTableCopyForLayout ("com.Norvane.Quindle", "Main", 4, 8); } },
        { "CopyTableForEffectFromFile",
          [] (const AAX_VController& c) { return c.CreateTableCopyForEffectFromFile ("/tables.xml", AAX_eTextEncoding_UTF8, 1, 2, 3, 4, 8); } },
        { "CopyTableOfLayoutFromFile",
          [] (const AAX_VController& c) { return c.CreateTableCopyForLayoutFromFile ("/tables.xml", AAX_eTextEncoding_UTF8, "Main", 4, 8); } },
    };

    for (const auto& c : cases)
    {
        for (const auto& [operation, copy] : copies)
        {
            SCOPED_TRACE (std::string (c.name) + ", " + operation);
            HostOptions hostOptions;
            hostOptions.pageTable = c.pageTables;
            Host host (hostOptions);
            InstanceOptions options;
            options.pageTableController = c.pageTableController;
            options.componentFactory = c.factory;
            Instance instance (host, options);
            instance.pageTableController().source.pages = { { "Width" } };
            instance.pageTableController().setResult (operation, c.hostAnswer);

            const bool secondVersion = std::string (operation).find ("FromFile") != std::string::npos;
            const bool reachable = c.pageTableController.offers (secondVersion ? 2 : 1);
            {
                const AAX_VController controller (instance.unknown());
                std::unique_ptr<AAX_IPageTable> table (copy (controller));

                EXPECT_EQ (host.log().count ("PageTableController", operation), c.called && reachable ? 1 : 0);
                ASSERT_EQ (table != nullptr, c.copied && reachable);
                if (table != nullptr)
                {
                    int32_t pages = 0;
                    EXPECT_EQ (table->GetNumPages (pages), AAX_SUCCESS);
                    EXPECT_EQ (pages, 1) << "the wrapper reads the table the host filled";
                    EXPECT_EQ (instance.pageTableController().copies().at (0).tablePageSize, 8);
                }
            }
            EXPECT_EQ (host.outstandingReferences(), 0) << host.describeReferences();
        }
    }
}
} // namespace quindle::test::aax
