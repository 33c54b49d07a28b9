#include "ValueTreeStreamCheck.h"

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

// The fewest bytes an item can take: a name "x\0" plus an empty var; a type "x\0" plus two zero
// counts; a var of no value.
constexpr std::size_t minPropertyBytes = 3;
constexpr std::size_t minTreeBytes = 4;
constexpr std::size_t minVarBytes = 1;

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

class StreamWalker
{
public:
    StreamWalker (const std::uint8_t* start, std::size_t size) noexcept : next (start), left (size) {}

    bool tree (int depth) noexcept
    {
        std::size_t numProperties = 0, numChildren = 0;

        if (depth > maxNestingDepth || ! nonEmptyString() || ! count (numProperties, minPropertyBytes))
            return false;

        for (std::size_t i = 0; i < numProperties; ++i)
            if (! nonEmptyString() || ! var (depth))
                return false;

        if (! count (numChildren, minTreeBytes))
            return false;

        for (std::size_t i = 0; i < numChildren; ++i)
            if (! tree (depth + 1))
                return false;

        return true;
    }

private:
    bool skip (std::size_t numBytes) noexcept
    {
        if (numBytes > left)
            return false;

        next += numBytes;
        left -= numBytes;
        return true;
    }

    // OutputStream::writeCompressedInt: a size byte (bit 7 the sign, bits 0-6 the number of
    // little-endian bytes that follow, at most 4). Sizes and counts are never negative.
    bool compressedSize (std::size_t& result) noexcept
    {
        if (left == 0)
            return false;

        const auto sizeByte = *next;
        const std::size_t numBytes = sizeByte & 0x7fu;

        if ((sizeByte & 0x80u) != 0 || numBytes > 4 || ! skip (1) || numBytes > left)
            return false;

        std::uint32_t value = 0;

        for (std::size_t i = 0; i < numBytes; ++i)
            value |= static_cast<std::uint32_t> (next[i]) << (8 * i);

        if (value > 0x7fffffffu)
            return false;

        result = value;
        return skip (numBytes);
    }

    // A count of items that each take at least minItemBytes must fit in what is left.
    bool count (std::size_t& result, std::size_t minItemBytes) noexcept
    {
        return compressedSize (result) && result <= left / minItemBytes;
    }

    // A type or property name: text ended by a zero byte.
    bool nonEmptyString() noexcept
    {
        if (left == 0 || *next == 0)
            return false;

        const auto* terminator = std::memchr (next, 0, left);

        if (terminator == nullptr)
            return false;

        const auto length = static_cast<std::size_t> (static_cast<const std::uint8_t*> (terminator) - next);
        return isValidUtf8 (next, length) && skip (length + 1);
    }

    // var::writeToStream: the size of what follows (0 for a void var), a marker byte, the payload.
    bool var (int depth) noexcept
    {
        std::size_t size = 0;

        if (depth > maxNestingDepth || ! compressedSize (size))
            return false;

        if (size == 0)
            return true;

        if (size > left)
            return false;

        const auto marker = *next;
        const auto payload = size - 1;
        skip (1);

        switch (marker)
        {
            case intMarker:       return payload == 4 && skip (payload);
            case int64Marker:
            case doubleMarker:    return payload == 8 && skip (payload);
            case boolTrueMarker:
            case boolFalseMarker: return payload == 0;
            case arrayMarker:     return array (payload, depth);
            case stringMarker:    return isValidUtf8 (next, payload) && skip (payload);
            case binaryMarker:
            default:              return skip (payload);
        }
    }

    bool array (std::size_t payload, int depth) noexcept
    {
        const auto leftAfterArray = left - payload;
        std::size_t numElements = 0;

        if (! count (numElements, minVarBytes))
            return false;

        for (std::size_t i = 0; i < numElements; ++i)
            if (! var (depth + 1))
                return false;

        return left == leftAfterArray;
    }

    const std::uint8_t* next;
    std::size_t left;
};
} // namespace

bool holdsCompleteValueTree (const void* data, std::size_t numBytes) noexcept
{
    if (data == nullptr)
        return false;

    return StreamWalker (static_cast<const std::uint8_t*> (data), numBytes).tree (0);
}
