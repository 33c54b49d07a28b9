// Any text typed into, or sent by a host to, each of the 13 parameters. Every reading is finite
// and in the parameter's range, and the text the parameter shows for that reading reads back as
// the same value. The three text-to-value functions of our own return finite numbers, Balance's
// within its range, whatever the text.

#include "tests/fuzz/ProcessorFuzzing.h"

#include "processor/ParameterRanges.h"
#include "processor/ParameterText.h"
#include "processor/PluginProcessor.h"

#include <cmath>
#include <memory>
#include <string>

namespace
{
using namespace quindle::test::fuzz;

QuindleAudioProcessor* processor = nullptr;

void checkReading (const juce::RangedAudioParameter& parameter, const juce::String& text)
{
    const auto where = parameter.paramID.toStdString() + " from \"" + text.toStdString() + "\"";
    const auto normalised = parameter.getValueForText (text);
    const auto value = parameter.convertFrom0to1 (normalised);
    const auto& range = parameter.getNormalisableRange();

    check (normalised >= 0.0f && normalised <= 1.0f && value >= range.start && value <= range.end,
           "a reading is finite and in the parameter's range", where + ": " + std::to_string (value));

    const auto shown = parameter.getText (normalised, 0);
    const auto again = parameter.convertFrom0to1 (parameter.getValueForText (shown));
    check (std::abs (again - value) <= 1.0e-4f * std::max (1.0f, std::abs (value)),
           "the text shown for a reading reads back as the same value",
           where + ": " + std::to_string (value) + " shown as \"" + shown.toStdString() + "\", read back as " + std::to_string (again));
}
} // namespace

extern "C" int LLVMFuzzerInitialize (int*, char***)
{
    setUpForProcessors();
    processor = new QuindleAudioProcessor(); // kept for the life of the process
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    // As the framework's AAX wrapper hands a host's text over: bytes up to the first zero byte,
    // each taken as one character. (A juce::String made from malformed UTF-8 is read past its
    // end by the framework's own string functions, so that is not fuzzed here.)
    const std::string bytes (reinterpret_cast<const char*> (data), size);
    const juce::String text (bytes.c_str());

    for (auto* parameter : processor->getParameters())
        checkReading (*static_cast<juce::RangedAudioParameter*> (parameter), text);

    check (std::isfinite (ParameterText::widthTextToValue (text)), "Width's reading is finite");
    check (std::isfinite (ParameterText::monoFreqTextToValue (text)), "Mono Freq's reading is finite");
    check (std::isfinite (ParameterText::readFiniteNumber (text)), "Output Gain's reading is finite");
    check (std::abs (ParameterText::balanceTextToValue (text)) <= ParameterRanges::balanceLimit, "Balance's reading is in its range");
    return 0;
}
