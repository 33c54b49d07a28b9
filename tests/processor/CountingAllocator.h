#pragma once

// Counts allocations. An executable that links CountingAllocator.cpp replaces the C allocator's
// entry points with counting ones (glibc only), so it runs without the sanitizers, which replace
// them too.

#include <limits>

namespace quindle::test::processor
{
/** Counts the allocations that the calling thread makes while it lives. One allocation beyond
    the budget ends the process at once with a message, so that a test of something that must
    not grow with its input fails quickly rather than taking the machine's memory. */
class AllocationCounter
{
public:
    explicit AllocationCounter (int budget = std::numeric_limits<int>::max());
    ~AllocationCounter();

    int count() const;

    AllocationCounter (const AllocationCounter&) = delete;
    AllocationCounter& operator= (const AllocationCounter&) = delete;
};
} // namespace quindle::test::processor
