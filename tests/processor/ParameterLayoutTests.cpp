#include "tests/processor/ProcessorTestSupport.h"
#include "processor/ParameterIDs.h"

namespace quindle::test::processor
{
namespace
{
enum class Kind { choice, toggle, integer, real };

struct ParameterCase
{
    const char* id;
    const char* name;
    Kind kind;
    float start, end, step, defaultValue;
    const char* label;
    const char* defaultText;
};

// Index order is the table order.
const ParameterCase parameterCases[] {
    { "Input M/S",    "In M/S",          Kind::choice,  0.0f,   2.0f,   1.0f,  0.0f,  "",   "M and S" },
    { "L Enabled",    "In L",            Kind::toggle,  0.0f,   1.0f,   1.0f,  1.0f,  "",   "On" },
    { "R Enabled",    "In R",            Kind::toggle,  0.0f,   1.0f,   1.0f,  1.0f,  "",   "On" },
    { "Phase Flip L", "In L Phase Flip", Kind::toggle,  0.0f,   1.0f,   1.0f,  0.0f,  "",   "Off" },
    { "Phase Flip R", "In R Phase Flip", Kind::toggle,  0.0f,   1.0f,   1.0f,  0.0f,  "",   "Off" },
    { "Stereo Swap",  "In Stereo Swap",  Kind::toggle,  0.0f,   1.0f,   1.0f,  0.0f,  "",   "Off" },
    { "Input Mono",   "In Mono",         Kind::toggle,  0.0f,   1.0f,   1.0f,  0.0f,  "",   "Off" },
    { "Balance",      "Balance",         Kind::integer, -100.0f, 100.0f, 1.0f, 0.0f,  "",   "0.0" },
    { "Stereo Pan",   "Stereo Pan",      Kind::toggle,  0.0f,   1.0f,   1.0f,  0.0f,  "",   "Off" },
    { "Width",        "Width",           Kind::real,    0.0f,   2.0f,   0.01f, 1.0f,  "%",  "100" },
    { "Mono Freq",    "Mono Freq",       Kind::real,    9.0f,   999.0f, 1.0f,  9.0f,  "",   "Off" },
    { "Mono Check",   "Out Mono",        Kind::toggle,  0.0f,   1.0f,   1.0f,  0.0f,  "",   "Off" },
    { "Output Gain",  "Out Gain",        Kind::real,    -18.0f, 18.0f,  0.1f,  0.0f,  "dB", "0.0" },
};

bool hasKind (const juce::AudioProcessorParameter* p, Kind kind)
{
    switch (kind)
    {
        case Kind::choice:  return dynamic_cast<const juce::AudioParameterChoice*> (p) != nullptr;
        case Kind::toggle:  return dynamic_cast<const juce::AudioParameterBool*> (p) != nullptr;
        case Kind::integer: return dynamic_cast<const juce::AudioParameterInt*> (p) != nullptr;
        case Kind::real:    return dynamic_cast<const juce::AudioParameterFloat*> (p) != nullptr;
    }

    return false;
}
} // namespace

TEST (ParameterLayout, ThirteenParametersInIndexOrderWithTheirShapeAndDefaults)
{
    const auto processor = makeProcessor();
    const auto& parameters = processor->getParameters();
    ASSERT_EQ (parameters.size(), 13);
    ASSERT_EQ (std::size (parameterCases), ParameterIDs::inIndexOrder.size());

    for (int index = 0; index < parameters.size(); ++index)
    {
        const auto& c = parameterCases[index];
        SCOPED_TRACE (c.id);
        auto* p = dynamic_cast<juce::RangedAudioParameter*> (parameters[index]);
        ASSERT_NE (p, nullptr);

        EXPECT_EQ (p->getParameterIndex(), index);
        EXPECT_EQ (p->paramID, c.id);
        EXPECT_STREQ (ParameterIDs::inIndexOrder[static_cast<size_t> (index)], c.id) << "shared ID list out of order";
        EXPECT_EQ (p->getVersionHint(), 1);
        EXPECT_EQ (p->getName (100), c.name);
        EXPECT_TRUE (hasKind (p, c.kind));
        EXPECT_EQ (p->getLabel(), c.label);

        const auto& range = p->getNormalisableRange();
        EXPECT_FLOAT_EQ (range.start, c.start);
        EXPECT_FLOAT_EQ (range.end, c.end);
        EXPECT_FLOAT_EQ (range.interval, c.step);
        EXPECT_FLOAT_EQ (range.skew, 1.0f);
        EXPECT_FALSE (range.symmetricSkew);

        EXPECT_FLOAT_EQ (p->convertFrom0to1 (p->getDefaultValue()), c.defaultValue);
        EXPECT_FLOAT_EQ (valueOf (*processor, c.id), c.defaultValue);
        EXPECT_EQ (p->getCurrentValueAsText(), c.defaultText);

        EXPECT_TRUE (p->isAutomatable());
        EXPECT_FALSE (p->isMetaParameter());
        EXPECT_FALSE (p->isOrientationInverted());
        EXPECT_EQ (p->getCategory(), juce::AudioProcessorParameter::genericParameter);
    }
}

TEST (ParameterLayout, NormalisedDefaultsThatHostsSee)
{
    const auto processor = makeProcessor();
    EXPECT_FLOAT_EQ (parameter (*processor, "Balance").getDefaultValue(), 0.5f);
    EXPECT_FLOAT_EQ (parameter (*processor, "Width").getDefaultValue(), 0.5f);
    EXPECT_FLOAT_EQ (parameter (*processor, "Mono Freq").getDefaultValue(), 0.0f);
    EXPECT_FLOAT_EQ (parameter (*processor, "Output Gain").getDefaultValue(), 0.5f);
}

TEST (ParameterLayout, ValueToTextAsHostsAndTheEditorShowIt)
{
    struct Case { const char* id; float value; const char* text; };
    const Case cases[] {
        { "Input M/S", 0.0f, "M and S" }, { "Input M/S", 1.0f, "M Solo" }, { "Input M/S", 2.0f, "S Solo" },
        { "L Enabled", 0.0f, "Off" },     { "L Enabled", 1.0f, "On" },
        { "Balance", -100.0f, "100L" },   { "Balance", -99.0f, "99.0L" },  { "Balance", -37.0f, "37.0L" },
        { "Balance", -1.0f, "1.0L" },     { "Balance", 0.0f, "0.0" },      { "Balance", 1.0f, "1.0R" },
        { "Balance", 5.0f, "5.0R" },      { "Balance", 99.0f, "99.0R" },   { "Balance", 100.0f, "100R" },
        { "Width", 0.0f, "0" },           { "Width", 0.5f, "50" },         { "Width", 1.0f, "100" },
        { "Width", 1.57f, "157" },        { "Width", 2.0f, "200" },
        { "Mono Freq", 9.0f, "Off" },     { "Mono Freq", 10.0f, "10Hz" },  { "Mono Freq", 150.0f, "150Hz" },
        { "Mono Freq", 999.0f, "999Hz" },
        { "Output Gain", -18.0f, "-18.0" }, { "Output Gain", -3.5f, "-3.5" }, { "Output Gain", 18.0f, "18.0" },
    };

    const juce::StringArray ownConversions { "Balance", "Width", "Mono Freq" };
    const auto processor = makeProcessor();

    for (const auto& c : cases)
    {
        SCOPED_TRACE (juce::String (c.id) + " at " + juce::String (c.value));
        auto& p = parameter (*processor, c.id);
        EXPECT_EQ (p.getText (p.convertTo0to1 (c.value), 0), c.text);

        if (ownConversions.contains (c.id))
        {
            EXPECT_EQ (p.getText (p.convertTo0to1 (c.value), 2), c.text) << "the maximum length is ignored";
        }
    }
}

TEST (ParameterLayout, TextToValueAsAHostOrATypedEntrySetsIt)
{
    // Expected values are after the framework's limiting and snapping to the step. A reading
    // beyond the range, infinity included, ends at the range's end; only a NaN or a text without
    // a number counts as no number (0 before the limiting).
    struct Case { const char* id; const char* text; float value; };
    const Case cases[] {
        { "Input M/S", "M Solo", 1.0f },  { "Input M/S", "S Solo", 2.0f },
        { "Balance", "30L", -30.0f },     { "Balance", "30 l", -30.0f },  { "Balance", "30R", 30.0f },
        { "Balance", "-30", -30.0f },     { "Balance", "12.9L", -12.0f }, { "Balance", "-30L", 30.0f },
        { "Balance", "L30", 0.0f },       { "Balance", "200R", 100.0f },  { "Balance", "3e9R", 100.0f },
        { "Balance", "3e9L", -100.0f },   { "Balance", "nan", 0.0f },     { "Balance", "-infL", 100.0f },
        { "Balance", "infL", -100.0f },   { "Balance", "1e400R", 100.0f }, { "Balance", "1e4294967296L", -100.0f },
        { "Width", "150", 1.5f },         { "Width", "150%", 1.5f },      { "Width", "50", 0.5f },
        { "Width", "250", 2.0f },         { "Width", "wide", 0.0f },      { "Width", "nan", 0.0f },
        { "Width", "inf", 2.0f },         { "Width", "-inf", 0.0f },      { "Width", "1e39", 2.0f },
        { "Width", "1e4294967298", 2.0f },
        { "Mono Freq", "150Hz", 150.0f }, { "Mono Freq", "150 Hz", 150.0f }, { "Mono Freq", "Off", 9.0f },
        { "Mono Freq", "5", 9.0f },       { "Mono Freq", "2000", 999.0f },   { "Mono Freq", "NaN", 9.0f },
        { "Mono Freq", "Infinity Hz", 999.0f }, { "Mono Freq", "1e-4294967296", 9.0f },
        { "Output Gain", "-3.5", -3.5f }, { "Output Gain", "-3.5 dB", -3.5f }, { "Output Gain", "40", 18.0f },
        { "Output Gain", "nan", 0.0f },   { "Output Gain", "-inf", -18.0f },   { "Output Gain", "inf dB", 18.0f },
        { "Output Gain", "1e4294967296", 18.0f }, { "Output Gain", "1e4294967298", 18.0f },
        { "Output Gain", "-1e400 dB", -18.0f },   { "Output Gain", "0e99999999999", 0.0f },
    };

    const auto processor = makeProcessor();

    for (const auto& c : cases)
    {
        SCOPED_TRACE (juce::String (c.id) + " from \"" + c.text + "\"");
        auto& p = parameter (*processor, c.id);
        const auto normalised = p.getValueForText (c.text);
        ASSERT_TRUE (std::isfinite (normalised));
        EXPECT_NEAR (p.convertFrom0to1 (normalised), c.value, 1.0e-5f);
    }
}
} // namespace quindle::test::processor
