// The audio thread must not allocate. This executable replaces the C allocator's entry points
// with counting ones (glibc only), so it runs without the sanitizers, which replace them too.

#include "ProcessorTestSupport.h"

#include <pthread.h>

#include <atomic>
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

void noteAllocation()
{
    if (counting.load() && pthread_equal (pthread_self(), countedThread.load()))
        ++allocations;
}

/** Counts the allocations that the calling thread makes while it lives. */
class AllocationCounter
{
public:
    AllocationCounter()
    {
        allocations = 0;
        countedThread = pthread_self();
        counting = true;
    }

    ~AllocationCounter() { counting = false; }

    int count() const { return allocations.load(); }
};
} // namespace

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

using namespace quindle::test;

TEST (Realtime, ProcessBlockNeverAllocates)
{
    struct Case { const char* name; int preparedSize; int blockSize; bool monoInput; std::function<void (QuindleAudioProcessor&, int block)> eachBlock; };
    const auto changeEverything = [] (QuindleAudioProcessor& p, int block)
    {
        const auto odd = block % 2 == 1;
        setParameter (p, "Input M/S", static_cast<float> (block % 3));
        setParameter (p, "Phase Flip L", odd ? 1.0f : 0.0f);
        setParameter (p, "R Enabled", odd ? 0.0f : 1.0f);
        setParameter (p, "Stereo Swap", odd ? 1.0f : 0.0f);
        setParameter (p, "Input Mono", block % 5 == 0 ? 1.0f : 0.0f);
        setParameter (p, "Width", static_cast<float> (block % 21) / 10.0f);
        setParameter (p, "Mono Freq", static_cast<float> (9 + (block * 37) % 990));
        setParameter (p, "Balance", static_cast<float> ((block * 13) % 201 - 100));
        setParameter (p, "Stereo Pan", block % 4 < 2 ? 1.0f : 0.0f);
        setParameter (p, "Mono Check", block % 7 == 0 ? 1.0f : 0.0f);
        setParameter (p, "Output Gain", static_cast<float> (block % 37) - 18.0f);
    };

    const Case cases[] {
        { "steady defaults", 512, 512, false, [] (QuindleAudioProcessor&, int) {} },
        { "every stage changing every block", 512, 512, false, changeEverything },
        { "short blocks", 512, 3, false, changeEverything },
        { "blocks longer than prepared", 64, 1000, false, changeEverything },
        { "mono input", 512, 512, true, changeEverything },
        { "non-finite input", 512, 512, false, [] (QuindleAudioProcessor& p, int) { setParameter (p, "Mono Freq", 200); } },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto processor = makeProcessor();

        if (c.monoInput)
        {
            juce::AudioProcessor::BusesLayout monoIn;
            monoIn.inputBuses.add (juce::AudioChannelSet::mono());
            monoIn.outputBuses.add (juce::AudioChannelSet::stereo());
            ASSERT_TRUE (processor->setBusesLayout (monoIn));
        }

        processor->prepareToPlay (48000.0, c.preparedSize);

        auto signal = testSignal (c.blockSize);
        signal.left[0] = std::numeric_limits<float>::quiet_NaN();
        juce::AudioBuffer<float> buffer (2, c.blockSize);
        juce::MidiBuffer midi;
        int count = 0;

        for (int block = 0; block < 200; ++block)
        {
            c.eachBlock (*processor, block);
            buffer.copyFrom (0, 0, signal.left.data(), c.blockSize);
            buffer.copyFrom (1, 0, signal.right.data(), c.blockSize);

            const AllocationCounter counter;
            processor->processBlock (buffer, midi);
            count += counter.count();
        }

        EXPECT_EQ (count, 0);
    }
}

TEST (Realtime, TheCounterSeesAllocations)
{
    const AllocationCounter counter;
    auto* p = std::malloc (16);
    std::free (p);
    const auto vector = std::make_unique<std::vector<int>> (100);
    EXPECT_GE (counter.count(), 2);
}
