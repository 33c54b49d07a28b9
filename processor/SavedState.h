#pragma once

#include <juce_data_structures/juce_data_structures.h>

// The names inside the parameter tree: the root's type, which the processor gives the framework,
// and the framework's own names for a parameter's child and its two properties.
namespace StateTree
{
inline const juce::Identifier rootType { "Parameters" };
inline const juce::Identifier parameterType { "PARAM" };
inline const juce::Identifier idProperty { "id" };
inline const juce::Identifier valueProperty { "value" };
} // namespace StateTree
