#include "tests/processor/ProcessorTestSupport.h"
#include "tests/common/ManyChildrenState.h"
#include "tests/common/TreeCounts.h"
#include "processor/ValueTreeStreamCheck.h"

#include <limits>

namespace quindle::test::processor
{
namespace
{
using Fault = ValueTreeStreamFault;

constexpr auto unbounded = std::numeric_limits<std::size_t>::max();
constexpr ValueTreeLimits noLimits { unbounded, unbounded, unbounded };

ValueTreeStreamWalk walk (const void* data, std::size_t size, const ValueTreeLimits& limits = noLimits)
{
    return walkValueTreeStream (data, size, limits);
}

ValueTreeStreamWalk walk (const juce::MemoryBlock& block, const ValueTreeLimits& limits = noLimits)
{
    return walk (block.getData(), block.getSize(), limits);
}

ValueTreeStreamWalk walk (const std::string& bytes, const ValueTreeLimits& limits = noLimits)
{
    return walk (bytes.data(), bytes.size(), limits);
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

TEST (ValueTreeStreamCheck, WalksWhatTheFrameworkWritesWhole)
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
        const auto whole = walk (block);
        EXPECT_EQ (whole.fault, Fault::none);
        EXPECT_EQ (whole.bytes, block.getSize());
        EXPECT_EQ (whole.trees, treesIn (c.tree));
        EXPECT_EQ (whole.properties, propertiesIn (c.tree));

        auto padded = block;
        padded.append ("\x01\x02", 2);
        const auto ofPadded = walk (padded);
        EXPECT_EQ (ofPadded.fault, Fault::none) << "bytes after the tree are ignored, as the framework does";
        EXPECT_EQ (ofPadded.bytes, block.getSize());
    }
}

TEST (ValueTreeStreamCheck, FindsThatEveryCutOfACompleteTreeEndsEarly)
{
    // Within the state's limits: the fault is the cut, not the size it declares.
    const auto block = streamOf (withEveryKindOfValue());

    for (size_t length = 0; length < block.getSize(); ++length)
        EXPECT_EQ (walk (block.getData(), length, QuindleAudioProcessor::stateLimits).fault, Fault::endsEarly) << "cut after " << length << " bytes";

    EXPECT_EQ (walk (nullptr, 10).fault, Fault::endsEarly);
}

TEST (ValueTreeStreamCheck, RefusesMalformedStreams)
{
    // Type "T" with one property "n"; each case below breaks one thing in what follows.
    const std::string typeAndName ("T\0\x01\x01n\0", 6);
    const auto intSeven = std::string ("\x01\x05\x01\x07\0\0\0", 7);
    const auto noChildren = std::string (1, '\0');
    ASSERT_EQ (walk (typeAndName + intSeven + noChildren).fault, Fault::none) << "the well-formed original";

    struct Case { const char* name; std::string bytes; Fault fault; };
    const Case cases[] {
        { "empty type", std::string ("\0\0\0", 3), Fault::malformed },
        { "type without terminator", "Parameters", Fault::endsEarly },
        { "empty property name", std::string ("T\0\x01\x01\0", 5) + intSeven + noChildren, Fault::malformed },
        { "negative property count", std::string ("T\0\x81\x01n\0", 6) + intSeven + noChildren, Fault::malformed },
        { "negative zero count", std::string ("T\0\x80", 3) + noChildren, Fault::malformed },
        { "size byte above four", std::string ("T\0\x05\x01\0\0\0\0n\0", 10) + intSeven + noChildren, Fault::malformed },
        { "count above int range", typeAndName + intSeven + std::string ("\x04\xff\xff\xff\xff", 5), Fault::malformed },
        { "children beyond the bytes", typeAndName + intSeven + std::string ("\x01\x02" "C\0\0\0", 6), Fault::endsEarly },
        { "int value of the wrong size", typeAndName + std::string ("\x01\x09\x01", 3) + std::string (8, '\0') + noChildren, Fault::malformed },
        { "int value longer than the bytes", typeAndName + std::string ("\x01\x20\x01\x07\0", 5), Fault::malformed },
        { "bool value with a payload", typeAndName + std::string ("\x01\x02\x02\x01", 4) + noChildren, Fault::malformed },
        { "array shorter than its items", typeAndName + std::string ("\x01\x03\x07\x01\x02\0\0", 7) + noChildren, Fault::malformed },
        { "array longer than its items", typeAndName + std::string ("\x01\x05\x07\x01\x01\0\0", 7) + noChildren, Fault::malformed },
        { "value beyond the bytes", typeAndName + std::string ("\x01\x20\x05x\0", 5) + noChildren, Fault::endsEarly },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (walk (c.bytes).fault, c.fault);
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
        const auto expected = c.valid ? Fault::none : Fault::notUtf8;
        EXPECT_EQ (walk (treeWith (c.text, "n", "x")).fault, expected) << "as a type name";
        EXPECT_EQ (walk (treeWith ("T", c.text, "x")).fault, expected) << "as a property name";
        EXPECT_EQ (walk (treeWith ("T", "n", c.text)).fault, expected) << "as a string value";
    }

    juce::ValueTree inAnArray ("T", { { "list", juce::Array<juce::var> { 1, juce::String::fromUTF8 ("\xc3\xa9") } } });
    auto bytes = streamOf (inAnArray);
    EXPECT_EQ (walk (bytes).fault, Fault::none);
    static_cast<char*> (bytes.getData())[bytes.getSize() - 3] = '\x28'; // "\xc3\xa9" becomes "\xc3("
    EXPECT_EQ (walk (bytes).fault, Fault::notUtf8) << "a string inside an array";
}

TEST (ValueTreeStreamCheck, RefusesNestingDeeperThanAnyStateNeeds)
{
    EXPECT_EQ (walk (streamOf (nested (20))).fault, Fault::none);
    EXPECT_EQ (walk (streamOf (nested (2000))).fault, Fault::nestedTooDeep) << "the framework's reader would recurse this deep";

    juce::var deepArray;

    for (int i = 0; i < 2000; ++i)
        deepArray = juce::var (juce::Array<juce::var> { deepArray });

    EXPECT_EQ (walk (streamOf (juce::ValueTree ("T", { { "deep", deepArray } }))).fault, Fault::nestedTooDeep);
}

TEST (ValueTreeStreamCheck, TakesATreeUpToItsLimitsAndNoMore)
{
    const auto block = streamOf (withEveryKindOfValue());
    const auto whole = walk (block);
    const ValueTreeLimits exact { whole.bytes, whole.trees, whole.properties };
    EXPECT_EQ (walk (block, exact).fault, Fault::none);

    struct Case { const char* name; ValueTreeLimits limits; };
    const Case cases[] {
        { "a byte less", { exact.bytes - 1, exact.trees, exact.properties } },
        { "a tree less", { exact.bytes, exact.trees - 1, exact.properties } },
        { "a property less", { exact.bytes, exact.trees, exact.properties - 1 } },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (walk (block, c.limits).fault, Fault::beyondLimits);

        auto padded = block;
        padded.append ("\x01\x02", 2);
        EXPECT_EQ (walk (padded, c.limits).fault, Fault::beyondLimits) << "however many bytes follow";
    }
}

TEST (ValueTreeStreamCheck, RefusesWhatIsDeclaredBeyondTheLimitsBeforeWalkingIt)
{
    // Each declares more than the limits allow in a stream of a few bytes: refused where the
    // count or size stands, not where the bytes run out.
    const ValueTreeLimits limits { 1000, 10, 10 };
    const std::string typeAndName ("T\0\x01\x01n\0", 6);

    struct Case { const char* name; std::string bytes; size_t faultAt; };
    const Case cases[] {
        { "children", std::string ("T\0\0\x01\x0a", 5), 5 },
        { "properties", std::string ("T\0\x01\x0b", 4), 4 },
        { "binary value", typeAndName + std::string ("\x02\xe9\x03\x08", 4), 10 },
        { "string value", typeAndName + std::string ("\x04\x00\x00\x00\x10\x05", 6), 12 },
        { "array elements", typeAndName + std::string ("\x01\x04\x07\x02\xe9\x03", 6), 12 },
        { "a name running past them", "T" + std::string (2000, 'a'), 0 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto result = walk (c.bytes, limits);
        EXPECT_EQ (result.fault, Fault::beyondLimits);
        EXPECT_EQ (result.bytes, c.faultAt);
    }

    const auto manyChildren = stateOfEmptyChildren (childrenIn64MiB);
    const auto ofManyChildren = walk (manyChildren, QuindleAudioProcessor::stateLimits);
    EXPECT_EQ (ofManyChildren.fault, Fault::beyondLimits);
    EXPECT_EQ (ofManyChildren.bytes, 17u) << "16 Mi children refused at their count, none of them walked";
}
} // namespace quindle::test::processor
