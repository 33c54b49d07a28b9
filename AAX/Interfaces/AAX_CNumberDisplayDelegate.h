#pragma once

#include "AAX_IDisplayDelegate.h"

#include <algorithm>
#include <limits>

/** Shows a value as a number with Precision decimals. SpaceAfter is part of the type only. */
template <typename T, uint32_t Precision, uint32_t SpaceAfter = 0>
class AAX_CNumberDisplayDelegate : public AAX_IDisplayDelegate<T>
{
public:
    AAX_CNumberDisplayDelegate* Clone() const override;
    /** Fixed notation with Precision decimals. */
    bool ValueToString (T value, AAX_CString* valueString) const override;
    /** The same text cut to maxNumChars characters (none for 0 or less), without a '.' left
        dangling at the cut. */
    bool ValueToString (T value, int32_t maxNumChars, AAX_CString* valueString) const override;
    /** Parses a leading number; failure writes 0. */
    bool StringToValue (const AAX_CString& valueString, T* value) const override;
};

template <typename T, uint32_t Precision, uint32_t SpaceAfter>
AAX_CNumberDisplayDelegate<T, Precision, SpaceAfter>* AAX_CNumberDisplayDelegate<T, Precision, SpaceAfter>::Clone() const
{
    return new AAX_CNumberDisplayDelegate (*this);
}

template <typename T, uint32_t Precision, uint32_t SpaceAfter>
bool AAX_CNumberDisplayDelegate<T, Precision, SpaceAfter>::ValueToString (T value, AAX_CString* valueString) const
{
    if (valueString == nullptr)
        return false;

    valueString->Clear();
    valueString->AppendNumber (static_cast<double> (value), static_cast<int32_t> (Precision));
    return true;
}

template <typename T, uint32_t Precision, uint32_t SpaceAfter>
bool AAX_CNumberDisplayDelegate<T, Precision, SpaceAfter>::ValueToString (T value, int32_t maxNumChars,
                                                                           AAX_CString* valueString) const
{
    if (! ValueToString (value, valueString))
        return false;

    const uint32_t limit = maxNumChars > 0 ? static_cast<uint32_t> (maxNumChars) : 0u;

    if (valueString->Length() > limit)
        valueString->Erase (limit, valueString->Length() - limit);

    if (limit > 0 && valueString->Length() == limit && (*valueString)[limit - 1] == '.')
        valueString->Erase (limit - 1, 1);

    return true;
}

template <typename T, uint32_t Precision, uint32_t SpaceAfter>
bool AAX_CNumberDisplayDelegate<T, Precision, SpaceAfter>::StringToValue (const AAX_CString& valueString, T* value) const
{
    double number = 0.0;
    const bool parsed = valueString.ToDouble (&number);

    if (parsed)
        // A number beyond T's range becomes its largest value rather than an undefined conversion.
        number = std::clamp (number, static_cast<double> (std::numeric_limits<T>::lowest()),
                             static_cast<double> (std::numeric_limits<T>::max()));

    if (value != nullptr)
        *value = static_cast<T> (parsed ? number : 0.0);

    return parsed;
}
