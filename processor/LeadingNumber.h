#pragma once

#include <juce_core/juce_core.h>

/** The leading number of a text, found as the framework's decimal reader finds it
    (juce::String::getDoubleValue): white space is skipped, then an optional sign and "nan",
    "inf" or digits with an optional point and exponent are read, up to the first character that
    does not belong to the number; a text that does not begin with a number reads as 0.

    Unlike the framework's reader it is defined for every text: an exponent of any length is read
    in full, so "1e4294967296" is infinity and "1e-4294967296" is 0 rather than an integer
    overflow. The result is NaN only for "nan", and infinite for "inf" or a number beyond a double. */
double readLeadingNumber (const juce::String& text) noexcept;
