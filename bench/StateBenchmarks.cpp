// Cost of a restore: of a save, and of the 64 MiB state of 16 Mi empty children, which a restore
// refuses for the state's limits (the framework's reader took 33 s and 9.3 GB of memory for it).

#include "processor/PluginProcessor.h"
#include "tests/common/ManyChildrenState.h"

#include <benchmark/benchmark.h>

#include <iostream>
#include <memory>

namespace
{
// Keeps the processor's diagnostic lines from the terminal, whose cost is not the restore's.
class SilencedStderr
{
public:
    SilencedStderr() : previous (std::cerr.rdbuf (nullptr)) {}

    ~SilencedStderr()
    {
        std::cerr.rdbuf (previous);
        std::cerr.clear();
    }

    SilencedStderr (const SilencedStderr&) = delete;
    SilencedStderr& operator= (const SilencedStderr&) = delete;

private:
    std::streambuf* const previous;
};

void restoreRepeatedly (benchmark::State& state, const void* data, size_t size)
{
    const SilencedStderr silenced;
    const auto processor = std::make_unique<QuindleAudioProcessor>();

    for (auto _ : state)
        processor->setStateInformation (data, static_cast<int> (size));
}

void restoreASave (benchmark::State& state)
{
    juce::MemoryBlock saved;
    {
        const SilencedStderr silenced;
        QuindleAudioProcessor().getStateInformation (saved);
    }

    restoreRepeatedly (state, saved.getData(), saved.getSize());
}

void refuseSixteenMillionChildren (benchmark::State& state)
{
    const auto bytes = quindle::test::stateOfEmptyChildren (quindle::test::childrenIn64MiB);
    restoreRepeatedly (state, bytes.data(), bytes.size());
}
} // namespace

BENCHMARK (restoreASave)->Unit (benchmark::kMicrosecond);
BENCHMARK (refuseSixteenMillionChildren)->Unit (benchmark::kMicrosecond);
