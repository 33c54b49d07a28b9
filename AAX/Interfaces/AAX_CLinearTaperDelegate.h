#pragma once

#include "AAX_ITaperDelegate.h"

#include <algorithm>
#include <cmath>

/** A linear taper from minimum to maximum. RealPrecision is part of the taper's type only. */
template <typename T, int32_t RealPrecision>
class AAX_CLinearTaperDelegate : public AAX_ITaperDelegate<T>
{
public:
    AAX_CLinearTaperDelegate (T minValue = 0, T maxValue = 1);

    AAX_CLinearTaperDelegate* Clone() const override;
    T GetMaximumValue() const override;
    T GetMinimumValue() const override;
    /** The value clamped to the taper's range (the minimum when the range is empty); a NaN
        comes back unchanged. */
    T ConstrainRealValue (T value) const override;
    T NormalizedToReal (double normalizedValue) const override;
    /** 0.5 for an empty range. */
    double RealToNormalized (T realValue) const override;

private:
    T mMinValue;
    T mMaxValue;
};

template <typename T, int32_t RealPrecision>
AAX_CLinearTaperDelegate<T, RealPrecision>::AAX_CLinearTaperDelegate (T minValue, T maxValue)
    : mMinValue (minValue), mMaxValue (maxValue)
{
}

template <typename T, int32_t RealPrecision>
AAX_CLinearTaperDelegate<T, RealPrecision>* AAX_CLinearTaperDelegate<T, RealPrecision>::Clone() const
{
    return new AAX_CLinearTaperDelegate (*this);
}

template <typename T, int32_t RealPrecision>
T AAX_CLinearTaperDelegate<T, RealPrecision>::GetMaximumValue() const
{
    return mMaxValue;
}

template <typename T, int32_t RealPrecision>
T AAX_CLinearTaperDelegate<T, RealPrecision>::GetMinimumValue() const
{
    return mMinValue;
}

template <typename T, int32_t RealPrecision>
T AAX_CLinearTaperDelegate<T, RealPrecision>::ConstrainRealValue (T value) const
{
    if (mMinValue == mMaxValue)
        return mMinValue;

    if (std::isnan (static_cast<double> (value)))
        return value;

    return std::clamp (value, std::min (mMinValue, mMaxValue), std::max (mMinValue, mMaxValue));
}

template <typename T, int32_t RealPrecision>
T AAX_CLinearTaperDelegate<T, RealPrecision>::NormalizedToReal (double normalizedValue) const
{
    const double minimum = static_cast<double> (mMinValue);
    const double maximum = static_cast<double> (mMaxValue);
    return ConstrainRealValue (static_cast<T> ((maximum - minimum) * normalizedValue + minimum));
}

template <typename T, int32_t RealPrecision>
double AAX_CLinearTaperDelegate<T, RealPrecision>::RealToNormalized (T realValue) const
{
    if (mMinValue == mMaxValue)
        return 0.5;

    const double minimum = static_cast<double> (mMinValue);
    const double maximum = static_cast<double> (mMaxValue);
    return (static_cast<double> (ConstrainRealValue (realValue)) - minimum) / (maximum - minimum);
}
