#pragma once

// A broken invariant ends a fuzz target's run as a crash, so that libFuzzer keeps the input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// libFuzzer's entry points (each target defines the second, some the first).
extern "C" int LLVMFuzzerInitialize (int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size);

namespace quindle::test::fuzz
{
/** Ends the run, so that libFuzzer keeps the input that broke the invariant. */
[[noreturn]] inline void fail (const char* invariant, const std::string& detail)
{
    std::fprintf (stderr, "\nInvariant broken: %s\n%s\n", invariant, detail.c_str());
    std::fflush (stderr);
    std::abort();
}

inline void check (bool holds, const char* invariant, const std::string& detail = {})
{
    if (! holds)
        fail (invariant, detail);
}
} // namespace quindle::test::fuzz
