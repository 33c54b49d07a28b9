#pragma once

#include <juce_core/juce_core.h>

// Value/text conversions of the parameters that do not use the framework's own. Hosts call them
// from any thread (a host's text query, a typed-in value) and the editor's sliders use them for
// their text boxes. Every text-to-value function returns a finite number.
namespace ParameterText
{
/** Width 0..2 as a whole percentage without sign: 1 gives "100". */
juce::String widthValueToText (float value, int maximumLength);
/** A percentage such as "150" or "150%" as a width: 1.5. */
float widthTextToValue (const juce::String& text);

/** "37.0L", "0.0", "5.0R"; the two ends drop the decimal: "100L", "100R". */
juce::String balanceValueToText (int value, int maximumLength);
/** "30L" and "30 l" give -30, "30R" and "30" give 30; the number is truncated toward zero. */
int balanceTextToValue (const juce::String& text);

/** "Off" where the side high-pass is off (9 Hz), otherwise the whole frequency followed by
    "Hz": "150Hz". */
juce::String monoFreqValueToText (float value, int maximumLength);
/** The leading number of the text ("150Hz" gives 150, "Off" gives 0). */
float monoFreqTextToValue (const juce::String& text);

/** The leading number of the text as the framework reads it ("  -12.5e1dB" gives -125), but
    always finite: "nan" reads as 0, like a text without a number, and a reading beyond the float
    range, infinity included, is held at its edge, so the parameter's range then holds it at the
    range's end ("inf" is the top of the range). */
float readFiniteNumber (const juce::String& text);
} // namespace ParameterText
