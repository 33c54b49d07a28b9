#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

namespace quindle::test::aax
{
namespace
{
    using LinearTaper = AAX_CLinearTaperDelegate<float, 0>;
    using NumberDisplay = AAX_CNumberDisplayDelegate<float, 3u, 0u>;
} // namespace

TEST (LinearTaperDelegate, MapsBothWaysForEveryKindOfRange)
{
    struct Case
    {
        const char* name;
        float minimum, maximum;
        double normalized;
        float real;             // NormalizedToReal (normalized)
        float realIn;
        double normalizedOut;   // RealToNormalized (realIn)
    };

    const Case cases[] = {
        { "unit range, the framework's", 0.0f, 1.0f, 0.25, 0.25f, 0.25f, 0.25 },
        { "unit range, normalized beyond 1 is constrained", 0.0f, 1.0f, 1.5, 1.0f, 1.5f, 1.0 },
        { "unit range, below 0 is constrained", 0.0f, 1.0f, -0.5, 0.0f, -3.0f, 0.0 },
        { "decibel range", -18.0f, 18.0f, 0.5, 0.0f, 9.0f, 0.75 },
        { "reversed range", 1.0f, 0.0f, 0.25, 0.75f, 0.75f, 0.25 },
        { "empty range: every value is the minimum, every real value 0.5", 2.0f, 2.0f, 0.9, 2.0f, 7.0f, 0.5 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const LinearTaper taper (c.minimum, c.maximum);

        EXPECT_FLOAT_EQ (taper.NormalizedToReal (c.normalized), c.real);
        EXPECT_DOUBLE_EQ (taper.RealToNormalized (c.realIn), c.normalizedOut);
    }
}

TEST (LinearTaperDelegate, ConstrainsToTheRangeAndLetsNaNThrough)
{
    const LinearTaper reversed (1.0f, -1.0f);

    EXPECT_EQ (reversed.ConstrainRealValue (5.0f), 1.0f) << "the range is [min, max] whatever the order";
    EXPECT_EQ (reversed.ConstrainRealValue (-5.0f), -1.0f);
    EXPECT_EQ (reversed.ConstrainRealValue (0.5f), 0.5f);
    EXPECT_TRUE (std::isnan (reversed.ConstrainRealValue (std::numeric_limits<float>::quiet_NaN())));
    EXPECT_EQ (LinearTaper (3.0f, 3.0f).ConstrainRealValue (std::numeric_limits<float>::quiet_NaN()), 3.0f)
        << "an empty range answers its minimum before anything else";
}

TEST (LinearTaperDelegate, ComputesInDoublePrecisionFromTheFloatBounds)
{
    const LinearTaper taper (0.1f, 0.7f);
    const double minimum = 0.1f, maximum = 0.7f;

    EXPECT_EQ (taper.NormalizedToReal (1.0 / 3.0), static_cast<float> ((maximum - minimum) / 3.0 + minimum));
    EXPECT_EQ (taper.RealToNormalized (0.3f), (static_cast<double> (0.3f) - minimum) / (maximum - minimum));
}

TEST (LinearTaperDelegate, CloneKeepsTheBoundsAndIsOwnedByTheCaller)
{
    const LinearTaper taper (-18.0f, 18.0f);
    const std::unique_ptr<AAX_ITaperDelegate<float>> clone (taper.Clone());

    EXPECT_EQ (clone->GetMinimumValue(), -18.0f);
    EXPECT_EQ (clone->GetMaximumValue(), 18.0f);
    EXPECT_EQ (clone->NormalizedToReal (0.75), 9.0f);
}

TEST (NumberDisplayDelegate, ShowsThreeDecimalsAndCutsToTheLimit)
{
    struct Case
    {
        float value;
        int32_t maxChars;   // below 0: no limit
        const char* text;
    };

    const Case cases[] = {
        { 0.5f, -1, "0.500" }, { -12.34567f, -1, "-12.346" }, { 1.0f, -1, "1.000" }, { 0.0f, -1, "0.000" },
        { 0.5f, 10, "0.500" }, { 0.5f, 5, "0.500" }, { 0.5f, 4, "0.50" },
        { 0.5f, 2, "0" },       // "0." would end in a dangling point
        { 12.5f, 3, "12" }, { 123.4f, 3, "123" }, { 0.5f, 1, "0" },
        { 0.5f, 0, "" },
    };

    const NumberDisplay display;

    for (const auto& c : cases)
    {
        SCOPED_TRACE (std::to_string (c.value) + " in " + std::to_string (c.maxChars));
        AAX_CString text ("stale");

        const bool converted = c.maxChars < 0 ? display.ValueToString (c.value, &text)
                                              : display.ValueToString (c.value, c.maxChars, &text);

        EXPECT_TRUE (converted);
        EXPECT_STREQ (text.Get(), c.text);
    }
}

TEST (NumberDisplayDelegate, ParsesALeadingNumberAndWritesZeroOnFailure)
{
    struct Case
    {
        const char* text;
        bool parsed;
        float value;
    };

    const Case cases[] = {
        { "  2.5 ", true, 2.5f },
        { "-0.125", true, -0.125f },
        { "0.75 dB", true, 0.75f },
        { "dB", false, 0.0f },
        { "", false, 0.0f },
        { "1e300", true, FLT_MAX },   // beyond a float: its largest value, not an undefined conversion
    };

    const NumberDisplay display;

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.text);
        float value = 99.0f;

        EXPECT_EQ (display.StringToValue (AAX_CString (c.text), &value), c.parsed);
        EXPECT_EQ (value, c.value);
    }
}

TEST (NumberDisplayDelegate, RefusesANullText)
{
    const NumberDisplay display;

    EXPECT_FALSE (display.ValueToString (0.5f, nullptr));
    EXPECT_FALSE (display.ValueToString (0.5f, 3, nullptr));
}
} // namespace quindle::test::aax
