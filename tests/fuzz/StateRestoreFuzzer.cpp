// setStateInformation with any bytes. After every restore each parameter is finite and in its
// range; a refused restore changes nothing; an accepted one sets each parameter as its child in
// the tree says and keeps no number that is not finite; and a save of the result is accepted
// by the stream check and, restored elsewhere, gives back every value and the same bytes.

#include "ProcessorFuzzing.h"
#include "common/NonFiniteNumbers.h"

#include "processor/LeadingNumber.h"
#include "processor/PluginProcessor.h"
#include "processor/ValueTreeStreamCheck.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>

namespace
{
using namespace quindle::fuzz;
using namespace quindle::test;
using Values = std::array<float, 13>;

std::unique_ptr<QuindleAudioProcessor> processorAwayFromDefaults()
{
    auto processor = std::make_unique<QuindleAudioProcessor>();

    // A value kept and a value reset to its default differ for every parameter.
    for (auto* parameter : processor->getParameters())
        parameter->setValueNotifyingHost (parameter->getDefaultValue() < 0.5f ? 0.8f : 0.2f);

    return processor;
}

juce::RangedAudioParameter& parameterAt (QuindleAudioProcessor& processor, size_t index)
{
    return *static_cast<juce::RangedAudioParameter*> (processor.getParameters()[static_cast<int> (index)]);
}

Values valuesOf (QuindleAudioProcessor& processor)
{
    Values values {};

    for (size_t i = 0; i < values.size(); ++i)
        values[i] = processor.apvts.getRawParameterValue (parameterAt (processor, i).paramID)->load();

    return values;
}

std::string describe (const Values& values)
{
    std::string text;

    for (const auto value : values)
        text += std::to_string (value) + " ";

    return text;
}

std::string xmlOf (const juce::MemoryBlock& state)
{
    const auto xml = juce::ValueTree::readFromData (state.getData(), state.getSize()).createXml();
    return xml != nullptr ? xml->toString().toStdString() : std::string();
}

juce::MemoryBlock save (QuindleAudioProcessor& processor)
{
    juce::MemoryBlock block;
    processor.getStateInformation (block);
    return block;
}

bool restore (QuindleAudioProcessor& processor, const void* data, size_t size)
{
    takeDiagnosticLines();
    processor.setStateInformation (data, static_cast<int> (size));
    const auto lines = takeDiagnosticLines();
    const auto accepted = lines.find ("\nTree isValid: true\n") != std::string::npos;
    check (accepted || lines.find ("\nTree isValid: false\n") != std::string::npos, "a restore says whether it took the tree", lines);
    return accepted;
}

// What a restore of the tree must leave in each parameter: the value of the last child whose
// "id" is the parameter's ID as text, limited and snapped by the parameter; the default when
// that child has no "value"; the present value when there is no such child or its value is not
// a finite float.
Values expectedAfterRestoring (const juce::ValueTree& tree, QuindleAudioProcessor& processor, const Values& present)
{
    auto expected = present;

    for (size_t i = 0; i < expected.size(); ++i)
    {
        auto& parameter = parameterAt (processor, i);

        for (const auto& child : tree)
        {
            const auto& id = child["id"];

            if (! id.isString() || id.toString() != parameter.paramID)
                continue;

            if (! child.hasProperty ("value"))
            {
                expected[i] = parameter.convertFrom0to1 (parameter.getDefaultValue());
                continue;
            }

            const auto& value = child["value"];
            const auto number = value.isString() ? readLeadingNumber (value.toString()) : static_cast<double> (value);
            const auto isFiniteFloat = std::isfinite (number) && std::abs (number) <= std::numeric_limits<float>::max();
            expected[i] = isFiniteFloat && ! holdsNonFiniteNumber (value)
                              ? parameter.convertFrom0to1 (parameter.convertTo0to1 (static_cast<float> (number)))
                              : present[i];
        }
    }

    return expected;
}

bool nearlyEqual (const Values& a, const Values& b)
{
    for (size_t i = 0; i < a.size(); ++i)
        if (! (std::abs (a[i] - b[i]) <= 1.0e-4f * std::max (1.0f, std::abs (b[i]))))
            return false;

    return true;
}

void checkEveryParameterIsFiniteAndInRange (QuindleAudioProcessor& processor)
{
    const auto values = valuesOf (processor);

    for (size_t i = 0; i < values.size(); ++i)
    {
        const auto& parameter = parameterAt (processor, i);
        const auto& range = parameter.getNormalisableRange();
        const auto normalised = parameter.getValue();
        check (std::isfinite (values[i]) && values[i] >= range.start && values[i] <= range.end
                   && normalised >= 0.0f && normalised <= 1.0f,
               "every parameter is finite and in its range", parameter.paramID.toStdString() + ": " + std::to_string (values[i]));
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize (int*, char***)
{
    setUpForProcessors();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    const auto processor = processorAwayFromDefaults();
    const auto present = valuesOf (*processor);
    const auto before = save (*processor);

    const auto accepted = restore (*processor, data, size);
    checkEveryParameterIsFiniteAndInRange (*processor);

    if (! accepted)
    {
        check (save (*processor) == before, "a refused restore changes nothing");
        return 0;
    }

    check (walkValueTreeStream (data, size, QuindleAudioProcessor::stateLimits).fault == ValueTreeStreamFault::none, "only a complete tree is accepted");
    const auto tree = juce::ValueTree::readFromData (data, size);
    const auto values = valuesOf (*processor);
    const auto expected = expectedAfterRestoring (tree, *processor, present);
    check (nearlyEqual (values, expected), "each parameter takes the value of its own child", "got " + describe (values) + "\nexpected " + describe (expected));
    const auto nonFinite = nonFiniteNumberIn (processor->apvts.state);
    check (nonFinite.empty(), "the restored tree holds no number that is not finite", nonFinite);

    const auto saved = save (*processor);
    check (walkValueTreeStream (saved.getData(), saved.getSize(), QuindleAudioProcessor::stateLimits).fault == ValueTreeStreamFault::none,
           "a save is accepted by the stream check");

    // The same history as the first processor: a save before the restore writes the values the
    // framework has not yet written into the tree, which a restore would otherwise write after it.
    const auto other = processorAwayFromDefaults();
    save (*other);
    check (restore (*other, saved.getData(), saved.getSize()), "a save is accepted by a restore");
    check (valuesOf (*other) == values, "a save restored elsewhere gives back every value", describe (valuesOf (*other)) + "\n" + describe (values));
    check (save (*other) == saved, "a save restored elsewhere saves the same bytes", xmlOf (save (*other)) + "\n" + xmlOf (saved));
    return 0;
}
