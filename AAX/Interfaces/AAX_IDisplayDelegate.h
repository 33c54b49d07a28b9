#pragma once

#include "AAX_CString.h"

/** The root of every display delegate: the type-free handle a parameter takes a new display by. */
class AAX_IDisplayDelegateBase
{
public:
    virtual ~AAX_IDisplayDelegateBase() = default;
};

/** Converts between a parameter's real value and its text. */
template <typename T>
class AAX_IDisplayDelegate : public AAX_IDisplayDelegateBase
{
public:
    /** A new heap copy, owned by the caller. */
    virtual AAX_IDisplayDelegate* Clone() const = 0;
    virtual bool ValueToString (T value, AAX_CString* valueString) const = 0;
    virtual bool ValueToString (T value, int32_t maxNumChars, AAX_CString* valueString) const = 0;
    virtual bool StringToValue (const AAX_CString& valueString, T* value) const = 0;
};
