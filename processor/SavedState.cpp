// The state a host saves and restores: the parameter tree, written and read in the framework's
// value-tree stream format, and made safe to take before it replaces the parameters.

#include "SavedState.h"

#include "Diagnostics.h"
#include "LeadingNumber.h"
#include "ParameterIDs.h"
#include "PluginProcessor.h"
#include "ValueTreeStreamCheck.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
// Whether the value is, or holds in an array at any depth, a number that is not finite.
bool holdsNonFiniteNumber (const juce::var& value)
{
    if (value.isDouble())
        return ! std::isfinite (static_cast<double> (value));

    if (const auto* elements = value.getArray())
        return std::any_of (elements->begin(), elements->end(), holdsNonFiniteNumber);

    return false;
}

// Calls action (tree, name) for each property, at any depth of the tree, whose value holds a
// number that is not finite.
template <typename Action>
void forEachNonFiniteProperty (juce::ValueTree tree, const Action& action)
{
    for (auto i = tree.getNumProperties(); --i >= 0;)
    {
        const auto name = tree.getPropertyName (i);

        if (holdsNonFiniteNumber (tree[name]))
            action (tree, name);
    }

    for (auto child : tree)
        forEachNonFiniteProperty (child, action);
}

// The tree never holds a number that is not finite (a restore drops one, a parameter never takes
// one), for which the framework's number formatting would be undefined.
void writeTreeAsXml (const juce::ValueTree& tree)
{
    const auto xml = tree.createXml();
    writeDiagnosticLine (xml != nullptr ? xml->toString() : juce::String());
}

// Whether the tree, written as every later save of it will be, stays within the state's limits.
// A restore adds to what it reads, so a tree within them when read may not be any more.
bool fitsInStateLimits (const juce::ValueTree& tree)
{
    juce::MemoryOutputStream stream;
    tree.writeToStream (stream);
    const auto walk = walkValueTreeStream (stream.getData(), stream.getDataSize(), QuindleAudioProcessor::stateLimits);
    return walk.fault == ValueTreeStreamFault::none;
}

juce::String beyondLimitsLine()
{
    const auto& limits = QuindleAudioProcessor::stateLimits;
    return "State refused: more than " + juce::String (limits.bytes) + " bytes, " + juce::String (limits.trees)
         + " trees or " + juce::String (limits.properties) + " properties";
}

// The number the framework takes from a "value" when it connects a parameter, read without the
// framework's text reader, which is undefined for some texts ("0e99999999999").
double numberIn (const juce::var& value)
{
    return value.isString() ? readLeadingNumber (value.toString()) : static_cast<double> (value);
}

// The framework converts that number to float.
bool isFiniteAsFloat (double number)
{
    return std::isfinite (number) && std::abs (number) <= std::numeric_limits<float>::max();
}

// What a child's "value" is to hold once restored: the number that it gives its parameter, the
// parameter's default where there is no value, its present value where the number is not a
// finite float. Held as a double, which is what the framework writes into the child whenever the
// parameter changes, the value takes as many bytes in every later save as it does now.
double numberToKeep (const juce::var* value, double defaultValue, double presentValue)
{
    if (value == nullptr)
        return defaultValue;

    const auto number = numberIn (*value);
    return isFiniteAsFloat (number) && ! holdsNonFiniteNumber (*value) ? number : presentValue;
}

// Whether the child drives the parameter: its "id" is the parameter's ID as text. The framework
// matches by text too, while var's own comparison takes false, 0 or 0.0 as equal to any ID.
bool drivesParameter (const juce::ValueTree& child, const juce::String& parameterId)
{
    const auto& id = child[StateTree::idProperty];
    return id.isString() && id.toString() == parameterId;
}

// Drops every property of the tree, at any depth, whose value holds a number that is not finite.
// Such a number would reach the framework's number formatting at every later save.
void dropNonFiniteNumbers (juce::ValueTree& tree)
{
    forEachNonFiniteProperty (tree, [] (juce::ValueTree& owner, const juce::Identifier& name)
    {
        owner.removeProperty (name, nullptr);
    });
}
} // namespace

void QuindleAudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    writeDiagnosticLine ("getState");

    // copyState() writes the parameters' latest values into the tree first and copies it under
    // the tree's lock: a save neither misses a change made just before it nor reads the tree
    // while the message thread writes into it.
    const auto state = apvts.copyState();
    juce::MemoryOutputStream stream (destData, false);
    state.writeToStream (stream);
    writeTreeAsXml (state);
}

void QuindleAudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    writeDiagnosticLine ("setState");

    // The bytes are walked before anything is read from them: a refusal costs next to nothing,
    // whatever the bytes hold.
    const auto walk = walkValueTreeStream (data, sizeInBytes > 0 ? static_cast<std::size_t> (sizeInBytes) : 0, stateLimits);
    auto restored = walk.fault == ValueTreeStreamFault::none ? readRestorableTree (data, walk.bytes) : juce::ValueTree();
    const auto beyondLimits = walk.fault == ValueTreeStreamFault::beyondLimits
                           || (restored.isValid() && ! fitsInStateLimits (restored));

    if (beyondLimits)
        restored = {};

    writeDiagnosticLine (juce::String ("Tree isValid: ") + (restored.isValid() ? "true" : "false"));

    if (beyondLimits)
        writeDiagnosticLine (beyondLimitsLine());

    if (restored.isValid())
        apvts.replaceState (restored);

    writeTreeAsXml (apvts.copyState());
}

// The complete tree in the bytes, made ready to become the state.
juce::ValueTree QuindleAudioProcessor::readRestorableTree (const void* data, std::size_t numBytes) const
{
    auto tree = juce::ValueTree::readFromData (data, numBytes);
    giveEveryParameterANumber (tree);
    dropNonFiniteNumbers (tree);
    return tree;
}

// A restored tree sets every parameter it gives a value. A parameter it leaves out, or gives a
// value that is not a finite float, keeps its present value: left alone, the framework would
// reset the first to its default and pass the second on as NaN or infinity. A value given as
// text becomes the number read from it, so the framework's own text reader never sees it. Each
// parameter's child ends with its value as a double (see numberToKeep).
void QuindleAudioProcessor::giveEveryParameterANumber (juce::ValueTree& restored) const
{
    const auto presentValueOf = [this] (const juce::String& parameterId)
    {
        return apvts.getRawParameterValue (parameterId)->load();
    };

    for (auto child : restored)
    {
        // Only an "id" given as text names a parameter (see drivesParameter).
        const auto& id = child[StateTree::idProperty];
        const auto* parameter = id.isString() ? apvts.getParameter (id.toString()) : nullptr;

        if (parameter == nullptr)
            continue;

        const auto defaultValue = parameter->convertFrom0to1 (parameter->getDefaultValue());
        const auto number = numberToKeep (child.getPropertyPointer (StateTree::valueProperty), defaultValue, presentValueOf (id.toString()));
        child.setProperty (StateTree::valueProperty, number, nullptr);
    }

    for (const auto* parameterId : ParameterIDs::inIndexOrder)
    {
        const auto isItsChild = [parameterId] (const juce::ValueTree& child) { return drivesParameter (child, parameterId); };

        if (std::none_of (restored.begin(), restored.end(), isItsChild))
            restored.appendChild (juce::ValueTree (StateTree::parameterType, { { StateTree::idProperty, parameterId },
                                                                               { StateTree::valueProperty, presentValueOf (parameterId) } }),
                                  nullptr);
    }
}
