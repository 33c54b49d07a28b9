#include "tests/processor/CountingAllocator.h"

#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>

extern "C"
{
void* __libc_malloc (size_t);
void* __libc_calloc (size_t, size_t);
void* __libc_realloc (void*, size_t);
void* __libc_memalign (size_t, size_t);
}

namespace
{
std::atomic<pthread_t> countedThread {};
std::atomic<bool> counting { false };
std::atomic<int> allocations { 0 };
std::atomic<int> allocationBudget { 0 };

// Standard error as it was at start-up: a test may capture the stream while it counts.
const int reportDescriptor = dup (STDERR_FILENO);

void noteAllocation()
{
    if (! counting.load() || ! pthread_equal (pthread_self(), countedThread.load()))
        return;

    if (++allocations > allocationBudget.load())
    {
        // Nothing that allocates, from inside the allocator.
        static constexpr char message[] = "\nAllocation budget exceeded: the code under test allocates as its input grows\n";
        [[maybe_unused]] const auto written = write (reportDescriptor, message, sizeof (message) - 1);
        std::abort();
    }
}
} // namespace

namespace quindle::test::processor
{
AllocationCounter::AllocationCounter (int budget)
{
    allocations = 0;
    allocationBudget = budget;
    countedThread = pthread_self();
    counting = true;
}

AllocationCounter::~AllocationCounter() { counting = false; }

int AllocationCounter::count() const { return allocations.load(); }
} // namespace quindle::test::processor

extern "C"
{
void* malloc (size_t size)                     { noteAllocation(); return __libc_malloc (size); }
void* calloc (size_t count, size_t size)       { noteAllocation(); return __libc_calloc (count, size); }
void* realloc (void* pointer, size_t size)     { noteAllocation(); return __libc_realloc (pointer, size); }
void* memalign (size_t alignment, size_t size) { noteAllocation(); return __libc_memalign (alignment, size); }
void* aligned_alloc (size_t alignment, size_t size) { noteAllocation(); return __libc_memalign (alignment, size); }

int posix_memalign (void** result, size_t alignment, size_t size)
{
    noteAllocation();
    *result = __libc_memalign (alignment, size);
    return *result != nullptr ? 0 : ENOMEM;
}
}
