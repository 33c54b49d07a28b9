#include "AAX_CString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <locale>
#include <string>

namespace quindle::test::aax
{
namespace
{
    /** A string implementation of a host's own, seen only through the interface. */
    struct ForeignString : AAX_IString
    {
        explicit ForeignString (const char* t) : text (t) {}

        uint32_t Length() const override { return static_cast<uint32_t> (text.size()); }
        uint32_t MaxLength() const override { return 100; }
        const char* Get() const override { return text.c_str(); }
        void Set (const char* t) override { text = t; }
        AAX_IString& operator= (const AAX_IString& other) override { text = other.Get(); return *this; }
        AAX_IString& operator= (const char* t) override { text = t; return *this; }

        std::string text;
    };

    /** A locale whose numbers use ',' as decimal point and group digits by threes. */
    struct GermanStyleNumbers : std::numpunct<char>
    {
        char do_decimal_point() const override { return ','; }
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };

    /** Makes a locale with ',' decimals the process's global C++ locale for one scope. */
    struct ScopedCommaLocale
    {
        ScopedCommaLocale() : previous (std::locale::global (std::locale (std::locale::classic(), new GermanStyleNumbers))) {}
        ~ScopedCommaLocale() { std::locale::global (previous); }

        std::locale previous;
    };
}

TEST (CString, NullTextIsTheEmptyStringEverywhere)
{
    const char* none = nullptr;

    AAX_CString fromNull (none);
    EXPECT_EQ (fromNull.Length(), 0u);
    ASSERT_NE (fromNull.Get(), nullptr);
    EXPECT_STREQ (fromNull.Get(), "");

    AAX_CString text ("abc");
    text.Set (nullptr);
    EXPECT_STREQ (text.Get(), "");

    text = "abc";
    text = none;
    EXPECT_STREQ (text.Get(), "");

    EXPECT_FALSE (text != none) << "null compares as the empty text";
    EXPECT_TRUE (AAX_CString ("x") != none);
}

TEST (CString, CopiesAreDeepAndForeignStringsAreReadThroughGet)
{
    AAX_CString original ("Width");
    AAX_CString copy (original);
    copy[0] = 'w';
    EXPECT_STREQ (original.Get(), "Width");
    EXPECT_STREQ (copy.Get(), "width");

    const ForeignString foreign ("host text");
    AAX_CString fromForeign (foreign);
    EXPECT_STREQ (fromForeign.Get(), "host text");

    AAX_CString assigned;
    static_cast<AAX_IString&> (assigned) = foreign;
    EXPECT_STREQ (assigned.Get(), "host text");

    AAX_IString& self = assigned;
    self = self;
    EXPECT_STREQ (assigned.Get(), "host text") << "self-assignment keeps the text";

    assigned = copy;
    copy.Clear();
    EXPECT_STREQ (assigned.Get(), "width");
    EXPECT_EQ (copy.Length(), 0u);
}

TEST (CString, LengthCountsBytesAndMaxLengthIsFixed)
{
    EXPECT_EQ (AAX_CString ("M\xC3\xBC").Length(), 3u) << "bytes, not characters";
    EXPECT_EQ (AAX_CString().MaxLength(), 4294967294u);
    EXPECT_EQ (AAX_CString ("abc").MaxLength(), 0xFFFFFFFEu);
}

TEST (CString, EraseRemovesWhatLiesInsideTheString)
{
    struct Case
    {
        const char* name;
        uint32_t pos, n;
        const char* result;
    };

    const Case cases[] = {
        { "middle", 1, 2, "hlo" },
        { "past the end from inside", 2, 10, "he" },
        { "at the end", 5, 1, "hello" },
        { "beyond the end", 9, 1, "hello" },
        { "nothing", 0, 0, "hello" },
        { "everything", 0, 0xFFFFFFFFu, "" },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        AAX_CString text ("hello");
        EXPECT_EQ (&text.Erase (c.pos, c.n), &text);
        EXPECT_STREQ (text.Get(), c.result);
    }
}

TEST (CString, AppendNumberWritesFixedDecimalsAfterTheContent)
{
    struct Case
    {
        const char* prefix;
        double value;
        int32_t precision;
        const char* result;
    };

    const Case cases[] = {
        { "", 0.5, 3, "0.500" },
        { "", -12.34567, 3, "-12.346" },
        { "x", 1.0, 2, "x1.00" },
        { "", 2.5, 0, "2" },          // to nearest even, as the stream does
        { "", 3.7, 0, "4" },
        { "", 1234567.25, 1, "1234567.2" },
        { "", -0.0004, 3, "-0.000" },
        { "", 1.0, -2, "1" },         // a negative precision counts as none
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.result);
        AAX_CString text (c.prefix);
        text.AppendNumber (c.value, c.precision);
        EXPECT_STREQ (text.Get(), c.result);
    }
}

TEST (CString, NumbersIgnoreTheProcessLocale)
{
    ScopedCommaLocale comma;

    AAX_CString text;
    text.AppendNumber (1234.5, 2);
    EXPECT_STREQ (text.Get(), "1234.50") << "no ',' decimal point and no digit grouping";

    double value = 0.0;
    EXPECT_TRUE (AAX_CString ("0.75").ToDouble (&value));
    EXPECT_DOUBLE_EQ (value, 0.75);
}

TEST (CString, ToDoubleParsesALeadingNumber)
{
    struct Case
    {
        const char* text;
        bool parsed;
        double value;
    };

    const Case cases[] = {
        { "  2.5 ", true, 2.5 },
        { "-18", true, -18.0 },
        { "1e3", true, 1000.0 },
        { "0.25 dB", true, 0.25 },
        { "dB", false, 0.0 },
        { "", false, 0.0 },
        { "   ", false, 0.0 },
        { "1e999", false, 0.0 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.text);
        double value = 99.0;
        EXPECT_EQ (AAX_CString (c.text).ToDouble (&value), c.parsed);
        EXPECT_DOUBLE_EQ (value, c.value);
    }
}

TEST (CString, ComparisonIsByteForByte)
{
    EXPECT_FALSE (AAX_CString ("Gain") != "Gain");
    EXPECT_TRUE (AAX_CString ("Gain") != "gain");
    EXPECT_TRUE (AAX_CString ("Gain") != "Gain ");
    EXPECT_TRUE (AAX_CString ("") != "a");
}
} // namespace quindle::test::aax
