#pragma once

#include "AAX.h"

/** The root of every taper delegate: the type-free handle a parameter takes a new taper by. */
class AAX_ITaperDelegateBase
{
public:
    virtual ~AAX_ITaperDelegateBase() = default;
};

/** Maps between a parameter's normalized value (0..1) and its real value. */
template <typename T>
class AAX_ITaperDelegate : public AAX_ITaperDelegateBase
{
public:
    /** A new heap copy, owned by the caller. */
    virtual AAX_ITaperDelegate* Clone() const = 0;
    virtual T GetMaximumValue() const = 0;
    virtual T GetMinimumValue() const = 0;
    virtual T ConstrainRealValue (T value) const = 0;
    virtual T NormalizedToReal (double normalizedValue) const = 0;
    virtual double RealToNormalized (T realValue) const = 0;
};
