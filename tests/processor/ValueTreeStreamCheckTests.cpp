#include "ProcessorTestSupport.h"
#include "processor/ValueTreeStreamCheck.h"

using namespace quindle::test;

namespace
{
bool holdsTree (const juce::MemoryBlock& block)
{
    return holdsCompleteValueTree (block.getData(), block.getSize());
}

bool holdsTree (const std::string& bytes)
{
    return holdsCompleteValueTree (bytes.data(), bytes.size());
}

juce::ValueTree nested (int depth)
{
    juce::ValueTree root ("Level");

    for (auto tree = root; --depth > 0;)
    {
        juce::ValueTree child ("Level");
        tree.appendChild (child, nullptr);
        tree = child;
    }

    return root;
}

juce::ValueTree withEveryKindOfValue()
{
    juce::MemoryBlock binary ("\x00\x01\x02", 3);
    juce::var array;
    array.append (1);
    array.append ("two");
    array.append (juce::var (juce::Array<juce::var> { 3.0, juce::var() }));

    juce::ValueTree child ("Child", { { "void", juce::var() }, { "undefined", juce::var::undefined() } });
    child.appendChild (juce::ValueTree ("Grandchild"), nullptr);

    juce::ValueTree tree ("Root", { { "int", 7 }, { "int64", juce::int64 (1) << 40 }, { "double", 0.25 },
                                    { "true", true }, { "false", false }, { "text", "some text" },
                                    { "empty", "" }, { "binary", binary }, { "array", array } });
    tree.appendChild (child, nullptr);
    tree.appendChild (juce::ValueTree ("Sibling"), nullptr);
    return tree;
}
} // namespace

TEST (ValueTreeStreamCheck, AcceptsWhatTheFrameworkWrites)
{
    struct Case { const char* name; juce::ValueTree tree; };
    const Case cases[] {
        { "type only", juce::ValueTree ("T") },
        { "every kind of value and nested children", withEveryKindOfValue() },
        { "eight levels", nested (8) },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto block = streamOf (c.tree);
        EXPECT_TRUE (holdsTree (block));

        auto padded = block;
        padded.append ("\x01\x02", 2);
        EXPECT_TRUE (holdsTree (padded)) << "bytes after the tree are ignored, as the framework does";
    }
}

TEST (ValueTreeStreamCheck, RefusesEveryCutOfACompleteTree)
{
    const auto block = streamOf (withEveryKindOfValue());

    for (size_t length = 0; length < block.getSize(); ++length)
        EXPECT_FALSE (holdsCompleteValueTree (block.getData(), length)) << "cut after " << length << " bytes";
}

TEST (ValueTreeStreamCheck, RefusesMalformedStreams)
{
    // Type "T" with one property "n"; each case below breaks one thing in what follows.
    const std::string typeAndName ("T\0\x01\x01n\0", 6);
    const auto intSeven = std::string ("\x01\x05\x01\x07\0\0\0", 7);
    const auto noChildren = std::string (1, '\0');
    ASSERT_TRUE (holdsTree (typeAndName + intSeven + noChildren)) << "the well-formed original";

    struct Case { const char* name; std::string bytes; };
    const Case cases[] {
        { "empty type", std::string ("\0\0\0", 3) },
        { "type without terminator", "Parameters" },
        { "empty property name", std::string ("T\0\x01\x01\0", 5) + intSeven + noChildren },
        { "negative property count", std::string ("T\0\x81\x01n\0", 6) + intSeven + noChildren },
        { "size byte above four", std::string ("T\0\x05\x01\0\0\0\0n\0", 10) + intSeven + noChildren },
        { "count above int range", typeAndName + intSeven + std::string ("\x04\xff\xff\xff\xff", 5) },
        { "children beyond the bytes", typeAndName + intSeven + std::string ("\x01\x02" "C\0\0\0", 6) },
        { "int value of the wrong size", typeAndName + std::string ("\x01\x09\x01", 3) + std::string (8, '\0') + noChildren },
        { "bool value with a payload", typeAndName + std::string ("\x01\x02\x02\x01", 4) + noChildren },
        { "array shorter than its items", typeAndName + std::string ("\x01\x03\x07\x01\x02\0\0", 7) + noChildren },
        { "value beyond the bytes", typeAndName + std::string ("\x01\x20\x05x\0", 5) + noChildren },
    };

    EXPECT_FALSE (holdsCompleteValueTree (nullptr, 10));

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_FALSE (holdsTree (c.bytes));
    }
}

TEST (ValueTreeStreamCheck, TakesOnlyShortestFormUtf8InNamesAndTexts)
{
    // A type "T" with a property "n" holding a string, each with the text of a case put in one
    // place: the framework's writer gives back exactly these bytes only for valid UTF-8.
    const auto treeWith = [] (const std::string& type, const std::string& name, const std::string& text)
    {
        const auto payload = text + '\0';
        return type + '\0' + "\x01\x01" + name + '\0' + "\x01" + static_cast<char> (payload.size() + 1) + "\x05" + payload + '\0';
    };

    struct Case { const char* name; std::string text; bool valid; };
    const Case cases[] {
        { "ASCII", "Width", true },
        { "two-byte form", "Gr\xc3\xb6\xc3\x9f" "e", true },
        { "three-byte form up to U+FFFF", "\xe2\x82\xac \xef\xbf\xbf", true },
        { "four-byte form up to U+10FFFF", "\xf0\x9f\x8e\x9a \xf4\x8f\xbf\xbf", true },
        { "stray continuation byte", "a\x80", false },
        { "lead byte without its continuation", "\xc3(", false },
        { "sequence cut by the end", "ab\xe2\x82", false },
        { "overlong NUL", "\xc0\x80", false },
        { "overlong three-byte form", "\xe0\x80\xaf", false },
        { "overlong four-byte form", "\xf0\x8f\xbf\xbf", false },
        { "surrogate", "\xed\xa0\x80", false },
        { "beyond U+10FFFF", "\xf4\x90\x80\x80", false },
        { "five-byte lead", "\xf8\x88\x80\x80\x80", false },
        { "byte 0xff", "\xff", false },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (holdsTree (treeWith (c.text, "n", "x")), c.valid) << "as a type name";
        EXPECT_EQ (holdsTree (treeWith ("T", c.text, "x")), c.valid) << "as a property name";
        EXPECT_EQ (holdsTree (treeWith ("T", "n", c.text)), c.valid) << "as a string value";
    }

    juce::ValueTree inAnArray ("T", { { "list", juce::Array<juce::var> { 1, juce::String::fromUTF8 ("\xc3\xa9") } } });
    auto bytes = streamOf (inAnArray);
    EXPECT_TRUE (holdsTree (bytes));
    static_cast<char*> (bytes.getData())[bytes.getSize() - 3] = '\x28'; // "\xc3\xa9" becomes "\xc3("
    EXPECT_FALSE (holdsTree (bytes)) << "a string inside an array";
}

TEST (ValueTreeStreamCheck, RefusesNestingDeeperThanAnyStateNeeds)
{
    EXPECT_TRUE (holdsTree (streamOf (nested (20))));
    EXPECT_FALSE (holdsTree (streamOf (nested (2000)))) << "the framework's reader would recurse this deep";

    juce::var deepArray;

    for (int i = 0; i < 2000; ++i)
        deepArray = juce::var (juce::Array<juce::var> { deepArray });

    EXPECT_FALSE (holdsTree (streamOf (juce::ValueTree ("T", { { "deep", deepArray } }))));
}
