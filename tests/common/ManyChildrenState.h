#pragma once

// The state of a hostile preset: a root "Parameters" and nothing but empty children ("x", no
// properties, no children), four bytes each; 16 Mi children make 64 MiB. The framework's reader
// takes about 145 bytes of memory for each byte of it.

#include <cstdint>
#include <string>

namespace quindle::test
{
inline std::string stateOfEmptyChildren (std::uint32_t numChildren)
{
    std::string bytes ("Parameters\0\0\x04", 13); // type, no properties, a four-byte count

    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char> ((numChildren >> (8 * i)) & 0xffu);

    bytes.reserve (bytes.size() + 4 * static_cast<std::size_t> (numChildren));

    for (std::uint32_t i = 0; i < numChildren; ++i)
        bytes.append ("x\0\0\0", 4);

    return bytes;
}

constexpr std::uint32_t childrenIn64MiB = 16 * 1024 * 1024;
} // namespace quindle::test
