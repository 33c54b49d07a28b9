#pragma once

#include <cstddef>

/** True when the bytes begin with one complete tree in the framework's value-tree stream format
    (what juce::ValueTree::writeToStream writes). The walk is bounded: every count and length must
    fit in the bytes that are left, nesting is limited, and nothing is allocated, so it is safe on
    truncated or hostile data, which juce::ValueTree::readFromStream is not: it turns a cut-off
    stream into a shorter tree and reserves memory for whatever count a stream declares.
    Type names, property names and string values must be valid, shortest-form UTF-8: the
    framework would read other bytes into a text that it then writes back with another byte
    count, leaving every later save out of step with itself.
    Bytes after the tree are allowed, as the framework's reader ignores them. */
bool holdsCompleteValueTree (const void* data, std::size_t numBytes) noexcept;
