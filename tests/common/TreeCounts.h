#pragma once

// What a value tree holds, counted on the framework's tree, apart from the stream check's walk.

#include <juce_data_structures/juce_data_structures.h>

#include <cstddef>

namespace quindle::test
{
/** The trees in the tree, itself included, at any depth. */
inline std::size_t treesIn (const juce::ValueTree& tree)
{
    std::size_t count = 1;

    for (const auto& child : tree)
        count += treesIn (child);

    return count;
}

/** The properties of the tree and of its children at any depth. */
inline std::size_t propertiesIn (const juce::ValueTree& tree)
{
    auto count = static_cast<std::size_t> (tree.getNumProperties());

    for (const auto& child : tree)
        count += propertiesIn (child);

    return count;
}
} // namespace quindle::test
