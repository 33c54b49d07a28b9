// The audio thread must not allocate.

#include "tests/processor/CountingAllocator.h"
#include "tests/processor/ProcessorTestSupport.h"

#include <functional>
#include <limits>

namespace quindle::test::processor
{
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
} // namespace quindle::test::processor
