#pragma once

#include "AAX_IString.h"

#include <string>

/** The library's string: an owned, growable string of bytes with no encoding imposed. Every
    operation accepts a null text as the empty string. */
class AAX_CString : public AAX_IString
{
public:
    AAX_CString() = default;
    AAX_CString (const char* iString);   // not explicit: texts pass where an AAX_CString is taken
    AAX_CString (const AAX_CString& iOther);
    AAX_CString (const AAX_IString& iOther);
    ~AAX_CString() override = default;

    uint32_t Length() const override;
    /** Always 0xFFFFFFFE: the string grows without a practical limit. */
    uint32_t MaxLength() const override;
    const char* Get() const override;
    void Set (const char* iString) override;
    AAX_IString& operator= (const AAX_IString& iOther) override;
    AAX_IString& operator= (const char* iString) override;

    AAX_CString& operator= (const AAX_CString& iOther);

    /** Makes the string empty; keeps its storage. */
    void Clear();
    /** Removes up to n bytes from pos on; a position at or past the end changes nothing. */
    AAX_CString& Erase (uint32_t pos, uint32_t n);
    /** Appends the value in fixed notation with exactly `precision` decimals, in the classic
        locale whatever the process locale is. A negative precision counts as 0. */
    AAX_CString& AppendNumber (double value, int32_t precision);
    /** Parses a leading decimal number (white space first is skipped) in the classic locale.
        Failure writes 0.0 and returns false. */
    bool ToDouble (double* oValue) const;

    bool operator!= (const char* iString) const;
    /** The byte at index; the caller keeps index below Length(). */
    char& operator[] (uint32_t index);

private:
    std::string mString;
};
