#include "processor/ApproximatelyEqual.h"
#include "processor/LinearSmoother.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quindle::test::processor
{
TEST (ApproximatelyEqual, FloatPrecisionToleranceOnBothSignsExactWhenNotFinite)
{
    using limits = std::numeric_limits<float>;
    const auto eps = limits::epsilon();

    struct Case { const char* name; float a, b; bool equal; };
    const Case cases[] {
        { "equal", 0.25f, 0.25f, true },
        { "one epsilon apart at 1", 1.0f, 1.0f + eps, true },
        { "two epsilon apart at 1", 1.0f, 1.0f + 2.0f * eps, false },
        { "one epsilon apart at -1", -1.0f, -1.0f - eps, true }, // JUCE 7.0.5 says no
        { "two epsilon apart at -1", -1.0f, -1.0f - 2.0f * eps, false },
        { "one step apart at 1e30", 1.0e30f, std::nextafter (1.0e30f, limits::infinity()), true },
        { "zero and half the smallest normal", 0.0f, limits::min() / 2.0f, true },
        { "zero and twice the smallest normal", 0.0f, 2.0f * limits::min(), false },
        { "signed zeros", -0.0f, 0.0f, true },
        { "NaN is never equal", limits::quiet_NaN(), limits::quiet_NaN(), false },
        { "infinity equals itself", limits::infinity(), limits::infinity(), true },
        { "infinity and the largest float", limits::infinity(), limits::max(), false },
        { "opposite infinities", limits::infinity(), -limits::infinity(), false },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (quindle::approximatelyEqual (c.a, c.b), c.equal);
        EXPECT_EQ (quindle::approximatelyEqual (c.b, c.a), c.equal);
    }
}

TEST (ApproximatelyEqual, ARampTargetWithinToleranceStartsNothing)
{
    quindle::LinearSmoother smoother;
    smoother.reset (100);
    quindle::setRampTarget (smoother, -1.0f);
    smoother.skip (40);

    quindle::setRampTarget (smoother, -1.0f - std::numeric_limits<float>::epsilon());
    EXPECT_FLOAT_EQ (smoother.skip (60), -1.0f) << "the ramp was not restarted";
    EXPECT_FALSE (smoother.isSmoothing());

    quindle::setRampTarget (smoother, 0.0f);
    EXPECT_TRUE (smoother.isSmoothing()) << "a real change starts a full ramp";
    EXPECT_FLOAT_EQ (smoother.skip (50), -0.5f);
}
} // namespace quindle::test::processor
