#include "LeadingNumber.h"

#include <charconv>
#include <cstring>
#include <limits>

namespace
{
// word in lower-case ASCII letters.
bool startsWithIgnoringCase (const char* text, const char* word) noexcept
{
    for (; *word != 0; ++text, ++word)
        if (*text != *word && *text != *word - ('a' - 'A'))
            return false;

    return true;
}

bool isDigit (char c) noexcept
{
    return c >= '0' && c <= '9';
}

// For a decimal number too large or too small for a double: whether it is too large, that is
// whether its leading significant digit stands above the units (its decimal exponent is above 0).
bool isTooLarge (const char* number, const char* end) noexcept
{
    // Every count is bounded by the text's length. The exponent's digits are read only until it
    // is far beyond any such length (the answer cannot change any more) and ten times it still
    // fits in 64 bits.
    constexpr long long exponentBound = 100'000'000'000'000'000LL;
    long long integerDigits = 0, zerosAfterPoint = 0;
    bool significantDigitSeen = false, pointSeen = false;
    auto c = number;

    for (; c != end && (isDigit (*c) || *c == '.'); ++c)
    {
        if (*c == '.')
        {
            pointSeen = true;
            continue;
        }

        significantDigitSeen = significantDigitSeen || *c != '0';

        if (! pointSeen && significantDigitSeen)
            ++integerDigits;
        else if (pointSeen && ! significantDigitSeen)
            ++zerosAfterPoint;
    }

    const auto leadingDigitExponent = integerDigits > 0 ? integerDigits - 1 : -(zerosAfterPoint + 1);
    long long exponent = 0;
    bool negativeExponent = false;

    if (c != end && (*c == 'e' || *c == 'E'))
    {
        ++c;
        negativeExponent = c != end && *c == '-';

        if (c != end && (*c == '-' || *c == '+'))
            ++c;

        for (; c != end && isDigit (*c) && exponent < exponentBound; ++c)
            exponent = exponent * 10 + (*c - '0');
    }

    return leadingDigitExponent + (negativeExponent ? -exponent : exponent) > 0;
}
} // namespace

double readLeadingNumber (const juce::String& text) noexcept
{
    const auto* start = text.getCharPointer().findEndOfWhitespace().getAddress();
    const auto* end = start + std::strlen (start);
    const auto negative = *start == '-';

    if (*start == '-' || *start == '+')
        ++start;

    // from_chars would take a second minus sign.
    if (*start == '-')
        return 0.0;

    if (startsWithIgnoringCase (start, "nan"))
        return std::numeric_limits<double>::quiet_NaN();

    if (startsWithIgnoringCase (start, "inf"))
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();

    // from_chars reads the framework's decimal form (no sign, white space or hexadecimal) and
    // stops where the framework's reader stops; "nan" and "inf" are taken care of above.
    double magnitude = 0.0;
    const auto [numberEnd, error] = std::from_chars (start, end, magnitude);

    if (error == std::errc::invalid_argument)
        return 0.0;

    if (error == std::errc::result_out_of_range)
        magnitude = isTooLarge (start, numberEnd) ? std::numeric_limits<double>::infinity() : 0.0;

    return negative ? -magnitude : magnitude;
}
