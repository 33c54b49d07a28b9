// setStateInformation with any bytes. The stream check and the framework's reader agree on the
// bytes (see checkTheFrameworkReadsWhatTheCheckWalked). After every restore each parameter is
// finite and in its range; a refused restore changes nothing, and says so when it is for the
// state's limits; an accepted one sets each parameter as its child in the tree says, with the
// numbers worked out here apart from the processor's own reader, keeps each such child's value as
// that number and no number that is not finite; and a save of the result is within the limits
// and, restored elsewhere, gives back every value and the same bytes. The limits are the state's
// documented ones, written here, and what a tree holds is counted here on the framework's reading
// of it: neither is taken from the processor, which would otherwise be judged by itself.

#include "tests/fuzz/ProcessorFuzzing.h"
#include "tests/common/NonFiniteNumbers.h"
#include "tests/common/TreeCounts.h"

#include "processor/PluginProcessor.h"
#include "processor/ValueTreeStreamCheck.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>

namespace
{
using namespace quindle::test::fuzz;
using namespace quindle::test;
using Values = std::array<float, 13>;

// What a state may hold at most: 1 MiB, 4096 trees (the root and its children at any depth) and
// 4096 properties.
constexpr ValueTreeLimits limits { 1 << 20, 4096, 4096 };

std::unique_ptr<QuindleAudioProcessor> processorAwayFromDefaults()
{
    auto processor = std::make_unique<QuindleAudioProcessor>();

    // A value kept and a value reset to its default differ for every parameter.
    for (auto* parameter : processor->getParameters())
        parameter->setValueNotifyingHost (parameter->getDefaultValue() < 0.5f ? 0.8f : 0.2f);

    return processor;
}

juce::RangedAudioParameter& parameterAt (QuindleAudioProcessor& processor, size_t index)
{
    return *static_cast<juce::RangedAudioParameter*> (processor.getParameters()[static_cast<int> (index)]);
}

Values valuesOf (QuindleAudioProcessor& processor)
{
    Values values {};

    for (size_t i = 0; i < values.size(); ++i)
        values[i] = processor.apvts.getRawParameterValue (parameterAt (processor, i).paramID)->load();

    return values;
}

std::string describe (const Values& values)
{
    std::string text;

    for (const auto value : values)
        text += std::to_string (value) + " ";

    return text;
}

// Every digit a double needs to be told from its neighbours.
std::string exactly (double number)
{
    char text[32];
    std::snprintf (text, sizeof (text), "%.17g", number);
    return text;
}

std::string xmlOf (const juce::MemoryBlock& state)
{
    const auto xml = juce::ValueTree::readFromData (state.getData(), state.getSize()).createXml();
    return xml != nullptr ? xml->toString().toStdString() : std::string();
}

juce::MemoryBlock save (QuindleAudioProcessor& processor)
{
    juce::MemoryBlock block;
    processor.getStateInformation (block);
    return block;
}

struct Restore
{
    bool accepted;
    bool refusedForTheLimits;
};

Restore restore (QuindleAudioProcessor& processor, const void* data, size_t size)
{
    takeDiagnosticLines();
    processor.setStateInformation (data, static_cast<int> (size));
    const auto lines = takeDiagnosticLines();
    const auto accepted = lines.find ("\nTree isValid: true\n") != std::string::npos;
    check (accepted || lines.find ("\nTree isValid: false\n") != std::string::npos, "a restore says whether it took the tree", lines);
    return { accepted, lines.find ("\nState refused: ") != std::string::npos };
}

// A memory stream that notes whether its reader ever asked for bytes beyond its end.
class WatchedStream final : public juce::MemoryInputStream
{
public:
    WatchedStream (const void* data, size_t size) : juce::MemoryInputStream (data, size, false) {}

    int read (void* destination, int numBytes) override
    {
        ranShort = ranShort || numBytes > getNumBytesRemaining();
        return juce::MemoryInputStream::read (destination, numBytes);
    }

    void skipNextBytes (juce::int64 numBytes) override
    {
        ranShort = ranShort || numBytes > getNumBytesRemaining();
        juce::MemoryInputStream::skipNextBytes (numBytes);
    }

    bool ranShort = false;
};

/** A tree as the framework reads it from the start of the bytes, and how it read them. */
struct FrameworkReading
{
    juce::ValueTree tree;
    size_t bytes = 0;     // read up to where the tree ended
    bool ranShort = false; // asked for bytes beyond the end
};

FrameworkReading readByTheFramework (const std::uint8_t* data, size_t size)
{
    WatchedStream stream (data, size);
    auto tree = juce::ValueTree::readFromStream (stream);
    return { tree, static_cast<size_t> (stream.getPosition()), stream.ranShort };
}

/** What a tree holds, counted on the framework's tree: its bytes in the stream, its trees, and
    its properties (a name given twice in one tree being one property to the framework). */
struct TreeSize
{
    size_t bytes, trees, properties;
};

TreeSize sizeOf (const FrameworkReading& reading)
{
    return { reading.bytes, treesIn (reading.tree), propertiesIn (reading.tree) };
}

bool isWithinTheLimits (const TreeSize& size)
{
    return size.bytes <= limits.bytes && size.trees <= limits.trees && size.properties <= limits.properties;
}

std::string describe (const TreeSize& size)
{
    return std::to_string (size.bytes) + " bytes, " + std::to_string (size.trees) + " trees, "
         + std::to_string (size.properties) + " properties";
}

// The stream check and the framework's reader (ValueTree::readFromStream, var::readFromStream)
// take the same bytes:
// - a tree the check accepts, the framework reads to where the check's walk ended, never asking
//   for more, into as many trees and no more properties (a name given twice in one tree is one
//   property to the framework);
// - a stream that the check finds to end early, the framework reads past its end as well: up to
//   the cut both read the same items, and every count and size met there is within the limits.
// Every other fault is one the check refuses on purpose in bytes that the framework would read
// (a count, size or name it reads otherwise than its writer meant, text that is not UTF-8, deep
// nesting, more than the limits). The framework is not asked about those: the check walked no
// further than the fault, so what follows may declare counts for which the framework's reader
// reserves memory.
bool isReadSafelyByTheFramework (const ValueTreeStreamWalk& walk)
{
    return walk.fault == ValueTreeStreamFault::none || walk.fault == ValueTreeStreamFault::endsEarly;
}

void checkTheFrameworkReadsWhatTheCheckWalked (const FrameworkReading& reading, const ValueTreeStreamWalk& walk)
{
    if (walk.fault == ValueTreeStreamFault::endsEarly)
    {
        check (reading.ranShort, "the framework reads past the end of a stream that the check finds to end early");
        return;
    }

    check (reading.tree.isValid() && ! reading.ranShort && reading.bytes == walk.bytes,
           "the framework reads a tree that the check accepts to where the check's walk ended",
           std::to_string (reading.bytes) + " bytes read, " + std::to_string (walk.bytes) + " walked");
    check (treesIn (reading.tree) == walk.trees && propertiesIn (reading.tree) <= walk.properties,
           "the framework reads a tree that the check accepts into the trees and properties the check counted");
}

// What a restore adds to a tree at most: a child for each parameter (about 45 bytes, two
// properties) and for each child a value where it had none ("value" and a double).
bool restoreCouldTakeBeyondTheLimits (const TreeSize& size)
{
    constexpr size_t numParameters = std::tuple_size_v<Values>;
    return size.trees + numParameters > limits.trees
        || size.properties + size.trees + 2 * numParameters > limits.properties
        || size.bytes + 17 * size.trees + 64 * numParameters > limits.bytes;
}

// The leading number of a text as the framework's grammar allows it: white space (the
// framework's own test for it), an optional sign, then "nan" or "inf" in any case, or digits with
// an optional point and an exponent that counts only with a digit. Read by the C library (the
// process keeps the C locale), apart from the processor's own reader.
double leadingNumberOf (const juce::String& text)
{
    const std::string s = text.getCharPointer().findEndOfWhitespace().getAddress();
    const auto isDigitAt = [&s] (size_t i) { return i < s.size() && std::isdigit (static_cast<unsigned char> (s[i])) != 0; };
    const auto startsWithWord = [&s] (size_t i, const char* word)
    {
        for (; *word != 0; ++i, ++word)
            if (i >= s.size() || std::tolower (static_cast<unsigned char> (s[i])) != *word)
                return false;

        return true;
    };

    size_t end = s.empty() || (s[0] != '-' && s[0] != '+') ? 0 : 1;
    const auto negative = end == 1 && s[0] == '-';

    if (startsWithWord (end, "nan"))
        return std::numeric_limits<double>::quiet_NaN();

    if (startsWithWord (end, "inf"))
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();

    size_t numDigits = 0;

    for (; isDigitAt (end); ++end)
        ++numDigits;

    if (end < s.size() && s[end] == '.')
        for (++end; isDigitAt (end); ++end)
            ++numDigits;

    if (numDigits == 0)
        return 0.0;

    if (end < s.size() && (s[end] == 'e' || s[end] == 'E'))
    {
        auto exponentDigits = end + 1;

        if (exponentDigits < s.size() && (s[exponentDigits] == '-' || s[exponentDigits] == '+'))
            ++exponentDigits;

        if (isDigitAt (exponentDigits))
            for (end = exponentDigits; isDigitAt (end); ++end) {}
    }

    return std::strtod (s.substr (0, end).c_str(), nullptr);
}

// What a child's "value" gives its parameter: its number, read from a text as above, the
// parameter's default when there is none; nothing usable (NaN) when the number is not a finite
// float or the value holds a number that is not finite.
double numberGivenBy (const juce::ValueTree& child, const juce::RangedAudioParameter& parameter)
{
    const auto* value = child.getPropertyPointer ("value");

    if (value == nullptr)
        return parameter.convertFrom0to1 (parameter.getDefaultValue());

    const auto number = value->isString() ? leadingNumberOf (value->toString()) : static_cast<double> (*value);
    const auto isFiniteFloat = std::isfinite (number) && std::abs (number) <= std::numeric_limits<float>::max();
    return isFiniteFloat && ! holdsNonFiniteNumber (*value) ? number : std::numeric_limits<double>::quiet_NaN();
}

const juce::RangedAudioParameter* parameterNamedBy (const juce::ValueTree& child, QuindleAudioProcessor& processor)
{
    const auto& id = child["id"];
    return id.isString() ? processor.apvts.getParameter (id.toString()) : nullptr;
}

// What a restore of the tree must leave in each parameter: the number given by the last child
// whose "id" is the parameter's ID as text, limited and snapped by the parameter; the present
// value when there is no such child or it gives no usable number.
Values expectedAfterRestoring (const juce::ValueTree& tree, QuindleAudioProcessor& processor, const Values& present)
{
    auto expected = present;

    for (size_t i = 0; i < expected.size(); ++i)
    {
        auto& parameter = parameterAt (processor, i);

        for (const auto& child : tree)
        {
            if (parameterNamedBy (child, processor) != &parameter)
                continue;

            const auto number = numberGivenBy (child, parameter);
            expected[i] = std::isnan (number) ? present[i]
                                              : parameter.convertFrom0to1 (parameter.convertTo0to1 (static_cast<float> (number)));
        }
    }

    return expected;
}

bool nearlyEqual (const Values& a, const Values& b)
{
    for (size_t i = 0; i < a.size(); ++i)
        if (! (std::abs (a[i] - b[i]) <= 1.0e-4f * std::max (1.0f, std::abs (b[i]))))
            return false;

    return true;
}

// Every child that names a parameter keeps, as a double, exactly the number it gives (its
// parameter's present value where it gives none). Only the child the parameter takes its value
// from may hold the parameter's value instead: the framework writes that there when the two differ.
void checkEachChildKeepsItsNumber (const juce::ValueTree& tree, QuindleAudioProcessor& processor, const Values& present)
{
    const auto& restored = processor.apvts.state;

    for (int k = 0; k < tree.getNumChildren(); ++k)
    {
        const auto child = tree.getChild (k);
        const auto* parameter = parameterNamedBy (child, processor);

        if (parameter == nullptr)
            continue;

        const auto index = static_cast<size_t> (parameter->getParameterIndex());
        const auto given = numberGivenBy (child, *parameter);
        const auto kept = std::isnan (given) ? static_cast<double> (present[index]) : given;
        const auto& value = restored.getChild (k)["value"];
        auto isLast = true;

        for (auto later = k + 1; later < tree.getNumChildren(); ++later)
            isLast = isLast && parameterNamedBy (tree.getChild (later), processor) != parameter;
        const auto parameterValue = processor.apvts.getRawParameterValue (parameter->paramID)->load();
        const auto holdsKept = value.isDouble() && static_cast<double> (value) == kept;
        const auto holdsParameterValue = value.isDouble() && static_cast<double> (value) == static_cast<double> (parameterValue);

        if (! holdsKept && ! (isLast && static_cast<float> (kept) != parameterValue && holdsParameterValue))
            fail ("each child that names a parameter keeps the number it gives as a double",
                  parameter->paramID.toStdString() + ": expected " + exactly (kept) + ", kept "
                      + (value.isDouble() ? exactly (static_cast<double> (value)) : "no double"));
    }
}

void checkEveryParameterIsFiniteAndInRange (QuindleAudioProcessor& processor)
{
    const auto values = valuesOf (processor);

    for (size_t i = 0; i < values.size(); ++i)
    {
        const auto& parameter = parameterAt (processor, i);
        const auto& range = parameter.getNormalisableRange();
        const auto normalised = parameter.getValue();
        check (std::isfinite (values[i]) && values[i] >= range.start && values[i] <= range.end
                   && normalised >= 0.0f && normalised <= 1.0f,
               "every parameter is finite and in its range", parameter.paramID.toStdString() + ": " + std::to_string (values[i]));
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize (int*, char***)
{
    setUpForProcessors();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    const auto walk = walkValueTreeStream (data, size, limits);

    // Elsewhere the check stopped at a fault, after which the bytes may declare counts that the
    // framework's reader reserves memory for.
    const auto reading = isReadSafelyByTheFramework (walk) ? readByTheFramework (data, size) : FrameworkReading {};

    if (isReadSafelyByTheFramework (walk))
        checkTheFrameworkReadsWhatTheCheckWalked (reading, walk);

    const auto processor = processorAwayFromDefaults();
    const auto present = valuesOf (*processor);
    const auto before = save (*processor);

    const auto restored = restore (*processor, data, size);
    checkEveryParameterIsFiniteAndInRange (*processor);

    if (! restored.accepted)
    {
        check (save (*processor) == before, "a refused restore changes nothing");
        const auto forTheLimits = walk.fault == ValueTreeStreamFault::beyondLimits
                               || (walk.fault == ValueTreeStreamFault::none && restoreCouldTakeBeyondTheLimits (sizeOf (reading)));
        check (restored.refusedForTheLimits == forTheLimits, "a restore refuses a complete tree only for the limits, and says so");
        return 0;
    }

    check (walk.fault == ValueTreeStreamFault::none, "only a complete tree within the limits is accepted");
    check (isWithinTheLimits (sizeOf (reading)), "only a tree within the limits is accepted", describe (sizeOf (reading)));
    const auto& tree = reading.tree;
    const auto values = valuesOf (*processor);
    const auto expected = expectedAfterRestoring (tree, *processor, present);
    check (nearlyEqual (values, expected), "each parameter takes the value of its own child", "got " + describe (values) + "\nexpected " + describe (expected));
    checkEachChildKeepsItsNumber (tree, *processor, present);
    const auto nonFinite = nonFiniteNumberIn (processor->apvts.state);
    check (nonFinite.empty(), "the restored tree holds no number that is not finite", nonFinite);

    const auto saved = save (*processor);
    const auto savedWalk = walkValueTreeStream (saved.getData(), saved.getSize(), limits);
    check (savedWalk.fault == ValueTreeStreamFault::none, "a save is accepted by the stream check, within the limits");
    const auto savedSize = sizeOf (readByTheFramework (static_cast<const std::uint8_t*> (saved.getData()), saved.getSize()));
    check (savedSize.bytes == saved.getSize() && isWithinTheLimits (savedSize), "a save is within the limits", describe (savedSize));

    // The same history as the first processor: a save before the restore writes the values the
    // framework has not yet written into the tree, which a restore would otherwise write after it.
    const auto other = processorAwayFromDefaults();
    save (*other);
    check (restore (*other, saved.getData(), saved.getSize()).accepted, "a save is accepted by a restore");
    check (valuesOf (*other) == values, "a save restored elsewhere gives back every value", describe (valuesOf (*other)) + "\n" + describe (values));
    check (save (*other) == saved, "a save restored elsewhere saves the same bytes", xmlOf (save (*other)) + "\n" + xmlOf (saved));
    return 0;
}
