#include "processor/LeadingNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace quindle::test::processor
{
TEST (LeadingNumber, ReadsWhatTheFrameworksReaderReads)
{
    // Texts whose reading the framework's own reader gets right are the reference.
    const char* texts[] {
        "150", "150%", "  -12.5e1dB", "\t 42 Hz", ".5", "-.5", "5.", "+3", "30L", "12.9L", "3e9R",
        "1.5E-3", "0.000001", "1e308", "4.9e-324", "123456789012345678901234567890", "0x10", "1e", "1e+",
        "1e-x", "", " ", "abc", "L30", "e5", "-", ".", "- 3", "--3", "+-3", "none", "i",
    };

    for (const auto* text : texts)
    {
        SCOPED_TRACE (std::string ("\"") + text + "\"");
        EXPECT_DOUBLE_EQ (readLeadingNumber (text), juce::String (text).getDoubleValue());
    }
}

TEST (LeadingNumber, IsDefinedForNumbersOfAnySize)
{
    constexpr auto infinity = std::numeric_limits<double>::infinity();
    const std::string manyZeros (400, '0');

    struct Case { const char* name; std::string text; double value; };
    const Case cases[] {
        { "infinity", "inf", infinity },
        { "negative infinity, any case", "-InF", -infinity },
        { "infinity spelt out", "Infinity", infinity },
        { "exponent beyond a 32-bit integer", "1e4294967296", infinity },
        { "exponent that wraps a 32-bit integer to 2", "1e4294967298", infinity },
        { "negative number, huge exponent", "-2.5e4294967298dB", -infinity },
        { "huge negative exponent", "1e-4294967296", 0.0 },
        { "zero with a huge exponent", "0e99999999999", 0.0 },
        { "exponent of twenty digits", "1e99999999999999999999", infinity },
        { "exponent beyond a 64-bit integer", ".422e9555555555555555555550", infinity },
        { "negative exponent beyond a 64-bit integer", "-1e-99999999999999999999999", 0.0 },
        { "beyond a double", "1e400", infinity },
        { "below a double", "1e-400", 0.0 },
        { "401 digits", "1" + manyZeros, infinity },
        { "401 digits and a larger negative exponent", "1" + manyZeros + "e-800", 0.0 },
        { "400 zeros after the point", "0." + manyZeros + "1", 0.0 },
        { "400 zeros after the point and a larger exponent", "0." + manyZeros + "1e800", infinity },
        { "400 zeros after the point, back in range", "0." + manyZeros + "1e401", 1.0 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (readLeadingNumber (c.text), c.value);
    }

    EXPECT_TRUE (std::isnan (readLeadingNumber ("nan")));
    EXPECT_TRUE (std::isnan (readLeadingNumber ("  -NaN%")));
    EXPECT_TRUE (std::isnan (readLeadingNumber ("nano")));
}
} // namespace quindle::test::processor
