#pragma once

#include <cstddef>

/** The most that a tree in a stream may hold. */
struct ValueTreeLimits
{
    std::size_t bytes;      // of the tree in the stream
    std::size_t trees;      // the root and its children at any depth
    std::size_t properties; // of all those trees together
};

/** Why a stream holds no tree that the check takes. The walk reports the first one it meets, in
    the order in which the framework's reader reads the stream. */
enum class ValueTreeStreamFault
{
    none,
    /** The bytes end inside the tree: a text without its end, a count or size cut off, a value
        longer than what is left. Every count and size met before stays within the limits. */
    endsEarly,
    /** What the framework's writer never writes and its reader reads otherwise than meant: an
        empty type or property name, a count or size that is negative, longer than four bytes or
        beyond an int, a value whose size does not fit its kind, an array that does not fill its
        size exactly. */
    malformed,
    /** A type name, property name or string value that is not shortest-form UTF-8: the
        framework would read it into a text that it writes back with another byte count. */
    notUtf8,
    /** Trees or arrays nested deeper than any state needs (the framework's reader recurses). */
    nestedTooDeep,
    /** More bytes, trees or properties than the limits allow, held or only declared. */
    beyondLimits,
};

/** What the walk found: the fault, and how many bytes, trees and properties it walked (the whole
    tree when there is no fault, else up to the fault). */
struct ValueTreeStreamWalk
{
    ValueTreeStreamFault fault;
    std::size_t bytes;
    std::size_t trees;
    std::size_t properties;
};

/** Walks the tree at the start of the bytes, in the framework's value-tree stream format (what
    juce::ValueTree::writeToStream writes), without reading it. juce::ValueTree::readFromStream
    is not safe on such data: it turns a cut-off stream into a shorter tree and reserves memory
    for whatever count a stream declares. The walk allocates nothing and stops at the first
    fault, and at the limits at the latest, so its cost is bounded whatever the bytes hold.
    Bytes after the tree are allowed, as the framework's reader ignores them. */
ValueTreeStreamWalk walkValueTreeStream (const void* data, std::size_t numBytes, const ValueTreeLimits& limits) noexcept;
