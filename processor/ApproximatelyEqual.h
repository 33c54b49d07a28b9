#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

namespace quindle
{
/** Whether two numbers are equal within their type's own precision: apart by at most the
    smallest normal value, or by at most the epsilon times the larger magnitude. Exact when either
    is not finite. This is JUCE 7.0.8's default tolerance; 7.0.5 has no tolerance overload and
    its two-argument version fails for negative values. */
template <typename FloatType>
bool approximatelyEqual (FloatType a, FloatType b) noexcept
{
    if (! (std::isfinite (a) && std::isfinite (b)))
        return a == b;

    const auto difference = std::abs (a - b);
    return difference <= std::numeric_limits<FloatType>::min()
        || difference <= std::numeric_limits<FloatType>::epsilon() * std::max (std::abs (a), std::abs (b));
}
} // namespace quindle
