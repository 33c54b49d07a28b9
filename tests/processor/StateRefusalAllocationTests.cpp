// A state beyond the limits is refused before anything that grows with it is allocated.

#include "tests/processor/CountingAllocator.h"
#include "tests/processor/ProcessorTestSupport.h"
#include "tests/common/ManyChildrenState.h"

namespace quindle::test::processor
{
namespace
{
// Far below what reading even a small part of the 64 MiB state would take (several
// allocations per child), far above what refusing any state takes.
constexpr int budget = 100'000;

int allocationsOfRestoring (QuindleAudioProcessor& processor, const void* data, int size)
{
    const CapturedStderr quiet;
    const AllocationCounter counter (budget);
    processor.setStateInformation (data, size);
    return counter.count();
}
} // namespace

TEST (StateRefusal, SixteenMillionChildrenAreRefusedAtOnce)
{
    const auto state = stateOfEmptyChildren (childrenIn64MiB);
    const auto processor = makeProcessor();
    setParameter (*processor, "Width", 0.25f);
    const auto before = saveState (*processor);

    const auto refusingAnEmptyBlock = allocationsOfRestoring (*processor, nullptr, 0);
    const auto refusingTheState = allocationsOfRestoring (*processor, state.data(), static_cast<int> (state.size()));

    // The line that says why (about ten allocations) is all that the refusal adds.
    EXPECT_LE (refusingTheState, refusingAnEmptyBlock + 20);
    EXPECT_EQ (saveState (*processor), before);
}
} // namespace quindle::test::processor
