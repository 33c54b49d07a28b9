#pragma once

#include "AAX_IDisplayDelegate.h"

/** Shows a value as a number with Precision decimals. SpaceAfter is part of the type only. */
template <typename T, uint32_t Precision, uint32_t SpaceAfter = 0>
class AAX_CNumberDisplayDelegate : public AAX_IDisplayDelegate<T>
{
public:
    AAX_CNumberDisplayDelegate* Clone() const override;
    bool ValueToString (T value, AAX_CString* valueString) const override;
    bool ValueToString (T value, int32_t maxNumChars, AAX_CString* valueString) const override;
    bool StringToValue (const AAX_CString& valueString, T* value) const override;
};
