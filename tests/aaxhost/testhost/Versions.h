#pragma once

#include <cstdint>
#include <initializer_list>

namespace quindle::test::aaxhost
{
    /** Which versions of one host interface a host object answers queries for: none, some or
        all. Versions are numbered from 1; an interface with one version offers it or not. */
    class Versions
    {
    public:
        static constexpr Versions none() noexcept { return Versions (0u); }
        static constexpr Versions all() noexcept { return Versions (~0u); }
        /** Versions 1 to newest. */
        static constexpr Versions upTo (int newest) noexcept
        {
            return Versions (newest <= 0 ? 0u : (newest >= 32 ? ~0u : (1u << newest) - 1u));
        }
        /** Exactly the versions listed, e.g. only ({ 2 }) for a host that hides its first version. */
        static Versions only (std::initializer_list<int> versions) noexcept
        {
            uint32_t mask = 0;
            for (const int v : versions)
                if (v >= 1 && v <= 32)
                    mask |= 1u << (v - 1);
            return Versions (mask);
        }

        constexpr bool offers (int version) const noexcept
        {
            return version >= 1 && version <= 32 && (mMask & (1u << (version - 1))) != 0;
        }

        constexpr bool operator== (Versions other) const noexcept { return mMask == other.mMask; }
        constexpr bool operator!= (Versions other) const noexcept { return mMask != other.mMask; }

    private:
        explicit constexpr Versions (uint32_t mask) noexcept : mMask (mask) {}

        uint32_t mMask;
    };
} // namespace quindle::test::aaxhost
