// Cost of the signal chain per stereo frame at 48 kHz, for blocks of 32, 512 and 4096 samples.
// Every iteration hands the processor a fresh copy of the input, as a host does; the plain copy
// benchmark measures that copy alone, the floor under every other figure.

#include "processor/ParameterIDs.h"
#include "processor/PluginProcessor.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <memory>

namespace
{
constexpr double sampleRate = 48000.0;

using Setter = std::function<void (QuindleAudioProcessor&, std::int64_t block)>;

void set (QuindleAudioProcessor& processor, const char* parameterId, float value)
{
    auto* parameter = processor.apvts.getParameter (parameterId);
    parameter->setValueNotifyingHost (parameter->convertTo0to1 (value));
}

juce::AudioBuffer<float> noise (int numSamples)
{
    juce::AudioBuffer<float> buffer (2, numSamples);
    juce::Random random (1);

    for (int channel = 0; channel < 2; ++channel)
        for (int i = 0; i < numSamples; ++i)
            buffer.setSample (channel, i, random.nextFloat() - 0.5f);

    return buffer;
}

/** Times the benchmark loop and reports nanoseconds per stereo frame and the real-time factor
    (seconds of 48 kHz audio processed per second). */
class FrameCounters
{
public:
    FrameCounters (benchmark::State& s, int size) : state (s), blockSize (size) {}

    ~FrameCounters()
    {
        const auto seconds = std::chrono::duration<double> (std::chrono::steady_clock::now() - start).count();
        const auto frames = static_cast<double> (state.iterations()) * blockSize;
        state.counters["ns_per_frame"] = seconds * 1.0e9 / frames;
        state.counters["realtime_x"] = frames / sampleRate / seconds;
    }

    FrameCounters (const FrameCounters&) = delete;
    FrameCounters& operator= (const FrameCounters&) = delete;

private:
    benchmark::State& state;
    const int blockSize;
    const std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
};

/** Runs the chain on blocks of the benchmark's size; `setup` runs once before, `eachBlock`
    before every block (inside the timing, as a host's parameter changes would be). */
void runChain (benchmark::State& state, const Setter& setup, const Setter& eachBlock)
{
    const auto blockSize = static_cast<int> (state.range (0));
    auto processor = std::make_unique<QuindleAudioProcessor>();
    setup (*processor, 0);
    processor->prepareToPlay (sampleRate, blockSize);

    const auto input = noise (blockSize);
    juce::AudioBuffer<float> buffer (2, blockSize);
    juce::MidiBuffer midi;
    std::int64_t block = 0;
    const FrameCounters counters (state, blockSize);

    for (auto _ : state)
    {
        if (eachBlock)
            eachBlock (*processor, block++);

        buffer.makeCopyOf (input, true);
        processor->processBlock (buffer, midi);
        benchmark::DoNotOptimize (buffer.getReadPointer (0));
        benchmark::ClobberMemory();
    }
}

void plainCopy (benchmark::State& state)
{
    const auto blockSize = static_cast<int> (state.range (0));
    const auto input = noise (blockSize);
    juce::AudioBuffer<float> buffer (2, blockSize);
    const FrameCounters counters (state, blockSize);

    for (auto _ : state)
    {
        buffer.makeCopyOf (input, true);
        benchmark::DoNotOptimize (buffer.getReadPointer (0));
        benchmark::ClobberMemory();
    }
}

void defaultsSteady (benchmark::State& state)
{
    runChain (state, [] (QuindleAudioProcessor&, std::int64_t) {}, nullptr);
}

void typicalMixSteady (benchmark::State& state)
{
    runChain (state, [] (QuindleAudioProcessor& p, std::int64_t)
    {
        set (p, ParameterIDs::width, 1.5f);
        set (p, ParameterIDs::monoFreq, 120.0f);
        set (p, ParameterIDs::balance, -30.0f);
        set (p, ParameterIDs::outputGain, -3.0f);
    }, nullptr);
}

void everyRampRunning (benchmark::State& state)
{
    runChain (state, [] (QuindleAudioProcessor&, std::int64_t) {}, [] (QuindleAudioProcessor& p, std::int64_t block)
    {
        // Two values in turn: each block starts a fresh ramp of every continuous parameter.
        const auto odd = block % 2 == 1;
        set (p, ParameterIDs::width, odd ? 1.6f : 0.4f);
        set (p, ParameterIDs::monoFreq, odd ? 300.0f : 80.0f);
        set (p, ParameterIDs::balance, odd ? 40.0f : -40.0f);
        set (p, ParameterIDs::outputGain, odd ? -6.0f : 3.0f);
    });
}

void stereoPanSweep (benchmark::State& state)
{
    runChain (state, [] (QuindleAudioProcessor& p, std::int64_t) { set (p, ParameterIDs::stereoPan, 1.0f); },
              [] (QuindleAudioProcessor& p, std::int64_t block)
    {
        set (p, ParameterIDs::balance, static_cast<float> (block % 201 - 100));
    });
}

void blockSizes (benchmark::internal::Benchmark* b)
{
    b->Arg (32)->Arg (512)->Arg (4096);
}
} // namespace

BENCHMARK (plainCopy)->Apply (blockSizes);
BENCHMARK (defaultsSteady)->Apply (blockSizes);
BENCHMARK (typicalMixSteady)->Apply (blockSizes);
BENCHMARK (everyRampRunning)->Apply (blockSizes);
BENCHMARK (stereoPanSweep)->Apply (blockSizes);

int main (int argc, char** argv)
{
    const juce::ScopedJuceInitialiser_GUI juce;
    benchmark::Initialize (&argc, argv);

    if (benchmark::ReportUnrecognizedArguments (argc, argv))
        return 1;

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
