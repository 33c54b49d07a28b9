#include "AAX_CParameter.h"

#include <iterator>

AAX_CStringAbbreviations::AAX_CStringAbbreviations (const AAX_CString& primary)
    : mPrimary (primary)
{
}

void AAX_CStringAbbreviations::SetPrimary (const AAX_CString& primary)
{
    mPrimary = primary;
}

const AAX_CString& AAX_CStringAbbreviations::Primary() const
{
    return mPrimary;
}

void AAX_CStringAbbreviations::Add (const AAX_CString& name)
{
    mStrings[name.Length()] = name;
}

const AAX_CString& AAX_CStringAbbreviations::Get (int32_t numCharacters) const
{
    if (numCharacters < 0 || mStrings.empty() || mPrimary.Length() <= static_cast<uint32_t> (numCharacters))
        return mPrimary;

    // The longest variant that fits; when none fits, the shortest there is.
    auto firstLonger = mStrings.upper_bound (static_cast<uint32_t> (numCharacters));

    if (firstLonger == mStrings.begin())
        return firstLonger->second;

    return std::prev (firstLonger)->second;
}

void AAX_CStringAbbreviations::Clear()
{
    mStrings.clear();
}
