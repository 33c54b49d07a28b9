// The effect parameters base as the host drives it, against the test host: initialisation,
// the parameter calls by ID, the set-request road through the host's automation, the change
// count, notifications and uninitialisation.

#include "tests/aax/support/FakeHostServices.h"
#include "tests/aax/support/TestEffect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace quindle::test::aax
{
namespace
{
    using Event = aaxhost::AutomationDelegate::Event;
    using Kind = Event::Kind;
    using Answer = aaxhost::AutomationDelegate::Answer;

    std::vector<std::string> idsOf (const std::vector<ParameterDefinition>& definitions)
    {
        std::vector<std::string> ids;
        for (const auto& definition : definitions)
            ids.push_back (definition.id);
        return ids;
    }

    int32_t changesOf (const TestEffect& effect)
    {
        int32_t changes = -1;
        EXPECT_EQ (effect.GetNumberOfChanges (&changes), AAX_SUCCESS);
        return changes;
    }

    double normalizedOf (const TestEffect& effect, const char* id)
    {
        double value = -1.0;
        EXPECT_EQ (effect.GetParameterNormalizedValue (id, &value), AAX_SUCCESS);
        return value;
    }

    /** The preview parameter, recording what the preview notification sets. */
    struct PreviewParameter : AAX_CParameter<float>
    {
        PreviewParameter()
            : AAX_CParameter<float> ("PreviewID", AAX_CString ("Preview"), 0.0f, AAX_CLinearTaperDelegate<float, 0>(),
                                     AAX_CNumberDisplayDelegate<float, 3>(), false)
        {
        }

        bool SetValueWithBool (bool value) override
        {
            previewStates->push_back (value);
            return true;
        }

        std::vector<bool>* previewStates = nullptr;
    };
} // namespace

TEST (EffectParameters, InitializeMirrorsTheParametersAndLeavesTheMasterBypassOutOfTheChunk)
{
    EffectSession session;
    ASSERT_EQ (session.initializeResult, AAX_SUCCESS);

    EXPECT_EQ (session.automation().registeredParameters(), idsOf (quindleParameters()));
    int32_t count = 0;
    EXPECT_EQ (session.effect->GetNumberOfParameters (&count), AAX_SUCCESS);
    EXPECT_EQ (count, 14);
    EXPECT_EQ (session.effect->numChunkedParameters(), 13);
    EXPECT_EQ (session.effect->filteredIDs(), (std::set<std::string> { cDefaultMasterBypassID }));

    AAX_CString bypass;
    EXPECT_EQ (session.effect->GetMasterBypassParameter (&bypass), AAX_SUCCESS);
    EXPECT_STREQ (bypass.Get(), "MasterBypassID");

    EXPECT_NE (session.effect->Controller(), nullptr);
    EXPECT_NE (session.effect->Transport(), nullptr);
    float sampleRate = 0.0f;
    EXPECT_EQ (session.effect->Controller()->GetSampleRate (&sampleRate), AAX_SUCCESS) << "the controller reaches the host";
    EXPECT_EQ (sampleRate, 48000.0f);
    EXPECT_TRUE (session.host.problems().empty());
}

TEST (EffectParameters, FailingEffectInitIsReturnedAndFiltersNothing)
{
    aaxhost::Host host;
    aaxhost::Instance instance (host);
    auto* effect = new TestEffect (quindleParameters(), AAX_ERROR_NOT_INITIALIZED);

    EXPECT_EQ (instance.initialize (effect), AAX_ERROR_NOT_INITIALIZED);
    EXPECT_TRUE (effect->filteredIDs().empty());
    EXPECT_EQ (effect->numChunkedParameters(), 0);
}

TEST (EffectParameters, FilteringMoreIDsThanThereAreParametersIsReported)
{
    struct OverFiltering : TestEffect
    {
        OverFiltering() : TestEffect ({ { "Width", "Width", 0.5f } }) {}

        AAX_Result EffectInit() override
        {
            FilterParameterIDOnSave ("Balance");
            FilterParameterIDOnSave ("Balance");
            FilterParameterIDOnSave (nullptr);
            FilterParameterIDOnSave ("Output Gain");
            return TestEffect::EffectInit();
        }
    };

    ScopedHostServices services;
    aaxhost::Host host;
    aaxhost::Instance instance (host);
    auto* effect = new OverFiltering();

    EXPECT_EQ (instance.initialize (effect), AAX_SUCCESS);

    EXPECT_EQ (effect->filteredIDs(), (std::set<std::string> { "", "Balance", "Output Gain" }))
        << "repeats once, null never, and the empty bypass ID of an instance without one";
    ASSERT_EQ (services.host.assertions.size(), 1u);
    EXPECT_EQ (services.host.assertions[0].file, "/Library/SDKs/AAX/Libs/AAXLibrary/source/AAX_CEffectParameters");
    EXPECT_EQ (services.host.assertions[0].line, 125);
    EXPECT_EQ (services.host.assertions[0].expression, "mNumChunkedParameters >= 0");
}

TEST (EffectParameters, WithoutAMasterBypassTheBypassIDIsEmpty)
{
    EffectSession session ({}, { { "Width", "Width", 0.5f } });

    AAX_CString bypass ("stale");
    EXPECT_EQ (session.effect->GetMasterBypassParameter (&bypass), AAX_SUCCESS);
    EXPECT_STREQ (bypass.Get(), "");
}

TEST (EffectParameters, AnswersParameterQueriesAsTheWrapperSetThemUp)
{
    EffectSession session;
    auto& effect = *session.effect;

    struct Case
    {
        const char* id;
        int32_t index;
        int32_t steps;
        AAX_EParameterType type;
        AAX_EParameterOrientation orientation;
        double defaultValue;
        const char* valueText;
    };

    const Case cases[] = {
        { "Input M/S", 0, 3, AAX_eParameterType_Discrete, 0, 0.0, "0.000" },
        { "L Enabled", 1, 2, AAX_eParameterType_Discrete, 0, 1.0, "1.000" },
        { "Balance", 7, 2048, AAX_eParameterType_Continuous, 0, 0.5, "0.500" },
        { "Mono Freq", 10, 2048, AAX_eParameterType_Continuous, 19, 0.0, "0.000" },
        { "Output Gain", 12, 2048, AAX_eParameterType_Continuous, 0, 0.5, "0.500" },
        { "MasterBypassID", 13, 2, AAX_eParameterType_Discrete, 0, 0.0, "0.000" },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.id);
        int32_t index = -2, steps = -2;
        AAX_EParameterType type {};
        AAX_EParameterOrientation orientation = -1;
        AAX_CBoolean automatable = 0;
        double defaultValue = -1.0;
        AAX_CString name, id, valueText;

        EXPECT_EQ (effect.GetParameterIndex (c.id, &index), AAX_SUCCESS);
        EXPECT_EQ (index, c.index);
        EXPECT_EQ (effect.GetParameterIDFromIndex (c.index, &id), AAX_SUCCESS);
        EXPECT_STREQ (id.Get(), c.id);
        EXPECT_EQ (effect.GetParameterNumberOfSteps (c.id, &steps), AAX_SUCCESS);
        EXPECT_EQ (steps, c.steps);
        EXPECT_EQ (effect.GetParameterType (c.id, &type), AAX_SUCCESS);
        EXPECT_EQ (type, c.type);
        EXPECT_EQ (effect.GetParameterOrientation (c.id, &orientation), AAX_SUCCESS);
        EXPECT_EQ (orientation, c.orientation);
        EXPECT_EQ (effect.GetParameterIsAutomatable (c.id, &automatable), AAX_SUCCESS);
        EXPECT_EQ (automatable, 1);
        EXPECT_EQ (effect.GetParameterDefaultNormalizedValue (c.id, &defaultValue), AAX_SUCCESS);
        EXPECT_DOUBLE_EQ (defaultValue, c.defaultValue);
        EXPECT_DOUBLE_EQ (normalizedOf (effect, c.id), c.defaultValue);
        EXPECT_EQ (effect.GetParameterValueString (c.id, &valueText, 31), AAX_SUCCESS);
        EXPECT_STREQ (valueText.Get(), c.valueText);
        EXPECT_EQ (effect.GetParameterName (c.id, &name), AAX_SUCCESS);
        EXPECT_STREQ (name.Get(), std::string (c.id) == cDefaultMasterBypassID ? "Master Bypass" : c.id);
    }

    AAX_IParameter* parameter = nullptr;
    EXPECT_EQ (effect.GetParameter ("Width", &parameter), AAX_SUCCESS);
    EXPECT_EQ (parameter, effect.manager().GetParameterByID ("Width"));
}

TEST (EffectParameters, TextConversionsGoThroughTheParametersDisplay)
{
    EffectSession session;
    auto& effect = *session.effect;

    struct Case
    {
        double value;
        int32_t maxLength;
        const char* text;
    };

    for (const Case c : { Case { 0.25, 31, "0.250" }, Case { 0.123456, 4, "0.12" }, Case { 1.5, 31, "1.000" }, Case { 0.5, 2, "0" } })
    {
        SCOPED_TRACE (c.text);
        AAX_CString text;
        EXPECT_EQ (effect.GetParameterStringFromValue ("Width", c.value, &text, c.maxLength), AAX_SUCCESS);
        EXPECT_STREQ (text.Get(), c.text);
    }

    double value = -1.0;
    EXPECT_EQ (effect.GetParameterValueFromString ("Width", &value, AAX_CString (" 0.75")), AAX_SUCCESS);
    EXPECT_NEAR (value, 0.75, 1e-7);
    value = -1.0;
    EXPECT_EQ (effect.GetParameterValueFromString ("Width", &value, AAX_CString ("wide")), AAX_ERROR_INVALID_STRING_CONVERSION);
    EXPECT_EQ (value, -1.0);
}

TEST (EffectParameters, AbsentIDsAndBadArgumentsGetTheirResultCodes)
{
    EffectSession session;
    auto& effect = *session.effect;
    auto* huge = new AAX_CParameter<float> ("Huge", AAX_CString ("Huge"), 0.0f, AAX_CLinearTaperDelegate<float, 0>(),
                                            AAX_CNumberDisplayDelegate<float, 3>(), true);
    huge->SetNumberOfSteps (0x80000000u);
    effect.manager().AddParameter (huge);

    AAX_CBoolean automatable = 7;
    int32_t integer = 7;
    double number = 7.0;
    AAX_EParameterType type = AAX_eParameterType_Discrete;
    AAX_EParameterOrientation orientation = 7;
    AAX_IParameter* parameter = huge;
    AAX_CString text ("stale");
    uint32_t size = 7;
    AAX_CTypeID chunkID = 7;

    struct Case
    {
        const char* name;
        std::function<AAX_Result()> call;
        AAX_Result result;
        std::function<bool()> outputAsSpecified;
    };

    const auto nothing = [] { return true; };
    const Case cases[] = {
        { "automatable of an absent ID writes 0", [&] { return effect.GetParameterIsAutomatable ("Nope", &automatable); },
          AAX_ERROR_INVALID_PARAMETER_ID, [&] { return automatable == 0; } },
        { "steps beyond int32", [&] { integer = 7; return effect.GetParameterNumberOfSteps ("Huge", &integer); },
          AAX_ERROR_SIGNED_INT_OVERFLOW, [&] { return integer == 7; } },
        { "steps", [&] { return effect.GetParameterNumberOfSteps ("Nope", &integer); }, AAX_ERROR_INVALID_PARAMETER_ID, nothing },
        { "name of an absent ID is empty but fine", [&] { return effect.GetParameterName ("Nope", &text); },
          AAX_SUCCESS, [&] { return text.Length() == 0; } },
        { "default", [&] { return effect.GetParameterDefaultNormalizedValue ("Nope", &number); }, AAX_ERROR_INVALID_PARAMETER_ID, nothing },
        { "set default", [&] { return effect.SetParameterDefaultNormalizedValue ("Nope", 0.5); }, AAX_ERROR_INVALID_PARAMETER_ID, nothing },
        { "type", [&] { return effect.GetParameterType ("Nope", &type); }, AAX_ERROR_INVALID_PARAMETER_ID, nothing },
        { "orientation", [&] { return effect.GetParameterOrientation ("Nope", &orientation); }, AAX_ERROR_INVALID_PARAMETER_ID, nothing },
        { "parameter writes null", [&] { return effect.GetParameter ("Nope", &parameter); },
          AAX_ERROR_INVALID_PARAMETER_ID, [&] { return parameter == nullptr; } },
        { "index writes -1", [&] { return effect.GetParameterIndex ("Nope", &integer); },
          AAX_ERROR_INVALID_PARAMETER_ID, [&] { return integer == -1; } },
        { "index of a null ID", [&] { integer = 7; return effect.GetParameterIndex (nullptr, &integer); },
          AAX_ERROR_INVALID_PARAMETER_ID, [&] { return integer == -1; } },
        { "ID of the index after the last", [&] { text = "stale"; return effect.GetParameterIDFromIndex (15, &text); },
          AAX_ERROR_INVALID_PARAMETER_ID, [&] { return text.Length() == 0; } },
        { "ID of a negative index", [&] { return effect.GetParameterIDFromIndex (-1, &text); }, AAX_ERROR_INVALID_PARAMETER_ID, nothing },
        { "value info is not implemented", [&] { integer = 7; return effect.GetParameterValueInfo ("Width", 0, &integer); },
          AAX_ERROR_UNIMPLEMENTED, [&] { return integer == 0; } },
        { "value from text", [&] { return effect.GetParameterValueFromString ("Nope", &number, AAX_CString ("1")); },
          AAX_ERROR_INVALID_PARAMETER_ID, nothing },
        { "text from value", [&] { return effect.GetParameterStringFromValue ("Nope", 0.5, &text, 8); }, AAX_ERROR_INVALID_PARAMETER_ID, nothing },
        { "value text", [&] { return effect.GetParameterValueString ("Nope", &text, 8); }, AAX_ERROR_INVALID_PARAMETER_ID, nothing },
        { "normalized value", [&] { return effect.GetParameterNormalizedValue ("Nope", &number); }, AAX_ERROR_INVALID_PARAMETER_ID, nothing },
        { "set normalized value", [&] { return effect.SetParameterNormalizedValue ("Nope", 0.5); }, AAX_ERROR_INVALID_PARAMETER_ID, nothing },
        { "set relative", [&] { return effect.SetParameterNormalizedRelative ("Nope", 0.5); }, AAX_ERROR_INVALID_PARAMETER_ID, nothing },
        { "touch", [&] { return effect.TouchParameter ("Nope"); }, AAX_ERROR_INVALID_PARAMETER_ID, nothing },
        { "release", [&] { return effect.ReleaseParameter ("Nope"); }, AAX_ERROR_INVALID_PARAMETER_ID, nothing },
        { "update", [&] { return effect.UpdateParameterNormalizedValue ("Nope", 0.5, AAX_eUpdateSource_Unspecified); },
          AAX_ERROR_INVALID_PARAMETER_ID, nothing },
        { "update relative", [&] { return effect.UpdateParameterNormalizedRelative ("Nope", 0.5); }, AAX_ERROR_INVALID_PARAMETER_ID, nothing },
        { "update of a null ID", [&] { return effect.UpdateParameterNormalizedValue (nullptr, 0.5, AAX_eUpdateSource_Unspecified); },
          AAX_ERROR_INVALID_PARAMETER_ID, nothing },
        { "name of length into nothing", [&] { return effect.GetParameterNameOfLength ("Width", nullptr, 4); },
          AAX_ERROR_INVALID_STRING_CONVERSION, nothing },
        { "chunk index 1 writes 0", [&] { return effect.GetChunkIDFromIndex (1, &chunkID); },
          AAX_ERROR_INVALID_CHUNK_INDEX, [&] { return chunkID == 0; } },
        { "size of a foreign chunk writes 0", [&] { return effect.GetChunkSize (0x6A756365, &size); },
          AAX_ERROR_INVALID_CHUNK_ID, [&] { return size == 0; } },
        { "a foreign chunk", [&] { return effect.GetChunk (0x6A756365, nullptr); }, AAX_ERROR_INVALID_CHUNK_ID, nothing },
        { "setting a foreign chunk", [&] { return effect.SetChunk (0x6A756365, nullptr); }, AAX_ERROR_INVALID_CHUNK_ID, nothing },
        { "null out pointers are refused", [&] { return effect.GetParameterNormalizedValue ("Width", nullptr); },
          AAX_ERROR_NULL_ARGUMENT, nothing },
        { "null count", [&] { return effect.GetNumberOfParameters (nullptr); }, AAX_ERROR_NULL_ARGUMENT, nothing },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (c.call(), c.result);
        EXPECT_TRUE (c.outputAsSpecified());
    }
}

TEST (EffectParameters, NameOfLengthTakesTheLongestFittingLineOfTheShortenedName)
{
    EffectSession session ({}, { { "Output Gain", "Output Gain", 0.5f } });
    auto* parameter = session.effect->manager().GetParameterByID ("Output Gain");
    parameter->ClearShortenedNames();
    parameter->AddShortenedName (AAX_CString ("Output Gain\nOut Gain\nOut"));

    struct Case
    {
        int32_t length;
        const char* name;
    };

    const Case cases[] = {
        { 8, "Out Gain" },
        { 9, "Out Gain" },
        { 3, "Out" },
        { 2, "Ou" },            // no line fits: the first bytes of the shortened name
        { 11, "Output Gain" },  // the name itself fits
        { 30, "Output Gain" },
        { 0, "" },
        { -1, "" },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.length);
        AAX_CString name ("stale");
        EXPECT_EQ (session.effect->GetParameterNameOfLength ("Output Gain", &name, c.length), AAX_SUCCESS);
        EXPECT_STREQ (name.Get(), c.name);
    }

    parameter->AddShortenedName (AAX_CString ("OG"));
    AAX_CString name;
    EXPECT_EQ (session.effect->GetParameterNameOfLength ("Output Gain", &name, 3), AAX_SUCCESS);
    EXPECT_STREQ (name.Get(), "OG") << "a shortened name that fits whole comes first";

    name = "stale";
    EXPECT_EQ (session.effect->GetParameterNameOfLength ("Nope", &name, 8), AAX_SUCCESS);
    EXPECT_STREQ (name.Get(), "");
}

TEST (EffectParameters, SetRequestsGoToTheHostAndApplyWhenItAnswers)
{
    struct Case
    {
        const char* name;
        Answer answer;
    };

    for (const Case c : { Case { "answered inside the request", Answer::atOnce }, Case { "answered later", Answer::later } })
    {
        SCOPED_TRACE (c.name);
        EffectSession session;
        auto& effect = *session.effect;
        session.automation().answerSetRequests (c.answer);
        session.automation().clearEvents();

        EXPECT_EQ (effect.TouchParameter ("Width"), AAX_SUCCESS);
        EXPECT_EQ (effect.SetParameterNormalizedValue ("Width", 0.25), AAX_SUCCESS);
        EXPECT_EQ (effect.ReleaseParameter ("Width"), AAX_SUCCESS);

        if (c.answer == Answer::later)
        {
            EXPECT_EQ (effect.valueOf ("Width"), 0.5f) << "nothing changes before the host answers";
            EXPECT_EQ (changesOf (effect), 0);
            session.automation().deliverPending();
        }

        EXPECT_EQ (effect.valueOf ("Width"), 0.25f);
        EXPECT_EQ (changesOf (effect), 1);

        const auto requests = session.automation().eventsOf (Kind::setRequest);
        const auto reported = session.automation().eventsOf (Kind::currentValue);
        EXPECT_EQ (requests, (std::vector<Event> { { Kind::setRequest, "Width", 0.25 } }));
        EXPECT_EQ (reported, (std::vector<Event> { { Kind::currentValue, "Width", 0.25 } })) << "the host hears the stored value back";
        EXPECT_EQ (session.automation().eventsOf (Kind::touch).size(), 2u) << "the gesture's touch and the request's own";
        EXPECT_FALSE (session.automation().isTouched ("Width"));
    }
}

TEST (EffectParameters, WithoutAnAutomationDelegateValuesApplyAtOnce)
{
    EffectSession session (withoutAutomationDelegate());
    ASSERT_EQ (session.initializeResult, AAX_SUCCESS);
    auto& effect = *session.effect;

    EXPECT_EQ (effect.SetParameterNormalizedValue ("Width", 0.25), AAX_SUCCESS);
    EXPECT_EQ (effect.valueOf ("Width"), 0.25f);
    EXPECT_EQ (effect.TouchParameter ("Width"), AAX_SUCCESS) << "nothing to reach, nothing to fail";
    EXPECT_EQ (effect.SetParameterNormalizedRelative ("Width", 0.5), AAX_SUCCESS);
    EXPECT_EQ (effect.valueOf ("Width"), 0.75f);
    EXPECT_TRUE (session.automation().events().empty());
    EXPECT_TRUE (session.host.problems().empty());
}

TEST (EffectParameters, RelativeChangesAreClampedToTheUnitRange)
{
    EffectSession session;
    auto& effect = *session.effect;
    effect.UpdateParameterNormalizedValue ("Width", 0.9, AAX_eUpdateSource_Unspecified);
    session.automation().clearEvents();

    EXPECT_EQ (effect.SetParameterNormalizedRelative ("Width", 0.5), AAX_SUCCESS);
    EXPECT_EQ (session.automation().eventsOf (Kind::setRequest), (std::vector<Event> { { Kind::setRequest, "Width", 1.0 } }));

    EXPECT_EQ (effect.UpdateParameterNormalizedRelative ("Width", -1.5), AAX_SUCCESS);
    EXPECT_EQ (effect.valueOf ("Width"), 0.0f);
}

TEST (EffectParameters, ChangeCountRisesOnlyWhenAnUpdateChangesTheValue)
{
    EffectSession session;
    auto& effect = *session.effect;

    struct Step
    {
        double value;
        int32_t changes;
    };

    // The stored value is a float: what counts is whether it changed, not whether the host's
    // double equals it.
    const Step steps[] = {
        { 0.5, 0 },    // the value it has
        { 0.25, 1 },
        { 0.25, 1 },
        { 0.75, 2 },
        { 0.1, 3 },    // no float holds 0.1 exactly
        { 0.1, 3 },
        { 0.1, 3 },
        { 1.5, 4 },    // stored as 1.0
        { 1.5, 4 },
        { 1.0, 4 },
        { -0.5, 5 },   // stored as 0.0
        { -0.5, 5 },
        { std::numeric_limits<double>::quiet_NaN(), 6 },   // a NaN is never the same
    };

    for (const auto& step : steps)
    {
        SCOPED_TRACE (step.value);
        EXPECT_EQ (effect.UpdateParameterNormalizedValue ("Width", step.value, AAX_eUpdateSource_Parameter), AAX_SUCCESS);
        EXPECT_EQ (changesOf (effect), step.changes);
    }
}

TEST (EffectParameters, PreviewNotificationActsOnlyOnFourBytesOfData)
{
    EffectSession session ({}, {});
    std::vector<bool> previewStates;
    auto* preview = new PreviewParameter();
    preview->previewStates = &previewStates;
    session.effect->manager().AddParameter (preview);

    const uint32_t on = 1, off = 0, high = 0x100;
    // Exactly as long as the host's buffer, so that AddressSanitizer sees any read past it.
    const auto threeBytes = std::make_unique<uint8_t[]> (3);

    struct Case
    {
        const char* name;
        AAX_CTypeID type;
        const void* data;
        uint32_t size;
    };

    const Case cases[] = {
        { "on", AAX_eNotificationEvent_ASPreviewState, &on, 4 },
        { "off", AAX_eNotificationEvent_ASPreviewState, &off, 4 },
        { "any bit on", AAX_eNotificationEvent_ASPreviewState, &high, 4 },
        { "three bytes", AAX_eNotificationEvent_ASPreviewState, threeBytes.get(), 3 },
        { "no data", AAX_eNotificationEvent_ASPreviewState, nullptr, 4 },
        { "another notification", AAX_eNotificationEvent_EnteringOfflineMode, &on, 4 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (session.effect->NotificationReceived (c.type, c.data, c.size), AAX_SUCCESS);
    }

    EXPECT_EQ (previewStates, (std::vector<bool> { true, false, true }));
}

TEST (EffectParameters, ResetFieldDataZeroesTheField)
{
    EffectSession session;
    std::vector<uint8_t> field (12, 0xAB);

    EXPECT_EQ (session.effect->ResetFieldData (2, field.data(), static_cast<uint32_t> (field.size())), AAX_SUCCESS);
    EXPECT_EQ (field, std::vector<uint8_t> (12, 0));
}

TEST (EffectParameters, UninitializeDeletesTheParametersAndReleasesTheHost)
{
    EffectSession session;
    auto& effect = *session.effect;
    session.automation().clearEvents();

    EXPECT_EQ (effect.Uninitialize(), AAX_SUCCESS);

    EXPECT_EQ (session.automation().eventsOf (Kind::unregistered).size(), 14u);
    EXPECT_TRUE (session.automation().registeredParameters().empty());
    int32_t count = -1;
    effect.GetNumberOfParameters (&count);
    EXPECT_EQ (count, 0);
    EXPECT_EQ (effect.Controller(), nullptr);
    EXPECT_EQ (effect.Transport(), nullptr);
    EXPECT_EQ (effect.GenerateCoefficients(), AAX_ERROR_NULL_OBJECT) << "the dispatcher lost its controller with the wrapper";
    EXPECT_TRUE (session.instance.controller().packets().empty());

    // Only the host's own reference on the data model is left.
    EXPECT_EQ (session.host.outstandingReferences(), 0) << session.host.describeReferences();
}

TEST (EffectParameters, ASecondInitializeIsRefusedAndTheFirstKeepsWorking)
{
    EffectSession session;
    ASSERT_EQ (session.initializeResult, AAX_SUCCESS);
    auto& effect = *session.effect;
    const int references = session.host.outstandingReferences();
    session.automation().clearEvents();

    EXPECT_EQ (effect.Initialize (session.instance.unknown()), kAAX_Result_AlreadyInitialized);

    // The first EffectInit's parameters still reach the host through the first wrappers.
    EXPECT_EQ (effect.TouchParameter ("Width"), AAX_SUCCESS);
    EXPECT_EQ (session.automation().events(), (std::vector<Event> { { Kind::touch, "Width" } }));
    int32_t count = -1;
    effect.GetNumberOfParameters (&count);
    EXPECT_EQ (count, 14);
    EXPECT_EQ (session.host.outstandingReferences(), references) << session.host.describeReferences();

    // Uninitialize ends the life cycle; the next Initialize starts a new one.
    EXPECT_EQ (effect.Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ (effect.Initialize (session.instance.unknown()), AAX_SUCCESS);
    effect.GetNumberOfParameters (&count);
    EXPECT_EQ (count, 14);
    EXPECT_EQ (session.automation().registeredParameters(), idsOf (quindleParameters()));
    EXPECT_TRUE (session.host.problems().empty());
}

TEST (EffectParameters, DestructionWithoutUninitializeReleasesTheHostToo)
{
    aaxhost::Host host;
    aaxhost::Instance instance (host);
    auto* effect = new TestEffect();

    ASSERT_EQ (effect->Initialize (instance.unknown()), AAX_SUCCESS);
    ASSERT_GT (host.outstandingReferences(), 0);
    delete effect;

    EXPECT_EQ (host.outstandingReferences(), 0) << host.describeReferences();
    EXPECT_TRUE (instance.automation().registeredParameters().empty()) << "every parameter unregistered while the delegate lived";
    EXPECT_TRUE (host.problems().empty());
}

TEST (EffectParameters, PageTableUpdateIsLeftToTheDerivedClass)
{
    EffectSession session;
    EXPECT_EQ (session.instance.updatePageTable (0x50544C31, 4).result, AAX_ERROR_UNIMPLEMENTED);

    aaxhost::HostOptions noTables;
    noTables.pageTable = aaxhost::Versions::none();
    aaxhost::Host host (noTables);
    aaxhost::Instance instance (host);
    ASSERT_EQ (instance.initialize (new TestEffect()), AAX_SUCCESS);
    EXPECT_EQ (instance.updatePageTable (0x50544C31, 4).result, AAX_SUCCESS) << "nothing to fill";
}
} // namespace quindle::test::aax
