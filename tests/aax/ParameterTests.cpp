#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "tests/aax/support/FakeHostServices.h"
#include "tests/aax/support/RecordingAutomationDelegate.h"

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
    using Parameter = AAX_CParameter<float>;
    using Log = std::vector<std::string>;

    /** A parameter made as the framework's wrapper makes one: unit linear taper, three decimals. */
    std::unique_ptr<Parameter> makeParameter (const char* id = "Width", float defaultValue = 0.5f)
    {
        return std::make_unique<Parameter> (id, AAX_CString ("Width"), defaultValue, AAX_CLinearTaperDelegate<float, 0>(),
                                            AAX_CNumberDisplayDelegate<float, 3>(), true);
    }

    /** "Width" at 0.5, registered with a recording delegate whose log starts empty. */
    struct DelegatedParameter
    {
        DelegatedParameter()
        {
            parameter->SetAutomationDelegate (&delegate);
            delegate.log.clear();
        }

        RecordingAutomationDelegate delegate;
        std::unique_ptr<Parameter> parameter = makeParameter ("Width", 0.5f);
    };

    float valueOf (const Parameter& parameter)
    {
        float value = -1.0f;
        EXPECT_TRUE (parameter.GetValueAsFloat (&value));
        return value;
    }

    /** Every plug-in-side way to ask for a new value, with the normalized value it asks for. */
    struct SetRequest
    {
        const char* name;
        std::function<bool (Parameter&)> ask;
        double normalized;
    };

    std::vector<SetRequest> setRequests()
    {
        return {
            { "SetValueWithFloat", [] (Parameter& p) { return p.SetValueWithFloat (0.25f); }, 0.25 },
            { "SetNormalizedValue", [] (Parameter& p) { p.SetNormalizedValue (0.75); return true; }, 0.75 },
            { "SetNormalizedValue beyond 1, quantised through the taper",
              [] (Parameter& p) { p.SetNormalizedValue (1.5); return true; }, 1.0 },
            { "SetValueFromString", [] (Parameter& p) { return p.SetValueFromString (AAX_CString ("0.125")); }, 0.125 },
            { "SetValueWithString", [] (Parameter& p) { return p.SetValueWithString (AAX_CString (" 0.375")); }, 0.375 },
            { "SetStepValue", [] (Parameter& p) { p.SetStepValue (127); return true; }, 1.0 },
            { "SetToDefaultValue", [] (Parameter& p) { p.SetNormalizedDefaultValue (0.0); p.SetToDefaultValue(); return true; }, 0.0 },
        };
    }
} // namespace

TEST (Parameter, ConstructionAsTheWrapperDoesIt)
{
    ScopedHostServices services;
    auto parameter = makeParameter ("Output Gain", 0.5f);

    EXPECT_STREQ (parameter->Identifier(), "Output Gain");
    EXPECT_STREQ (parameter->Name().Get(), "Width");
    EXPECT_TRUE (parameter->Automatable());
    EXPECT_EQ (valueOf (*parameter), 0.5f) << "the constructor applies the default at once";
    EXPECT_DOUBLE_EQ (parameter->GetNormalizedDefaultValue(), 0.5);
    EXPECT_EQ (parameter->GetNumberOfSteps(), 128u) << "a continuous parameter starts with 128 steps";
    EXPECT_EQ (parameter->GetType(), AAX_eParameterType_Continuous);
    EXPECT_EQ (parameter->GetOrientation(), 0);
    EXPECT_TRUE (services.host.assertions.empty());

    // What the wrapper sets next: steps, type and orientation are stored as given.
    parameter->SetNumberOfSteps (2);
    parameter->SetType (AAX_eParameterType_Discrete);
    parameter->SetOrientation (AAX_eParameterOrientation_RightMinLeftMax | AAX_eParameterOrientation_TopMinBottomMax
                               | AAX_eParameterOrientation_RotaryRightMinLeftMax);
    EXPECT_EQ (parameter->GetNumberOfSteps(), 2u);
    EXPECT_EQ (parameter->GetType(), AAX_eParameterType_Discrete);
    EXPECT_EQ (parameter->GetOrientation(), 19) << "an inverted framework parameter";
}

TEST (Parameter, OverlongIdentifierIsCutTo31CharactersWithOneReport)
{
    struct Case
    {
        size_t length;
        size_t kept;
        size_t reports;
    };

    for (const Case c : { Case { 31, 31, 0 }, Case { 32, 31, 1 }, Case { 40, 31, 1 } })
    {
        SCOPED_TRACE (c.length);
        ScopedHostServices services;
        const std::string id (c.length, 'i');

        auto parameter = makeParameter (id.c_str());
        const std::unique_ptr<AAX_IParameterValue> snapshot (parameter->CloneValue());
        const std::unique_ptr<AAX_IParameterValue> snapshotOfSnapshot (snapshot->Clone());

        EXPECT_EQ (std::string (parameter->Identifier()), id.substr (0, c.kept));
        EXPECT_EQ (std::string (snapshot->Identifier()), id.substr (0, c.kept));
        EXPECT_EQ (std::string (snapshotOfSnapshot->Identifier()), id.substr (0, c.kept));
        ASSERT_EQ (services.host.assertions.size(), c.reports) << "snapshots carry the cut identifier without a report";

        if (c.reports > 0)
        {
            EXPECT_EQ (services.host.assertions[0].file, "/Library/SDKs/AAX/Interfaces/AAX_CParameter");
            EXPECT_EQ (services.host.assertions[0].line, 191);
            EXPECT_EQ (services.host.assertions[0].expression, "len < eParemeterDefaultMaxIdentifierSize");
            EXPECT_EQ (services.host.assertions[0].flags, 1);
        }
    }
}

TEST (Parameter, ValueSnapshotHoldsTheValueAsAFloatOnly)
{
    auto parameter = makeParameter ("Width", 0.25f);
    const std::unique_ptr<AAX_IParameterValue> snapshot (parameter->CloneValue());
    parameter->SetValueWithFloat (0.75f);

    float floatValue = 0.0f;
    bool boolValue = false;
    int32_t intValue = 7;
    double doubleValue = 7.0;
    AAX_CString text ("unchanged");

    EXPECT_TRUE (snapshot->GetValueAsFloat (&floatValue));
    EXPECT_EQ (floatValue, 0.25f) << "a snapshot does not follow the parameter";
    EXPECT_FALSE (snapshot->GetValueAsBool (&boolValue));
    EXPECT_FALSE (snapshot->GetValueAsInt32 (&intValue));
    EXPECT_FALSE (snapshot->GetValueAsDouble (&doubleValue));
    EXPECT_FALSE (snapshot->GetValueAsString (&text));
    EXPECT_EQ (intValue, 7);
    EXPECT_EQ (doubleValue, 7.0);
    EXPECT_STREQ (text.Get(), "unchanged");
}

TEST (Parameter, WithADelegateEverySetIsARequestToTheHost)
{
    for (const auto& request : setRequests())
    {
        SCOPED_TRACE (request.name);
        DelegatedParameter fixture;
        auto& [delegate, parameter] = fixture;

        EXPECT_TRUE (request.ask (*parameter));

        const std::string n = std::to_string (request.normalized);
        EXPECT_EQ (delegate.log, (Log { "touch Width", "set Width " + n, "release Width" }));
        EXPECT_EQ (valueOf (*parameter), 0.5f) << "nothing changes until the host answers";

        delegate.log.clear();
        parameter->UpdateNormalizedValue (request.normalized);
        EXPECT_FLOAT_EQ (valueOf (*parameter), static_cast<float> (request.normalized));
        EXPECT_EQ (delegate.log, (Log { "current Width " + n }));
    }
}

TEST (Parameter, WithoutADelegateEverySetAppliesAtOnce)
{
    for (const auto& request : setRequests())
    {
        SCOPED_TRACE (request.name);
        auto parameter = makeParameter ("Width", 0.5f);

        EXPECT_TRUE (request.ask (*parameter));
        EXPECT_FLOAT_EQ (valueOf (*parameter), static_cast<float> (request.normalized));
        EXPECT_DOUBLE_EQ (parameter->GetNormalizedValue(), request.normalized);
    }
}

TEST (Parameter, SettersOfOtherTypesAndBadTextChangeNothing)
{
    DelegatedParameter fixture;
    auto& [delegate, parameter] = fixture;

    EXPECT_FALSE (parameter->SetValueWithBool (true));
    EXPECT_FALSE (parameter->SetValueWithInt32 (1));
    EXPECT_FALSE (parameter->SetValueWithDouble (1.0));
    EXPECT_FALSE (parameter->SetValueFromString (AAX_CString ("dB")));
    EXPECT_FALSE (parameter->SetValueWithString (AAX_CString ("")));

    EXPECT_TRUE (delegate.log.empty());
    EXPECT_EQ (valueOf (*parameter), 0.5f);
}

TEST (Parameter, AnswerWithTheStoredValueReportsNothingUnlessANotifyIsPending)
{
    DelegatedParameter fixture;
    auto& [delegate, parameter] = fixture;

    parameter->UpdateNormalizedValue (0.5);
    EXPECT_TRUE (delegate.log.empty()) << "construction leaves no notify pending";

    // A taper change that keeps the real value waits for the host; its answer always counts.
    AAX_CLinearTaperDelegate<float, 0> wider (0.0f, 2.0f);
    parameter->SetTaperDelegate (wider, true);
    EXPECT_EQ (delegate.log, (Log { "touch Width", "set Width 0.250000", "release Width" }));

    delegate.log.clear();
    parameter->UpdateNormalizedValue (0.25);
    EXPECT_EQ (delegate.log, (Log { "current Width 0.250000" })) << "the same real value, stored and reported";

    delegate.log.clear();
    parameter->UpdateNormalizedValue (0.25);
    EXPECT_TRUE (delegate.log.empty()) << "the flag went with the answer";
}

TEST (Parameter, TaperChangeKeepsEitherTheRealOrTheNormalizedValue)
{
    AAX_CLinearTaperDelegate<float, 0> decibels (-18.0f, 18.0f);

    auto keepsReal = makeParameter ("A", 0.75f);
    keepsReal->SetTaperDelegate (decibels, true);
    EXPECT_EQ (valueOf (*keepsReal), 0.75f);
    EXPECT_DOUBLE_EQ (keepsReal->GetNormalizedValue(), (0.75 + 18.0) / 36.0);

    auto keepsNormalized = makeParameter ("B", 0.75f);
    keepsNormalized->SetTaperDelegate (decibels, false);
    EXPECT_EQ (valueOf (*keepsNormalized), 9.0f);
    EXPECT_DOUBLE_EQ (keepsNormalized->GetNormalizedValue(), 0.75);

    EXPECT_EQ (keepsReal->GetNormalizedDefaultValue(), (0.75 + 18.0) / 36.0) << "the default stays in real units";
}

TEST (Parameter, DisplayChangeReportsTheCurrentValueToTheHost)
{
    DelegatedParameter fixture;
    auto& [delegate, parameter] = fixture;

    AAX_CNumberDisplayDelegate<float, 1> oneDecimal;
    parameter->SetDisplayDelegate (oneDecimal);

    EXPECT_EQ (delegate.log, (Log { "current Width 0.500000" }));
    AAX_CString text;
    EXPECT_TRUE (parameter->GetValueString (&text));
    EXPECT_STREQ (text.Get(), "0.5");
}

TEST (Parameter, DelegateRegistrationFollowsTheParameter)
{
    RecordingAutomationDelegate first, second;
    auto parameter = makeParameter ("Width");

    parameter->SetAutomationDelegate (&first);
    parameter->SetAutomationDelegate (&second);
    parameter->Touch();
    parameter->Release();
    parameter.reset();

    EXPECT_EQ (first.log, (Log { "register Width", "unregister Width" }));
    EXPECT_EQ (second.log, (Log { "register Width", "touch Width", "release Width", "unregister Width" }));

    auto alone = makeParameter ("Alone");
    alone->Touch();   // nothing to reach, nothing to crash
    alone->Release();
}

TEST (Parameter, StepsAndNormalizedValues)
{
    struct Case
    {
        uint32_t steps;
        double normalized;
        uint32_t step;        // GetStepValueFromNormalizedValue (normalized)
        uint32_t stepIn;
        double normalizedOut; // GetNormalizedValueFromStep (stepIn)
    };

    const Case cases[] = {
        { 128, 0.5, 64, 127, 1.0 },     // 63.5 + 0.5, truncated
        { 128, 0.0, 0, 0, 0.0 },
        { 128, 1.0, 127, 64, 64.0 / 127.0 },
        { 128, 2.0, 127, 500, 1.0 },    // clamped both ways
        { 128, -1.0, 0, 1, 1.0 / 127.0 },
        { 128, std::numeric_limits<double>::quiet_NaN(), 0, 0, 0.0 },
        { 2, 0.49, 0, 1, 1.0 },
        { 2, 0.5, 1, 0, 0.0 },
        { 1, 0.9, 0, 1, 0.0 },          // a single step converts everything to 0
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (std::to_string (c.steps) + " steps, " + std::to_string (c.normalized));
        auto parameter = makeParameter();
        parameter->SetNumberOfSteps (c.steps);

        EXPECT_EQ (parameter->GetStepValueFromNormalizedValue (c.normalized), c.step);
        EXPECT_DOUBLE_EQ (parameter->GetNormalizedValueFromStep (c.stepIn), c.normalizedOut);
    }
}

TEST (Parameter, StepValueFollowsTheValueAndASingleStepCannotBeSet)
{
    auto parameter = makeParameter ("Width", 0.5f);
    EXPECT_EQ (parameter->GetStepValue(), 64u);

    parameter->SetNumberOfSteps (1);
    parameter->SetStepValue (1);
    EXPECT_EQ (valueOf (*parameter), 0.5f);
}

TEST (Parameter, ZeroStepsIsReportedAndIgnored)
{
    ScopedHostServices services;
    auto parameter = makeParameter();
    parameter->SetNumberOfSteps (2048);

    parameter->SetNumberOfSteps (0);

    EXPECT_EQ (parameter->GetNumberOfSteps(), 2048u);
    ASSERT_EQ (services.host.assertions.size(), 1u);
    EXPECT_EQ (services.host.assertions[0].line, 831);
    EXPECT_EQ (services.host.assertions[0].expression, "0 < numSteps");
}

TEST (Parameter, TextConversionsThroughTheDisplay)
{
    auto parameter = makeParameter ("Width", 0.25f);

    struct Case
    {
        double normalized;
        int32_t maxChars;   // below 0: no limit
        bool converted;
        const char* text;
    };

    const Case cases[] = {
        { 0.5, -1, true, "0.500" },
        { 1.5, -1, true, "1.000" },   // constrained to the range before the range test
        { -0.5, -1, true, "0.000" },
        { 0.5, 4, true, "0.50" },
        { 0.5, 2, true, "0" },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (std::to_string (c.normalized) + " in " + std::to_string (c.maxChars));
        AAX_CString text;
        const bool converted = c.maxChars < 0 ? parameter->GetStringFromNormalizedValue (c.normalized, text)
                                              : parameter->GetStringFromNormalizedValue (c.normalized, c.maxChars, text);
        EXPECT_EQ (converted, c.converted);
        EXPECT_STREQ (text.Get(), c.text);
    }

    double normalized = -1.0;
    EXPECT_TRUE (parameter->GetNormalizedValueFromString (AAX_CString ("0.8"), &normalized));
    EXPECT_NEAR (normalized, 0.8, 1e-7);
    normalized = -1.0;
    EXPECT_FALSE (parameter->GetNormalizedValueFromString (AAX_CString ("wide"), &normalized));
    EXPECT_EQ (normalized, -1.0);

    AAX_CString valueText;
    EXPECT_TRUE (parameter->GetValueString (&valueText));
    EXPECT_STREQ (valueText.Get(), "0.250");
    EXPECT_TRUE (parameter->GetValueString (3, &valueText));
    EXPECT_STREQ (valueText.Get(), "0.2");

    AAX_CString asString;
    EXPECT_TRUE (parameter->GetValueAsString (&asString));
    EXPECT_STREQ (asString.Get(), "0.250");
    EXPECT_FALSE (parameter->GetValueAsString (nullptr));
}

TEST (Parameter, TypedConversionsAcceptOnlyFloats)
{
    auto parameter = makeParameter();
    double normalized = -1.0;
    float real = -1.0f;

    EXPECT_TRUE (parameter->GetNormalizedValueFromFloat (0.3f, &normalized));
    EXPECT_DOUBLE_EQ (normalized, static_cast<double> (0.3f));
    EXPECT_TRUE (parameter->GetFloatFromNormalizedValue (0.6, &real));
    EXPECT_EQ (real, 0.6f);

    normalized = -1.0;
    bool boolValue = false;
    int32_t intValue = -1;
    double doubleValue = -1.0;
    EXPECT_FALSE (parameter->GetNormalizedValueFromBool (true, &normalized));
    EXPECT_FALSE (parameter->GetNormalizedValueFromInt32 (1, &normalized));
    EXPECT_FALSE (parameter->GetNormalizedValueFromDouble (1.0, &normalized));
    EXPECT_FALSE (parameter->GetBoolFromNormalizedValue (1.0, &boolValue));
    EXPECT_FALSE (parameter->GetInt32FromNormalizedValue (1.0, &intValue));
    EXPECT_FALSE (parameter->GetDoubleFromNormalizedValue (1.0, &doubleValue));
    EXPECT_FALSE (parameter->GetValueAsBool (&boolValue));
    EXPECT_FALSE (parameter->GetValueAsInt32 (&intValue));
    EXPECT_FALSE (parameter->GetValueAsDouble (&doubleValue));
    EXPECT_EQ (normalized, -1.0);
    EXPECT_EQ (intValue, -1);
    EXPECT_EQ (doubleValue, -1.0);
}

TEST (Parameter, DefaultIsConstrainedAndNeverSentToTheHost)
{
    DelegatedParameter fixture;
    auto& [delegate, parameter] = fixture;

    parameter->SetNormalizedDefaultValue (1.5);

    EXPECT_DOUBLE_EQ (parameter->GetNormalizedDefaultValue(), 1.0);
    EXPECT_EQ (valueOf (*parameter), 0.5f);
    EXPECT_TRUE (delegate.log.empty());
}

TEST (Parameter, ShortenedNamesPickTheLongestThatFits)
{
    struct Case
    {
        const char* name;
        std::vector<const char*> shortened;
        int32_t length;
        const char* expected;
    };

    const Case cases[] = {
        { "lengths 4 and 8, 3 asked: the shortest", { "Outp", "Out Gain" }, 3, "Outp" },
        { "lengths 2 and 4, 3 asked", { "OG", "OutG" }, 3, "OG" },
        { "lengths 2 and 4, 5 asked", { "OG", "OutG" }, 5, "OutG" },
        { "exact length", { "OG", "OutG" }, 4, "OutG" },
        { "the name itself fits", { "OG" }, 11, "Output Gain" },
        { "negative length", { "OG" }, -1, "Output Gain" },
        { "no shortened names", {}, 2, "Output Gain" },
        { "one name per length, the last wins", { "OG", "Og" }, 2, "Og" },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        Parameter parameter ("Output Gain", AAX_CString ("Output Gain"), 0.5f, AAX_CLinearTaperDelegate<float, 0>(),
                             AAX_CNumberDisplayDelegate<float, 3>(), true);

        for (const char* name : c.shortened)
            parameter.AddShortenedName (AAX_CString (name));

        EXPECT_STREQ (parameter.ShortenedName (c.length).Get(), c.expected);
    }
}

TEST (Parameter, RenamingAndClearingShortenedNames)
{
    auto parameter = makeParameter();
    parameter->AddShortenedName (AAX_CString ("Wd"));
    parameter->SetName (AAX_CString ("Stereo Width"));

    EXPECT_STREQ (parameter->ShortenedName (5).Get(), "Wd");
    parameter->ClearShortenedNames();
    EXPECT_STREQ (parameter->ShortenedName (5).Get(), "Stereo Width");
}
} // namespace quindle::test::aax
