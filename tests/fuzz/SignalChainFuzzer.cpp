// A host's run of one processor, as the input tells it: preparations at the rates hosts use and at
// rates and sizes the processor must refuse, parameter changes between blocks, and blocks of any
// length (0, 1, beyond the prepared size) whose samples may be NaN, infinite, FLT_MAX or
// denormal. A block of finite samples whose peak times the chain's largest gain is finite comes
// out finite and within that bound, however hostile the blocks before it; until the first
// accepted preparation, and after a refused one, a block passes untouched; and while every
// parameter has been at its default, the output is the input within float precision.

#include "tests/fuzz/ProcessorFuzzing.h"

#include "processor/PluginProcessor.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

namespace
{
using namespace quindle::test::fuzz;

// The largest gain from input to output, from the chain's formulas, for left and right samples
// of at most P:
// - the mid and side gains g, h in 0..1 give L' = (g + h) / 2 L + (g - h) / 2 R, at most
//   max (g, h) P; the left and right gains (-1..1), swap and input mono keep P;
// - encoded again, |M| + |S| = max (|L|, |R|) <= P, and width multiplies S by at most
//   10^(6 / 20) = 1.9953;
// - the side high-pass puts out at most H times the largest sample it took in since its state was
//   last zeroed (by a preparation at the latest), H being the sum of the magnitudes of its
//   impulse response. For the Butterworth coefficients in single precision that sum is at most
//   2.72 for any cut-off from 10 Hz to 999 Hz at 8 kHz to 192 kHz (2.43, the analog filter's, at
//   low rates; rounding the coefficients to floats adds to it at the highest rates, 2.71 at
//   192 kHz; summed over the response for cut-offs throughout the range). H = 3 leaves room for
//   the coefficient steps of a ramp;
// - decoded, |L|, |R| <= |M| + |S| <= P (1 + 1.9953 H);
// - either pan law multiplies by at most sqrt 2 (balance: sqrt 2 sin on each side; stereo pan:
//   the near side keeps near gain x itself plus (sqrt 2 sin - near gain) x the far side, and the
//   far side gets sqrt 2 sin), mono check averages, and the output gain is at most
//   10^(18 / 20) = 7.9433.
// P is the peak of every finite sample since the last preparation, as the filter remembers them.
constexpr double largestSideBoost = 1.9953;
constexpr double largestHighPassGain = 3.0;
constexpr double largestGain = 7.9433 * 1.41422 * (1.0 + largestSideBoost * largestHighPassGain);

// The chain flushes results below the smallest normal float to zero, each an error below 1.2e-38,
// which the high-pass's feedback can add up: its gain at 0 Hz, 1 / (1 + a1 + a2), is at most
// 2^24, the coefficients being floats with 1 + a1 + a2 > 0. This covers a few such errors a sample
// times that times the largest gain many times over, and is still 480 dB below full scale.
constexpr double flushedToZeroAllowance = 1.0e-24;

constexpr int largestBlock = 8192;
// Enough for every ramp to run its course at 192 kHz, little enough to keep a run short.
constexpr long samplesPerRun = 1L << 18;

constexpr float nan = std::numeric_limits<float>::quiet_NaN();
constexpr float infinity = std::numeric_limits<float>::infinity();
constexpr float largest = std::numeric_limits<float>::max();
constexpr float smallestNormal = std::numeric_limits<float>::min();

/** The input, front to back; once it is used up every read gives 0. */
class Input
{
public:
    Input (const std::uint8_t* data, std::size_t size) : next (data), end (data + size) {}

    bool isUsedUp() const noexcept { return next == end; }

    std::uint8_t byte() noexcept { return next != end ? *next++ : 0; }

    std::uint16_t twoBytes() noexcept
    {
        const auto high = byte();
        return static_cast<std::uint16_t> ((high << 8) | byte());
    }

    template <typename T, std::size_t size>
    const T& oneOf (const std::array<T, size>& choices) noexcept
    {
        return choices[byte() % size];
    }

private:
    const std::uint8_t* next;
    const std::uint8_t* end;
};

// The rates hosts use, then rates the chain cannot run at.
constexpr std::array<double, 19> sampleRates {
    8000.0, 11025.0, 16000.0, 22050.0, 32000.0, 44100.0, 48000.0, 88200.0, 96000.0, 176400.0, 192000.0,
    0.0, -0.0, -48000.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
    -std::numeric_limits<double>::infinity(), 1.0e-40, 1.0e12
};
constexpr std::size_t numUsableRates = 11;

constexpr std::array<int, 16> maximumBlockSizes {
    1, 2, 3, 4, 5, 7, 16, 64, 100, 512, 1024, 4096, std::numeric_limits<int>::max(),
    0, -1, std::numeric_limits<int>::min()
};

// Normalised values, and a few a host should not send.
float normalisedValue (Input& input)
{
    constexpr std::array<float, 6> hostile { nan, infinity, -infinity, -0.5f, 1.5f, 1.0e30f };
    constexpr int steps = 65000;
    const auto code = input.twoBytes();
    return code <= steps ? static_cast<float> (code) / steps : hostile[static_cast<std::size_t> (code - steps) % hostile.size()];
}

/** A pseudo-random number in -1..1 (xorshift). */
float noise (std::uint32_t& state)
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return static_cast<float> (static_cast<std::int32_t> (state)) / 2147483648.0f;
}

/** One channel's waveform, at most 1 in size: a sine, a square wave (the high-pass's worst
    case), noise, or samples taken from the input. */
void fillWaveform (float* samples, int numSamples, Input& input)
{
    const auto kind = input.byte() % 4;
    const auto parameter = input.byte();
    auto seed = static_cast<std::uint32_t> (parameter) * 2654435761u + 1u;

    for (int i = 0; i < numSamples; ++i)
    {
        switch (kind)
        {
            case 0:  samples[i] = std::sin (static_cast<float> (i) * static_cast<float> (parameter + 1) * 0.002f); break;
            case 1:  samples[i] = (i / (1 + 16 * parameter)) % 2 == 0 ? 1.0f : -1.0f; break;
            case 2:  samples[i] = noise (seed); break;
            default: samples[i] = static_cast<float> (static_cast<std::int8_t> (input.byte())) / 128.0f; break;
        }
    }
}

/** A block of two channels: a waveform each, scaled by a power of two from far below the
    smallest normal float to beyond the largest (infinity), then a few samples replaced by
    NaN, infinities, FLT_MAX, denormals or a huge number. */
juce::AudioBuffer<float> blockFrom (Input& input)
{
    constexpr std::array<float, 8> specials { nan, infinity, -infinity, largest, -largest, smallestNormal / 4.0f,
                                              -std::numeric_limits<float>::denorm_min(), 1.0e30f };
    juce::AudioBuffer<float> block (2, input.twoBytes() % (largestBlock + 1));
    const auto numSamples = block.getNumSamples();

    for (int channel = 0; channel < 2; ++channel)
    {
        auto* samples = block.getWritePointer (channel);
        fillWaveform (samples, numSamples, input);
        juce::FloatVectorOperations::multiply (samples, std::ldexp (1.0f, input.byte() - 127), numSamples);
    }

    for (auto count = input.byte() % 4; numSamples > 0 && count > 0; --count)
    {
        const auto at = input.twoBytes() % numSamples;
        const auto channel = input.byte() % 2;
        block.setSample (channel, at, input.oneOf (specials));
    }

    return block;
}

bool holdsTheSameBits (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b)
{
    const auto numBytes = sizeof (float) * static_cast<std::size_t> (a.getNumSamples());
    return std::memcmp (a.getReadPointer (0), b.getReadPointer (0), numBytes) == 0
        && std::memcmp (a.getReadPointer (1), b.getReadPointer (1), numBytes) == 0;
}

struct Peak
{
    double ofFiniteSamples = 0.0;
    bool everySampleIsFinite = true;
};

Peak peakOf (const juce::AudioBuffer<float>& block)
{
    Peak peak;

    for (int channel = 0; channel < 2; ++channel)
        for (int i = 0; i < block.getNumSamples(); ++i)
        {
            const auto sample = block.getSample (channel, i);

            if (std::isfinite (sample))
                peak.ofFiniteSamples = std::max (peak.ofFiniteSamples, static_cast<double> (std::abs (sample)));
            else
                peak.everySampleIsFinite = false;
        }

    return peak;
}

std::string textOf (double number)
{
    char text[32];
    std::snprintf (text, sizeof (text), "%.9g", number);
    return text;
}

std::string sampleAt (const juce::AudioBuffer<float>& in, const juce::AudioBuffer<float>& out, int channel, int i)
{
    return "channel " + std::to_string (channel) + ", sample " + std::to_string (i) + " of " + std::to_string (in.getNumSamples())
         + ": in " + textOf (in.getSample (channel, i)) + ", out " + textOf (out.getSample (channel, i));
}

void checkFiniteWithin (const juce::AudioBuffer<float>& in, const juce::AudioBuffer<float>& out, double bound, const char* invariant)
{
    for (int channel = 0; channel < 2; ++channel)
        for (int i = 0; i < out.getNumSamples(); ++i)
        {
            const auto sample = out.getSample (channel, i);

            if (! (std::isfinite (sample) && std::abs (sample) <= bound))
                fail (invariant, sampleAt (in, out, channel, i) + ", bound " + textOf (bound));
        }
}

// At the defaults the chain encodes to mid and side and decodes, twice, and applies unity gains:
// a few roundings of the larger sample of the pair, and halves of samples that fall below the
// smallest normal float flushed to zero.
void checkOutputIsInput (const juce::AudioBuffer<float>& in, const juce::AudioBuffer<float>& out)
{
    for (int i = 0; i < in.getNumSamples(); ++i)
    {
        const auto pairPeak = std::max (std::abs (in.getSample (0, i)), std::abs (in.getSample (1, i)));
        const auto tolerance = 8.0f * std::numeric_limits<float>::epsilon() * pairPeak + 2.0f * smallestNormal;

        for (int channel = 0; channel < 2; ++channel)
            if (! (std::abs (out.getSample (channel, i) - in.getSample (channel, i)) <= tolerance))
                fail ("at the defaults the output is the input", sampleAt (in, out, channel, i));
    }
}

/** The processor's run and what the checks need to know of its history. */
class Run
{
public:
    Run() : processor (std::make_unique<QuindleAudioProcessor>())
    {
        takeDiagnosticLines();
    }

    void prepare (Input& input)
    {
        const auto rate = input.byte() % sampleRates.size();
        const auto maximumBlockSize = input.oneOf (maximumBlockSizes);
        processor->prepareToPlay (sampleRates[rate], maximumBlockSize);
        prepared = rate < numUsableRates && maximumBlockSize >= 1;
        filterHistoryPeak = 0.0;
    }

    void changeParameter (Input& input)
    {
        auto& parameters = processor->getParameters();
        auto* parameter = parameters[input.byte() % parameters.size()];
        parameter->setValueNotifyingHost (normalisedValue (input));
        alwaysAtDefaults = alwaysAtDefaults && isAtItsDefault (*parameter);
    }

    void process (Input& input)
    {
        const auto in = blockFrom (input);
        auto out = in;
        juce::MidiBuffer midi;
        processor->processBlock (out, midi);
        processedSamples += in.getNumSamples();

        if (! prepared)
        {
            check (holdsTheSameBits (in, out), "a block before a usable preparation passes untouched");
            return;
        }

        // The side filter takes in every finite sample. One that is not finite reaches no later
        // block: it is cleared on the way, or the chain zeroes the filter's state after the block.
        const auto peak = peakOf (in);
        filterHistoryPeak = std::max (filterHistoryPeak, peak.ofFiniteSamples);

        // Samples that are not finite, or so large that no gain is left (even the mid/side round
        // trip of the defaults can round them beyond the float range), promise nothing.
        if (! (peak.everySampleIsFinite && peak.ofFiniteSamples * largestGain <= largest))
            return;

        checkFiniteWithin (in, out, infinity, "a block of finite samples whose peak times the largest gain is finite comes out finite");

        if (alwaysAtDefaults)
            checkOutputIsInput (in, out);

        if (filterHistoryPeak * largestGain <= largest)
            checkFiniteWithin (in, out, filterHistoryPeak * largestGain + flushedToZeroAllowance, "the output stays within the largest gain times the peak since the preparation");
    }

    bool isOver() const noexcept { return processedSamples >= samplesPerRun; }

private:
    // As the chain reads it: the value the parameter tree keeps.
    bool isAtItsDefault (juce::AudioProcessorParameter& parameter) const
    {
        auto& ranged = static_cast<juce::RangedAudioParameter&> (parameter);
        return processor->apvts.getRawParameterValue (ranged.paramID)->load() == ranged.convertFrom0to1 (ranged.getDefaultValue());
    }

    std::unique_ptr<QuindleAudioProcessor> processor;
    bool prepared = false;
    bool alwaysAtDefaults = true;
    double filterHistoryPeak = 0.0;
    long processedSamples = 0;
};
} // namespace

extern "C" int LLVMFuzzerInitialize (int*, char***)
{
    setUpForProcessors();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    Input input (data, size);
    Run run;

    while (! input.isUsedUp() && ! run.isOver())
    {
        switch (input.byte() % 3)
        {
            case 0:  run.prepare (input); break;
            case 1:  run.changeParameter (input); break;
            default: run.process (input); break;
        }
    }

    return 0;
}
