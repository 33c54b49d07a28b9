#include "tests/processor/ProcessorTestSupport.h"
#include "tests/common/NonFiniteNumbers.h"
#include "tests/common/TreeCounts.h"
#include "processor/ParameterIDs.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <map>

namespace quindle::test::processor
{
namespace
{
// A setting for every parameter that differs from its default.
const std::map<std::string, float> nonDefaultValues {
    { "Input M/S", 2.0f },   { "L Enabled", 0.0f },  { "R Enabled", 0.0f },   { "Phase Flip L", 1.0f },
    { "Phase Flip R", 1.0f }, { "Stereo Swap", 1.0f }, { "Input Mono", 1.0f },  { "Balance", -37.0f },
    { "Stereo Pan", 1.0f },  { "Width", 1.5f },      { "Mono Freq", 120.0f }, { "Mono Check", 1.0f },
    { "Output Gain", -3.5f },
};

std::map<std::string, float> allValues (QuindleAudioProcessor& processor)
{
    std::map<std::string, float> values;

    for (const auto* id : ParameterIDs::inIndexOrder)
        values[id] = valueOf (processor, id);

    return values;
}

std::map<std::string, float> defaultValues()
{
    return allValues (*makeProcessor());
}

std::unique_ptr<QuindleAudioProcessor> makeProcessorWithNonDefaultValues()
{
    auto processor = makeProcessor();

    for (const auto& [id, value] : nonDefaultValues)
        setParameter (*processor, id.c_str(), value);

    return processor;
}

std::string xmlLineOf (const juce::ValueTree& tree)
{
    return tree.createXml()->toString().toStdString() + "\n";
}

// A saved state of a processor at non-default values, with one child changed by `edit`.
juce::MemoryBlock editedState (const std::function<void (juce::ValueTree&)>& edit)
{
    auto tree = treeOf (saveState (*makeProcessorWithNonDefaultValues()));
    edit (tree);
    return streamOf (tree);
}

// By text: the tree's own look-up would also take an "id" of false or 0.0 as a match.
juce::ValueTree childFor (const juce::ValueTree& tree, const char* id)
{
    for (const auto& child : tree)
        if (child["id"].isString() && child["id"].toString() == id)
            return child;

    return {};
}

const std::string beyondLimitsLine = "State refused: more than 1048576 bytes, 4096 trees or 4096 properties\n";

// Ways to take a saved state to a limit of the state: each adds to the tree until it holds
// `total` trees, properties or bytes.
void addForeignChildren (juce::ValueTree& tree, size_t total)
{
    for (auto trees = treesIn (tree); trees < total; ++trees)
        tree.appendChild (juce::ValueTree ("Foreign"), nullptr);
}

void addForeignProperties (juce::ValueTree& tree, size_t total)
{
    for (auto properties = propertiesIn (tree); properties < total; ++properties)
        tree.setProperty ("foreign" + juce::String (properties), 0, nullptr);
}

void padToBytes (juce::ValueTree& tree, size_t total)
{
    // The size of the padding's own length changes with it, so it takes a second try.
    for (long long length = 0, size = 0; size != static_cast<long long> (total); length += static_cast<long long> (total) - size)
    {
        tree.setProperty ("padding", juce::MemoryBlock (static_cast<size_t> (length), true), nullptr);
        size = static_cast<long long> (streamOf (tree).getSize());
    }
}

/** The bytes with every occurrence of `from` replaced by `to`, a text of the same length. */
juce::MemoryBlock withBytesReplaced (const juce::MemoryBlock& block, const std::string& from, const std::string& to)
{
    std::string bytes (static_cast<const char*> (block.getData()), block.getSize());
    EXPECT_EQ (from.size(), to.size());
    EXPECT_NE (bytes.find (from), std::string::npos) << from;

    for (auto at = bytes.find (from); at != std::string::npos; at = bytes.find (from, at + to.size()))
        bytes.replace (at, from.size(), to);

    return { bytes.data(), bytes.size() };
}
} // namespace

TEST (StateSave, FreshStateIsTheParameterTreeIn567Bytes)
{
    const auto processor = makeProcessor();

    CapturedStderr captured;
    juce::MemoryBlock block ("previous contents that must go", 30);
    processor->getStateInformation (block);
    const auto output = captured.take();

    EXPECT_EQ (block.getSize(), 567u);

    const auto tree = treeOf (block);
    EXPECT_EQ (tree.getType().toString(), "Parameters");
    EXPECT_EQ (tree.getNumProperties(), 0);
    ASSERT_EQ (tree.getNumChildren(), 13);

    juce::StringArray ids;

    for (const auto& child : tree)
    {
        EXPECT_EQ (child.getType().toString(), "PARAM");
        EXPECT_EQ (child.getNumProperties(), 2);
        ids.add (child["id"].toString());
        EXPECT_FLOAT_EQ (static_cast<float> (child["value"]), defaultValues().at (child["id"].toString().toStdString()));
    }

    auto sortedIds = ids;
    sortedIds.sort (false);
    EXPECT_EQ (ids, sortedIds) << "children in ascending order of their IDs";

    EXPECT_EQ (output, "getState\n" + xmlLineOf (tree));
}

TEST (StateSave, HoldsAChangeMadeJustBeforeTheSave)
{
    // No message loop runs here, so the framework's flush timer never writes the value into the
    // tree: only a save that flushes first sees it.
    const auto processor = makeProcessor();
    setParameter (*processor, "Width", 0.5f);

    const auto tree = treeOf (saveState (*processor));
    EXPECT_FLOAT_EQ (static_cast<float> (childFor (tree, "Width")["value"]), 0.5f);
}

TEST (StateRestore, RoundTripRestoresEveryParameter)
{
    const auto saved = saveState (*makeProcessorWithNonDefaultValues());

    const auto processor = makeProcessor();
    const auto output = restoreState (*processor, saved);

    EXPECT_EQ (allValues (*processor), nonDefaultValues);
    EXPECT_EQ (output, "setState\nTree isValid: true\n" + xmlLineOf (processor->apvts.copyState()));

    const auto fresh = makeProcessor();
    restoreState (*fresh, saveState (*makeProcessor()));
    EXPECT_EQ (allValues (*fresh), defaultValues());
}

TEST (StateRestore, RestoringAnEarlierSaveUndoesALaterChange)
{
    const auto processor = makeProcessor();
    const auto saved = saveState (*processor);
    setParameter (*processor, "Width", 0.5f);

    restoreState (*processor, saved);
    EXPECT_FLOAT_EQ (valueOf (*processor, "Width"), 1.0f);
}

TEST (StateRestore, EmptyDataIsRefusedAndChangesNothing)
{
    const char byte = 'P';
    struct Case { const char* name; const void* data; int size; };
    const Case cases[] {
        { "null pointer", nullptr, 567 },
        { "size 0", &byte, 0 },
        { "negative size", &byte, -1 },
        { "empty type name", "\0\0\0", 3 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto processor = makeProcessorWithNonDefaultValues();
        const auto before = saveState (*processor);

        const auto output = restoreState (*processor, c.data, c.size);

        EXPECT_EQ (output, "setState\nTree isValid: false\n" + xmlLineOf (treeOf (before)));
        EXPECT_EQ (saveState (*processor), before);
        EXPECT_EQ (allValues (*processor), nonDefaultValues);
    }
}

TEST (StateRestore, AStateCutAtAnyOffsetIsRefused)
{
    // The framework's reader would turn most of these into a shorter tree and set the parameters
    // of cut-off children to 0: "L Enabled" off, "Width" 0 %.
    const auto full = saveState (*makeProcessor());
    const auto processor = makeProcessorWithNonDefaultValues();
    const auto before = saveState (*processor);

    for (size_t length = 1; length < full.getSize(); ++length)
    {
        SCOPED_TRACE ("cut after " + std::to_string (length) + " bytes");
        const auto output = restoreState (*processor, full.getData(), static_cast<int> (length));
        ASSERT_EQ (output.find ("Tree isValid: false\n"), 9u) << output.substr (0, 40);
        ASSERT_EQ (saveState (*processor), before);
    }

    restoreState (*processor, full);
    EXPECT_EQ (allValues (*processor), defaultValues()) << "the uncut state is still accepted";
}

TEST (StateRestore, HugeDeclaredCountsAreRefusedBeforeAnythingIsRead)
{
    // Type "Parameters", no properties, then a count or size that no stream of this length holds.
    const auto header = std::string ("Parameters\0", 11) + std::string ("\x00", 1);
    struct Case { const char* name; std::string bytes; };
    const Case cases[] {
        { "children", header + std::string ("\x04\xff\xff\xff\x7f", 5) },
        { "properties", std::string ("Parameters\0", 11) + std::string ("\x04\xff\xff\xff\x7f", 5) },
        { "binary value", std::string ("Parameters\0\x01\x01value\0", 19) + std::string ("\x04\xff\xff\xff\x7f\x08", 6) },
        { "string value", std::string ("Parameters\0\x01\x01value\0", 19) + std::string ("\x04\x00\x00\x00\x10\x05", 6) },
        { "negative children", header + std::string ("\x81\x05", 2) },
        { "five-byte count", header + std::string ("\x05\x01\x00\x00\x00\x00", 6) },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto processor = makeProcessorWithNonDefaultValues();
        const auto output = restoreState (*processor, c.bytes.data(), static_cast<int> (c.bytes.size()));
        EXPECT_EQ (output.find ("Tree isValid: false\n"), 9u);
        EXPECT_EQ (allValues (*processor), nonDefaultValues);
    }
}

TEST (StateRestore, AStateBeyondTheLimitsIsRefusedAndSaysWhy)
{
    const auto& limits = QuindleAudioProcessor::stateLimits;
    const auto withoutValue = [] (const char* id) { return [id] (juce::ValueTree& tree) { childFor (tree, id).removeProperty ("value", nullptr); }; };
    const auto childless = [] (const char* id) { return [id] (juce::ValueTree& tree) { tree.removeChild (childFor (tree, id), nullptr); }; };
    const auto asText = [] (const char* id) { return [id] (juce::ValueTree& tree) { childFor (tree, id).setProperty ("value", "1.5", nullptr); }; };

    // A save grown to a limit (`fill`), after one change that a restore undoes (`edit`): the
    // restore would take it one step further, beyond the limit.
    struct Case { const char* name; std::function<void (juce::ValueTree&)> edit, fill; };
    const Case cases[] {
        { "a tree more", nullptr, [&] (juce::ValueTree& t) { addForeignChildren (t, limits.trees + 1); } },
        { "a property more", nullptr, [&] (juce::ValueTree& t) { addForeignProperties (t, limits.properties + 1); } },
        { "a byte more", nullptr, [&] (juce::ValueTree& t) { padToBytes (t, limits.bytes + 1); } },
        { "all the trees, and a parameter without its child", childless ("Balance"), [&] (juce::ValueTree& t) { addForeignChildren (t, limits.trees); } },
        { "all the properties, and a child without its value", withoutValue ("Mono Freq"), [&] (juce::ValueTree& t) { addForeignProperties (t, limits.properties); } },
        { "all the bytes, and a child without its value", withoutValue ("Mono Freq"), [&] (juce::ValueTree& t) { padToBytes (t, limits.bytes); } },
        { "all the bytes, and a value given as text", asText ("Width"), [&] (juce::ValueTree& t) { padToBytes (t, limits.bytes); } },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        auto tree = treeOf (saveState (*makeProcessorWithNonDefaultValues()));

        if (c.edit)
            c.edit (tree);

        c.fill (tree);
        const auto processor = makeProcessor();
        setParameter (*processor, "Width", 0.25f);
        const auto before = saveState (*processor);

        const auto output = restoreState (*processor, streamOf (tree));

        // Compared whole, shown only in part: a state accepted by mistake makes a long XML line.
        const auto expected = "setState\nTree isValid: false\n" + beyondLimitsLine + xmlLineOf (treeOf (before));
        EXPECT_TRUE (output == expected) << output.substr (0, 200);
        EXPECT_TRUE (saveState (*processor) == before);
    }

    // A count far beyond the limits, in a stream of a few bytes.
    const auto processor = makeProcessorWithNonDefaultValues();
    const std::string declaresManyChildren ("Parameters\0\0\x04\0\0\0\x01x\0\0\0", 21);
    EXPECT_EQ (restoreState (*processor, declaresManyChildren.data(), 21).find (beyondLimitsLine), 29u);
    EXPECT_EQ (allValues (*processor), nonDefaultValues);
}

TEST (StateRestore, AStateAtTheLimitsIsRestoredAndSavesAsItWillBeRead)
{
    const auto& limits = QuindleAudioProcessor::stateLimits;

    struct Case { const char* name; std::function<void (juce::ValueTree&)> fill; size_t grownBy; };
    const Case cases[] {
        { "all the trees", [&] (juce::ValueTree& t) { addForeignChildren (t, limits.trees); }, 0 },
        { "all the properties", [&] (juce::ValueTree& t) { addForeignProperties (t, limits.properties); }, 0 },
        { "all the bytes", [&] (juce::ValueTree& t) { padToBytes (t, limits.bytes); }, 0 },
        // "value\0" and a double: the restore fills the bytes to the limit.
        { "all the bytes once a child gets its value", [&] (juce::ValueTree& t)
          {
              childFor (t, "Mono Freq").removeProperty ("value", nullptr);
              padToBytes (t, limits.bytes - 17);
          }, 17 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        auto tree = treeOf (saveState (*makeProcessorWithNonDefaultValues()));
        c.fill (tree);
        const auto state = streamOf (tree);

        const auto processor = makeProcessor();
        EXPECT_EQ (restoreState (*processor, state).find ("Tree isValid: true\n"), 9u);

        const auto saved = saveState (*processor);
        EXPECT_EQ (saved.getSize(), state.getSize() + c.grownBy);

        const auto elsewhere = makeProcessor();
        EXPECT_EQ (restoreState (*elsewhere, saved).find ("Tree isValid: true\n"), 9u) << "a save is never beyond the limits";
        EXPECT_EQ (saveState (*elsewhere), saved);
    }
}

TEST (StateRestore, NonFiniteValuesLeaveTheirParametersUnchanged)
{
    constexpr auto infinity = std::numeric_limits<double>::infinity();
    const auto state = editedState ([] (juce::ValueTree& tree)
    {
        childFor (tree, "Width").setProperty ("value", std::numeric_limits<double>::quiet_NaN(), nullptr);
        childFor (tree, "Balance").setProperty ("value", infinity, nullptr);
        childFor (tree, "Output Gain").setProperty ("value", -infinity, nullptr);
        childFor (tree, "Mono Freq").setProperty ("value", 1.0e300, nullptr);
        childFor (tree, "L Enabled").setProperty ("value", "nan", nullptr);
    });

    const auto processor = makeProcessor();
    setParameter (*processor, "Width", 0.25f);
    setParameter (*processor, "Mono Freq", 300.0f);
    const auto output = restoreState (*processor, state);

    auto expected = nonDefaultValues;
    expected["Width"] = 0.25f;
    expected["Balance"] = 0.0f;
    expected["Output Gain"] = 0.0f;
    expected["Mono Freq"] = 300.0f;
    expected["L Enabled"] = 1.0f;

    EXPECT_EQ (output.find ("Tree isValid: true\n"), 9u);
    EXPECT_EQ (allValues (*processor), expected);

    for (auto [id, value] : expected)
        EXPECT_TRUE (std::isfinite (parameter (*processor, id.c_str()).getValue())) << id;
}

TEST (StateRestore, AMissingChildKeepsThePresentValueAndIsAdded)
{
    const auto state = editedState ([] (juce::ValueTree& tree) { tree.removeChild (childFor (tree, "Balance"), nullptr); });

    const auto processor = makeProcessor();
    setParameter (*processor, "Balance", 42.0f);
    restoreState (*processor, state);

    auto expected = nonDefaultValues;
    expected["Balance"] = 42.0f;
    EXPECT_EQ (allValues (*processor), expected) << "a partial preset must not reset controls";

    const auto balanceChild = childFor (processor->apvts.state, "Balance");
    ASSERT_TRUE (balanceChild.isValid());
    EXPECT_EQ (balanceChild.getType().toString(), "PARAM");
    EXPECT_FLOAT_EQ (static_cast<float> (childFor (treeOf (saveState (*processor)), "Balance")["value"]), 42.0f);
}

TEST (StateRestore, AChildWithoutValueSetsTheDefault)
{
    const auto state = editedState ([] (juce::ValueTree& tree) { childFor (tree, "Mono Freq").removeProperty ("value", nullptr); });

    const auto processor = makeProcessor();
    restoreState (*processor, state);

    auto expected = nonDefaultValues;
    expected["Mono Freq"] = 9.0f;
    EXPECT_EQ (allValues (*processor), expected);
}

TEST (StateRestore, AValidTreeOfAnyTypeReplacesTheState)
{
    juce::ValueTree other ("SomethingElse");
    other.setProperty ("note", "kept", nullptr);
    other.appendChild (juce::ValueTree ("PARAM", { { "id", "Width" }, { "value", 0.5 } }), nullptr);
    other.appendChild (juce::ValueTree ("Extra"), nullptr);

    const auto processor = makeProcessorWithNonDefaultValues();
    const auto output = restoreState (*processor, streamOf (other));

    auto expected = nonDefaultValues;
    expected["Width"] = 0.5f;
    EXPECT_EQ (output.find ("Tree isValid: true\n"), 9u);
    EXPECT_EQ (allValues (*processor), expected);

    const auto saved = treeOf (saveState (*processor));
    EXPECT_EQ (saved.getType().toString(), "SomethingElse");
    EXPECT_EQ (saved["note"].toString(), "kept");
    EXPECT_TRUE (saved.getChildWithName ("Extra").isValid());
    EXPECT_EQ (saved.getNumChildren(), 14) << "one child per parameter plus the extra one";
}

TEST (StateRestore, OnlyAChildWhoseIdIsTheParameterIdAsTextDrivesIt)
{
    // var's own comparison takes false, 0 or 0.0 as equal to any text: such an "id" must neither
    // claim every parameter nor make them all fall back to their defaults.
    const std::pair<const char*, juce::var> ids[] { { "false", false }, { "int 0", 0 }, { "double 0.0", 0.0 } };

    for (const auto& [name, id] : ids)
    {
        SCOPED_TRACE (name);
        const auto state = editedState ([&id = id] (juce::ValueTree& tree) { childFor (tree, "Width").setProperty ("id", id, nullptr); });

        const auto processor = makeProcessor();
        setParameter (*processor, "Width", 0.25f);
        restoreState (*processor, state);

        auto expected = nonDefaultValues;
        expected["Width"] = 0.25f;
        EXPECT_EQ (allValues (*processor), expected) << "Width has no child; every other parameter has its own";

        const auto saved = treeOf (saveState (*processor));
        EXPECT_FLOAT_EQ (static_cast<float> (childFor (saved, "Width")["value"]), 0.25f);
        EXPECT_EQ (saved.getNumChildren(), 14) << "the odd child stays beside the parameters' own";
    }
}

TEST (StateRestore, AValueGivenAsTextIsReadAsTheTextFunctionsReadIt)
{
    const auto state = editedState ([] (juce::ValueTree& tree)
    {
        childFor (tree, "Width").setProperty ("value", "0.5", nullptr);
        childFor (tree, "Balance").setProperty ("value", " -30 ", nullptr);
        childFor (tree, "Output Gain").setProperty ("value", "0e99999999999", nullptr);
        childFor (tree, "Mono Freq").setProperty ("value", "1e4294967298", nullptr); // no 32-bit wrap to 1e2
    });

    const auto processor = makeProcessor();
    setParameter (*processor, "Mono Freq", 300.0f);
    restoreState (*processor, state);

    auto expected = nonDefaultValues;
    expected["Width"] = 0.5f;
    expected["Balance"] = -30.0f;
    expected["Output Gain"] = 0.0f;
    expected["Mono Freq"] = 300.0f; // infinite: the parameter keeps its value
    EXPECT_EQ (allValues (*processor), expected);

    for (const auto* id : { "Width", "Balance", "Output Gain", "Mono Freq" })
        EXPECT_TRUE (childFor (processor->apvts.state, id)["value"].isDouble()) << id << ": the tree keeps the number, not the text";
}

TEST (StateRestore, NumbersThatAreNotFiniteAreDroppedFromTheRestoredTree)
{
    constexpr auto infinity = std::numeric_limits<double>::infinity();
    constexpr auto nan = std::numeric_limits<double>::quiet_NaN();
    const auto state = editedState ([&] (juce::ValueTree& tree)
    {
        tree.setProperty ("gain", nan, nullptr);
        tree.setProperty ("level", 1.5, nullptr);
        tree.setProperty ("ceiling", infinity, nullptr);
        tree.setProperty ("list", juce::Array<juce::var> { 1.0, juce::Array<juce::var> { juce::var ("two"), -infinity } }, nullptr);
        tree.setProperty ("names", juce::Array<juce::var> { 1, "two", 3.0 }, nullptr);
        childFor (tree, "Width").setProperty ("note", -infinity, nullptr);
        childFor (tree, "Balance").setProperty ("value", juce::Array<juce::var> { 40.0, nan }, nullptr);

        juce::ValueTree extra ("Extra", { { "value", nan }, { "kept", "yes" } });
        extra.appendChild (juce::ValueTree ("Deep", { { "x", infinity } }), nullptr);
        tree.appendChild (extra, nullptr);
        tree.appendChild (juce::ValueTree ("PARAM", { { "id", "No Such Parameter" }, { "value", nan } }), nullptr);
    });

    const auto processor = makeProcessor();
    setParameter (*processor, "Balance", 42.0f);
    const auto output = restoreState (*processor, state);

    auto expected = nonDefaultValues;
    expected["Balance"] = 42.0f;
    EXPECT_EQ (allValues (*processor), expected);

    const auto& restored = processor->apvts.state;
    EXPECT_EQ (nonFiniteNumberIn (restored), "") << "no such number may reach a later save";
    EXPECT_EQ (static_cast<double> (restored["level"]), 1.5);
    EXPECT_EQ (restored["names"].size(), 3) << "an array of finite values stays";
    EXPECT_EQ (restored.getChildWithName ("Extra")["kept"].toString(), "yes");
    EXPECT_TRUE (restored.getChildWithName ("Extra").getChildWithName ("Deep").isValid());
    EXPECT_FALSE (restored.hasProperty ("gain"));
    EXPECT_FALSE (restored.hasProperty ("list"));
    EXPECT_FALSE (childFor (restored, "Width").hasProperty ("note"));

    EXPECT_EQ (output.find ("Tree isValid: true\n"), 9u);
    EXPECT_EQ (output.find ("nan"), std::string::npos) << output;
    EXPECT_EQ (output.find ("inf"), std::string::npos) << output;
}

TEST (StateSave, AHostsValueThatIsNotFiniteNeverReachesTheSave)
{
    // The framework's number formatting is undefined for such a number, and a restore leaves it
    // out: the parameter keeps its value, and so does the save.
    const auto processor = makeProcessor();
    auto& width = parameter (*processor, "Width");
    width.setValueNotifyingHost (0.25f);
    width.setValueNotifyingHost (std::numeric_limits<float>::quiet_NaN());

    CapturedStderr captured;
    juce::MemoryBlock block;
    processor->getStateInformation (block);
    const auto output = captured.take();

    EXPECT_NE (output.find ("<PARAM id=\"Width\" value=\"0.5\"/>"), std::string::npos) << output;
    EXPECT_EQ (static_cast<double> (childFor (treeOf (block), "Width")["value"]), 0.5);
}

TEST (StateRestore, NamesAndTextsThatAreNotUtf8AreRefused)
{
    // The framework would read each of these and then write the name or text back with another
    // byte count, so that every later save is out of step with itself.
    const auto saved = saveState (*makeProcessor());

    struct Case { const char* name; juce::MemoryBlock state; };
    const Case cases[] {
        { "type name with a Latin-1 byte", withBytesReplaced (saved, "Parameters", "Param\xe9ters") },
        { "property name with a lead byte and no continuation", withBytesReplaced (saved, "id", "\xc3(") },
        { "property name with an overlong NUL", withBytesReplaced (saved, "id", "\xc0\x80") },
        { "string value with a stray byte", withBytesReplaced (saved, "Width", "\xffidth") },
        { "string value with a surrogate", withBytesReplaced (saved, "Width", "W\xed\xa0\x80h") },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto processor = makeProcessorWithNonDefaultValues();
        const auto before = saveState (*processor);

        const auto output = restoreState (*processor, c.state);

        EXPECT_EQ (output.find ("Tree isValid: false\n"), 9u);
        EXPECT_EQ (saveState (*processor), before);
    }
}

TEST (StateRestore, TextBeyondAsciiComesBackByteForByte)
{
    const auto state = editedState ([] (juce::ValueTree& tree)
    {
        tree.setProperty (juce::String::fromUTF8 ("Gr\xc3\xb6\xc3\x9f" "e"), juce::String::fromUTF8 ("\xf0\x9f\x8e\x9a \xef\xbf\xbf \xf4\x8f\xbf\xbf"), nullptr);
        tree.appendChild (juce::ValueTree (juce::String::fromUTF8 ("\xc3\x84rger")), nullptr);
    });

    const auto processor = makeProcessor();
    const auto output = restoreState (*processor, state);

    EXPECT_EQ (output.find ("Tree isValid: true\n"), 9u);
    EXPECT_EQ (saveState (*processor), state);
    EXPECT_EQ (allValues (*processor), nonDefaultValues);
}
} // namespace quindle::test::processor
