#include "AAX_CString.h"

#include <algorithm>
#include <locale>
#include <sstream>

namespace
{
    constexpr uint32_t kMaxLength = 0xFFFFFFFEu;

    const char* orEmpty (const char* text) noexcept
    {
        return text != nullptr ? text : "";
    }
}

AAX_CString::AAX_CString (const char* iString)
    : mString (orEmpty (iString))
{
}

AAX_CString::AAX_CString (const AAX_CString& iOther)
    : AAX_IString(), mString (iOther.mString)
{
}

AAX_CString::AAX_CString (const AAX_IString& iOther)
    : mString (orEmpty (iOther.Get()))
{
}

uint32_t AAX_CString::Length() const
{
    return static_cast<uint32_t> (mString.length());
}

uint32_t AAX_CString::MaxLength() const
{
    return kMaxLength;
}

const char* AAX_CString::Get() const
{
    return mString.c_str();
}

void AAX_CString::Set (const char* iString)
{
    mString.assign (orEmpty (iString));
}

AAX_IString& AAX_CString::operator= (const AAX_IString& iOther)
{
    // Get() of another object may point into this one's bytes only when it is this object.
    if (&iOther != this)
        Set (iOther.Get());

    return *this;
}

AAX_IString& AAX_CString::operator= (const char* iString)
{
    Set (iString);
    return *this;
}

AAX_CString& AAX_CString::operator= (const AAX_CString& iOther)
{
    mString = iOther.mString;
    return *this;
}

void AAX_CString::Clear()
{
    mString.clear();
}

AAX_CString& AAX_CString::Erase (uint32_t pos, uint32_t n)
{
    if (pos < mString.length())
        mString.erase (pos, n);

    return *this;
}

AAX_CString& AAX_CString::AppendNumber (double value, int32_t precision)
{
    std::ostringstream stream;
    stream.imbue (std::locale::classic());
    stream.setf (std::ios::fixed, std::ios::floatfield);
    stream.precision (std::max (precision, int32_t { 0 }));
    stream << value;
    mString += stream.str();
    return *this;
}

bool AAX_CString::ToDouble (double* oValue) const
{
    std::istringstream stream (mString);
    stream.imbue (std::locale::classic());

    double value = 0.0;
    const bool parsed = static_cast<bool> (stream >> value);

    if (oValue != nullptr)
        *oValue = parsed ? value : 0.0;

    return parsed;
}

bool AAX_CString::operator!= (const char* iString) const
{
    return mString != orEmpty (iString);
}

char& AAX_CString::operator[] (uint32_t index)
{
    return mString[index];
}
