#include "ParameterText.h"

#include "LeadingNumber.h"
#include "ParameterRanges.h"

#include <cmath>
#include <limits>

namespace ParameterText
{
float readFiniteNumber (const juce::String& text)
{
    const auto number = readLeadingNumber (text);

    if (std::isnan (number))
        return 0.0f;

    constexpr auto largest = static_cast<double> (std::numeric_limits<float>::max());
    return static_cast<float> (juce::jlimit (-largest, largest, number));
}

juce::String widthValueToText (float value, int)
{
    return juce::String (std::round (value * 100.0f), 0);
}

float widthTextToValue (const juce::String& text)
{
    return readFiniteNumber (text) / 100.0f;
}

juce::String balanceValueToText (int value, int)
{
    if (value == 0)
        return "0.0";

    const auto magnitude = std::abs (value);
    const auto decimals = magnitude < ParameterRanges::balanceLimit ? 1 : 0;
    return juce::String (static_cast<double> (magnitude), decimals) + (value < 0 ? "L" : "R");
}

int balanceTextToValue (const juce::String& text)
{
    // Clamped before the conversion to int, so "3e9R" is full right rather than an overflow.
    const auto limit = static_cast<float> (ParameterRanges::balanceLimit);
    const auto number = static_cast<int> (juce::jlimit (-limit, limit, readFiniteNumber (text)));

    // The side letter negates whatever was read, so "-30L" is 30 (right).
    const auto last = text.getLastCharacter();

    if (last == 'r' || last == 'R')
        return number;

    if (last == 'l' || last == 'L')
        return -number;

    return number;
}

juce::String monoFreqValueToText (float value, int)
{
    if (ParameterRanges::isMonoFreqOff (value))
        return "Off";

    return juce::String (value, 0) + "Hz";
}

float monoFreqTextToValue (const juce::String& text)
{
    return readFiniteNumber (text);
}
} // namespace ParameterText
