#pragma once

#include "AAX_ITaperDelegate.h"

/** A linear taper from minimum to maximum. RealPrecision is part of the taper's type only. */
template <typename T, int32_t RealPrecision>
class AAX_CLinearTaperDelegate : public AAX_ITaperDelegate<T>
{
public:
    AAX_CLinearTaperDelegate (T minValue = 0, T maxValue = 1);

    AAX_CLinearTaperDelegate* Clone() const override;
    T GetMaximumValue() const override;
    T GetMinimumValue() const override;
    T ConstrainRealValue (T value) const override;
    T NormalizedToReal (double normalizedValue) const override;
    double RealToNormalized (T realValue) const override;

private:
    T mMinValue;
    T mMaxValue;
};
