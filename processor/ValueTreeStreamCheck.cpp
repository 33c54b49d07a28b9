#include "ValueTreeStreamCheck.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace
{
// The framework's var stream markers (juce_Variant.cpp).
enum VarMarker : std::uint8_t
{
    intMarker = 1,
    boolTrueMarker = 2,
    boolFalseMarker = 3,
    doubleMarker = 4,
    stringMarker = 5,
    int64Marker = 6,
    arrayMarker = 7,
    binaryMarker = 8,
};

// Trees and arrays nest far less than this in any state the processor writes; the bound keeps a
// hostile stream from exhausting the stack of the recursive reader.
constexpr int maxNestingDepth = 32;

// Shortest-form UTF-8 up to U+10FFFF without surrogates: what the framework writes for any
// text, and the only bytes its reader turns into a text that it writes back byte for byte.
bool isValidUtf8 (const std::uint8_t* bytes, std::size_t numBytes) noexcept
{
    for (std::size_t i = 0; i < numBytes;)
    {
        const auto lead = bytes[i];

        if (lead < 0x80)
        {
            ++i;
            continue;
        }

        std::size_t length = 0;
        std::uint32_t codePoint = 0, smallest = 0;

        if ((lead & 0xe0u) == 0xc0u)      { length = 2; codePoint = lead & 0x1fu; smallest = 0x80; }
        else if ((lead & 0xf0u) == 0xe0u) { length = 3; codePoint = lead & 0x0fu; smallest = 0x800; }
        else if ((lead & 0xf8u) == 0xf0u) { length = 4; codePoint = lead & 0x07u; smallest = 0x10000; }
        else                              return false;

        if (length > numBytes - i)
            return false;

        for (std::size_t k = 1; k < length; ++k)
        {
            if ((bytes[i + k] & 0xc0u) != 0x80u)
                return false;

            codePoint = (codePoint << 6) | (bytes[i + k] & 0x3fu);
        }

        if (codePoint < smallest || codePoint > 0x10ffff || (codePoint >= 0xd800 && codePoint <= 0xdfff))
            return false;

        i += length;
    }

    return true;
}

// Walks the stream in the order of the framework's reader (juce_ValueTree.cpp, juce_Variant.cpp).
class StreamWalker
{
public:
    StreamWalker (const std::uint8_t* data, std::size_t size, const ValueTreeLimits& treeLimits) noexcept
        : start (data), numBytes (size), limits (treeLimits)
    {
    }

    ValueTreeStreamWalk walk() noexcept
    {
        tree (0);
        return { fault, position, trees, properties };
    }

private:
    bool fail (ValueTreeStreamFault found) noexcept
    {
        fault = found;
        return false;
    }

    const std::uint8_t* here() const noexcept { return start + position; }

    // Moves past the next n bytes, which must lie within the limits and within the data.
    bool take (std::size_t n) noexcept
    {
        if (n > limits.bytes - position)
            return fail (ValueTreeStreamFault::beyondLimits);

        if (n > numBytes - position)
            return fail (ValueTreeStreamFault::endsEarly);

        position += n;
        return true;
    }

    bool tree (int depth) noexcept
    {
        if (depth > maxNestingDepth)
            return fail (ValueTreeStreamFault::nestedTooDeep);

        if (trees == limits.trees)
            return fail (ValueTreeStreamFault::beyondLimits);

        ++trees;
        std::size_t numProperties = 0, numChildren = 0;

        if (! name() || ! compressedSize (numProperties))
            return false;

        // Refused before a single one is walked: the framework's reader would reserve room for
        // every tree or property a stream declares.
        if (numProperties > limits.properties - properties)
            return fail (ValueTreeStreamFault::beyondLimits);

        for (std::size_t i = 0; i < numProperties; ++i)
        {
            ++properties;

            if (! name() || ! var (depth))
                return false;
        }

        if (! compressedSize (numChildren))
            return false;

        if (numChildren > limits.trees - trees)
            return fail (ValueTreeStreamFault::beyondLimits);

        for (std::size_t i = 0; i < numChildren; ++i)
            if (! tree (depth + 1))
                return false;

        return true;
    }

    // OutputStream::writeCompressedInt: a size byte (bit 7 the sign, bits 0-6 the number of
    // little-endian bytes that follow, at most 4). Sizes and counts are never negative.
    bool compressedSize (std::size_t& result) noexcept
    {
        const auto* sizeByte = here();

        if (! take (1))
            return false;

        const std::size_t length = *sizeByte & 0x7fu;

        if ((*sizeByte & 0x80u) != 0 || length > 4)
            return fail (ValueTreeStreamFault::malformed);

        const auto* bytes = here();

        if (! take (length))
            return false;

        std::uint32_t value = 0;

        for (std::size_t i = 0; i < length; ++i)
            value |= static_cast<std::uint32_t> (bytes[i]) << (8 * i);

        if (value > 0x7fffffffu)
            return fail (ValueTreeStreamFault::malformed);

        result = value;
        return true;
    }

    // A type or property name: a non-empty text ended by a zero byte.
    bool name() noexcept
    {
        const auto* text = here();
        const auto searchable = std::min (numBytes, limits.bytes) - position;
        const auto* terminator = static_cast<const std::uint8_t*> (std::memchr (text, 0, searchable));

        // The text goes on past the limits or the data: taking one byte more than they hold
        // fails for the right reason.
        if (terminator == nullptr)
            return take (searchable + 1);

        const auto length = static_cast<std::size_t> (terminator - text);

        if (length == 0)
            return fail (ValueTreeStreamFault::malformed);

        if (! isValidUtf8 (text, length))
            return fail (ValueTreeStreamFault::notUtf8);

        return take (length + 1);
    }

    // var::writeToStream: the size of what follows (0 for a void var), a marker byte, the payload.
    bool var (int depth) noexcept
    {
        std::size_t size = 0;

        if (depth > maxNestingDepth)
            return fail (ValueTreeStreamFault::nestedTooDeep);

        if (! compressedSize (size))
            return false;

        if (size == 0)
            return true;

        const auto* marker = here();

        if (! take (1))
            return false;

        const auto payload = size - 1;

        // The framework reads a number or a bool by its marker alone, whatever the size says.
        switch (*marker)
        {
            case intMarker:       return payload == 4 ? take (payload) : fail (ValueTreeStreamFault::malformed);
            case int64Marker:
            case doubleMarker:    return payload == 8 ? take (payload) : fail (ValueTreeStreamFault::malformed);
            case boolTrueMarker:
            case boolFalseMarker: return payload == 0 || fail (ValueTreeStreamFault::malformed);
            case arrayMarker:     return array (payload, depth);
            case stringMarker:    return string (payload);
            case binaryMarker:
            default:              return take (payload);
        }
    }

    bool string (std::size_t payload) noexcept
    {
        const auto* text = here();
        return take (payload) && (isValidUtf8 (text, payload) || fail (ValueTreeStreamFault::notUtf8));
    }

    // The framework reads an array's elements one after another and takes no notice of the size
    // it declares: the elements must end exactly there.
    bool array (std::size_t payload, int depth) noexcept
    {
        if (payload > limits.bytes - position)
            return fail (ValueTreeStreamFault::beyondLimits);

        const auto end = position + payload;
        std::size_t numElements = 0;

        if (! compressedSize (numElements))
            return false;

        // An element takes at least a byte.
        if (numElements > limits.bytes - position)
            return fail (ValueTreeStreamFault::beyondLimits);

        for (std::size_t i = 0; i < numElements; ++i)
            if (! var (depth + 1))
                return false;

        return position == end || fail (ValueTreeStreamFault::malformed);
    }

    const std::uint8_t* const start;
    const std::size_t numBytes;
    const ValueTreeLimits limits;
    std::size_t position = 0, trees = 0, properties = 0;
    ValueTreeStreamFault fault = ValueTreeStreamFault::none;
};
} // namespace

ValueTreeStreamWalk walkValueTreeStream (const void* data, std::size_t numBytes, const ValueTreeLimits& limits) noexcept
{
    if (data == nullptr)
        return { ValueTreeStreamFault::endsEarly, 0, 0, 0 };

    return StreamWalker (static_cast<const std::uint8_t*> (data), numBytes, limits).walk();
}
