#pragma once

// The check that no number which is not finite stands in a value tree, written apart from the
// processor's own so that the tests and the fuzz targets do not take the processor's word for it.

#include <juce_data_structures/juce_data_structures.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace quindle::test
{
/** Whether the value is, or holds in an array at any depth, a number that is not finite. */
inline bool holdsNonFiniteNumber (const juce::var& value)
{
    if (const auto* elements = value.getArray())
        return std::any_of (elements->begin(), elements->end(), holdsNonFiniteNumber);

    return value.isDouble() && ! std::isfinite (static_cast<double> (value));
}

/** Where in the tree ("type.property") a number that is not finite stands, or an empty text. */
inline std::string nonFiniteNumberIn (const juce::ValueTree& tree)
{
    for (int i = 0; i < tree.getNumProperties(); ++i)
        if (holdsNonFiniteNumber (tree[tree.getPropertyName (i)]))
            return tree.getType().toString().toStdString() + "." + tree.getPropertyName (i).toString().toStdString();

    for (const auto& child : tree)
        if (auto found = nonFiniteNumberIn (child); ! found.empty())
            return found;

    return {};
}
} // namespace quindle::test
