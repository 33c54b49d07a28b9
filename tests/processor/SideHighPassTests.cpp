#include "tests/common/ChainFormulas.h"
#include "tests/processor/ProcessorTestSupport.h"

namespace quindle::test::processor
{
namespace
{
constexpr double rate = 48000.0;

/** The side high-pass as the chain is meant to run it: a second-order Butterworth by the bilinear
    transform (K = tan(pi F / rate), Q = 1/sqrt 2) run in transposed direct form II, in single
    precision, starting from pass-through coefficients and a zero state. */
class ReferenceHighPass
{
public:
    void setCutoff (float frequency)
    {
        const auto k = std::tan (3.14159265f * frequency / static_cast<float> (rate));
        const auto rootTwo = 1.0f / 0.70710678f; // 1 / Q
        const auto c = 1.0f / (1.0f + rootTwo * k + k * k);
        b0 = c;
        b1 = -2.0f * c;
        b2 = c;
        a1 = 2.0f * c * (k * k - 1.0f);
        a2 = c * (1.0f - rootTwo * k + k * k);
    }

    float process (float x)
    {
        const auto y = b0 * x + s1;
        s1 = b1 * x - a1 * y + s2;
        s2 = b2 * x - a2 * y;
        return y;
    }

    void reset() { s1 = s2 = 0.0f; }

    void snapToZero()
    {
        for (auto* s : { &s1, &s2 })
            if (std::abs (*s) <= 1.0e-8f)
                *s = 0.0f;
    }

private:
    float b0 = 1.0f, b1 = 0.0f, b2 = 0.0f, a1 = 0.0f, a2 = 0.0f, s1 = 0.0f, s2 = 0.0f;
};

/** The side filter's cut-off schedule: a linear ramp of floor(120 ms x rate) steps that starts
    at 10 Hz when the filter turns on; one step at each block's start, and while it ramps five
    more and new coefficients before every 5th sample of the block; 9 Hz and below is off. */
class ReferenceSideFilter
{
public:
    explicit ReferenceSideFilter (float startHz) : current (startHz), target (startHz) {}

    void setTarget (float hz)
    {
        if (remaining == 0 && hz >= 10.0f && current < 10.0f)
            current = target = 10.0f;

        if (hz == target)
            return;

        target = hz;
        remaining = length;
        step = (target - current) / static_cast<float> (length);
    }

    void process (float* side, int n)
    {
        const auto frequency = skip (1);

        if (frequency <= 9.0f)
        {
            filter.reset();
            return;
        }

        if (remaining > 0)
        {
            for (int k = 0; k < n; ++k)
            {
                if ((k + 1) % 5 == 0)
                    filter.setCutoff (std::max (10.0f, skip (5)));

                side[k] = filter.process (side[k]);
            }
        }
        else
        {
            filter.setCutoff (std::max (10.0f, frequency));

            for (int k = 0; k < n; ++k)
                side[k] = filter.process (side[k]);
        }

        filter.snapToZero();
    }

private:
    float skip (int steps)
    {
        if (steps >= remaining)
        {
            current = target;
            remaining = 0;
        }
        else
        {
            current += step * static_cast<float> (steps);
            remaining -= steps;
        }

        return current;
    }

    const int length = rampSamples (0.12, rate);
    float current, target, step = 0.0f;
    int remaining = 0;
    ReferenceHighPass filter;
};

/** A signal that is all side (left = -right), so that the mid/side conversions are exact and
    the filter sees exactly the side signal of the input. */
Stereo sideOnly (std::vector<float> side)
{
    Stereo signal { side, side };

    for (auto& sample : signal.right)
        sample = -sample;

    return signal;
}

Stereo sideSine (int numSamples, double frequency)
{
    std::vector<float> side (static_cast<size_t> (numSamples));

    for (size_t i = 0; i < side.size(); ++i)
        side[i] = static_cast<float> (0.5 * std::sin (2.0 * pi * frequency * static_cast<double> (i) / rate));

    return sideOnly (side);
}

std::vector<float> sideOf (const Stereo& signal)
{
    std::vector<float> s (signal.size());

    for (size_t i = 0; i < s.size(); ++i)
        s[i] = 0.5f * signal.left[i] - 0.5f * signal.right[i];

    return s;
}

double largestDifference (const std::vector<float>& a, const std::vector<float>& b, size_t from = 0)
{
    double difference = 0.0;

    for (size_t i = from; i < a.size(); ++i)
        difference = std::max (difference, static_cast<double> (std::abs (a[i] - b[i])));

    return difference;
}

Stereo slice (const Stereo& signal, size_t start, size_t length)
{
    const auto from = static_cast<std::ptrdiff_t> (start);
    const auto to = static_cast<std::ptrdiff_t> (start + length);
    return { { signal.left.begin() + from, signal.left.begin() + to }, { signal.right.begin() + from, signal.right.begin() + to } };
}
} // namespace

TEST (SideHighPass, MakesTheLowsMonoWithAButterworthResponse)
{
    // Gain of the bilinear Butterworth high-pass at f for cut-off fc: r^2 / sqrt(1 + r^4),
    // r = tan(pi f / rate) / tan(pi fc / rate); -3 dB at the cut-off.
    struct Case { float cutoff; double probe; };
    const Case cases[] { { 100.0f, 100.0 }, { 100.0f, 50.0 }, { 999.0f, 999.0 }, { 999.0f, 499.5 } };

    for (const auto& c : cases)
    {
        for (const auto blockSize : { 1, 64, 512 })
        {
            SCOPED_TRACE ("cut-off " + std::to_string (c.cutoff) + " Hz, probe " + std::to_string (c.probe) + " Hz, blocks of " + std::to_string (blockSize));
            const auto processor = preparedProcessor ({ { "Mono Freq", c.cutoff } }, rate, blockSize);

            // Whole periods after half a second of settling.
            const auto period = static_cast<size_t> (std::lround (2.0 * rate / c.probe));
            const auto output = sideOf (render (*processor, sideSine (24000 + static_cast<int> (period), c.probe), blockSize));

            double energy = 0.0;

            for (size_t i = 24000; i < output.size(); ++i)
                energy += static_cast<double> (output[i]) * output[i];

            const auto amplitude = std::sqrt (2.0 * energy / static_cast<double> (period));
            const auto r = std::tan (pi * c.probe / rate) / std::tan (pi * c.cutoff / rate);
            EXPECT_NEAR (amplitude, 0.5 * r * r / std::sqrt (1.0 + r * r * r * r), 1.0e-3);
        }
    }

    // The mid signal is never filtered.
    const auto input = testSignal (4096);
    Stereo centred { input.left, input.left };
    const auto output = render (*preparedProcessor ({ { "Mono Freq", 999 } }, rate, 512), centred, 512);
    EXPECT_LT (largestDifference (output.left, centred.left), 1.0e-6);
    EXPECT_LT (largestDifference (output.right, centred.right), 1.0e-6);
}

TEST (SideHighPass, FiltersFromTheFirstBlockWhenPreparedOn)
{
    const auto input = sideOnly (testSignal (512).left);
    const auto output = sideOf (render (*preparedProcessor ({ { "Mono Freq", 100 } }, rate, 512), input, 512));

    ReferenceHighPass reference;
    reference.setCutoff (100.0f);
    auto expected = sideOf (input);

    for (auto& s : expected)
        s = reference.process (s);

    EXPECT_LT (largestDifference (output, expected), 1.0e-6);
}

TEST (SideHighPass, TheCutOffRampsFrom10HzInStepsOfFiveSamples)
{
    // On from off, down to off, a while off and on once more, each long enough for a whole ramp
    // (with blocks that hold five samples), in blocks that do and do not hold 5 samples.
    struct Step { float monoFreq; size_t numSamples; };
    const Step steps[] { { 9, 1536 }, { 100, 9216 }, { 9, 9216 }, { 9, 1536 }, { 300, 7680 } };
    const auto input = sideOnly (testSignal (29184).left);

    for (const auto blockSize : { 1, 3, 64, 512 })
    {
        SCOPED_TRACE ("blocks of " + std::to_string (blockSize));
        const auto processor = preparedProcessor ({}, rate, blockSize);
        ReferenceSideFilter reference (9.0f);
        size_t position = 0;

        for (const auto& step : steps)
        {
            setParameter (*processor, "Mono Freq", step.monoFreq);
            const auto part = slice (input, position, step.numSamples);
            position += step.numSamples;

            const auto output = sideOf (render (*processor, part, blockSize));
            auto expected = sideOf (part);

            for (size_t start = 0; start < step.numSamples; start += static_cast<size_t> (blockSize))
            {
                reference.setTarget (step.monoFreq);
                reference.process (expected.data() + start, blockSize);
            }

            ASSERT_LT (largestDifference (output, expected), 1.0e-6) << "at Mono Freq " << step.monoFreq;
        }
    }
}

TEST (SideHighPass, ShortBlocksKeepTheirCoefficientsUntilTheRampEnds)
{
    // Blocks of 4 never reach a 5th sample: the ramp takes one step per block and the filter,
    // never used before, passes the side signal unchanged until the ramp has ended.
    constexpr int blockSize = 4;
    const auto rampBlocks = rampSamples (0.12, rate);
    const auto processor = preparedProcessor ({}, rate, blockSize);
    setParameter (*processor, "Mono Freq", 100);

    const auto input = sideSine ((rampBlocks + 8) * blockSize, 30.0);
    const auto output = sideOf (render (*processor, input, blockSize));
    const auto unfiltered = sideOf (input);
    const auto rampEnd = static_cast<size_t> ((rampBlocks - 1) * blockSize);

    EXPECT_LT (largestDifference (std::vector<float> (output.begin(), output.begin() + static_cast<std::ptrdiff_t> (rampEnd)),
                                  std::vector<float> (unfiltered.begin(), unfiltered.begin() + static_cast<std::ptrdiff_t> (rampEnd))),
               1.0e-6);
    EXPECT_GT (largestDifference (output, unfiltered, rampEnd), 0.01) << "filtered once the ramp has ended";
}

TEST (SideHighPass, ASampleThatBreaksTheFilterStateDoesNotPoisonLaterBlocks)
{
    // A side sample between FLT_MAX / (2 c) and about FLT_MAX / (2 c^2) at 100 Hz (c = 0.9908)
    // overflows b1 x but not a1 y: as the last sample of a block it leaves the filter's state
    // infinite while every sample the filter put out is finite, and the framework's snap to zero
    // clears a NaN state but not an infinite one.
    constexpr auto overflowing = 1.725e38f;

    struct Case { const char* name; float poison; size_t at; bool ramping; };
    const Case cases[] {
        { "NaN, steady", std::numeric_limits<float>::quiet_NaN(), 100, false },
        { "NaN, ramping", std::numeric_limits<float>::quiet_NaN(), 100, true },
        { "infinity, steady", std::numeric_limits<float>::infinity(), 100, false },
        { "infinity, ramping", std::numeric_limits<float>::infinity(), 100, true },
        { "overflowing last sample, steady", overflowing, 511, false },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto processor = preparedProcessor ({ { "Mono Freq", 100 } }, rate, 512);

        if (c.ramping)
            setParameter (*processor, "Mono Freq", 500);

        // All side (left = -right), so the side sample is the poison itself.
        auto poisoned = sideSine (512, 440.0);
        poisoned.left[c.at] = c.poison;
        poisoned.right[c.at] = -c.poison;
        render (*processor, poisoned, 512);

        const auto output = render (*processor, testSignal (512), 512);

        for (size_t i = 0; i < output.size(); ++i)
            ASSERT_TRUE (std::isfinite (output.left[i]) && std::isfinite (output.right[i])) << "sample " << i;
    }
}

TEST (SideHighPass, ALaterPreparationStartsTheFilterAfresh)
{
    // A host that changes the rate or restarts playback prepares again: the first block after it
    // must carry nothing of the side signal before it. Loud side blocks leave the filter at the
    // top cut-off with a large state; a block far below the smallest normal float, which the
    // chain flushes to zero, then shows any of it that is left.
    struct Case { double secondRate; int secondBlockSize; };
    const Case cases[] { { rate, 512 }, { 44100.0, 256 } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE ("prepared again at " + std::to_string (c.secondRate) + " Hz, blocks of " + std::to_string (c.secondBlockSize));
        const auto processor = preparedProcessor ({ { "Mono Freq", 999 } }, rate, 512);

        std::vector<float> square (4 * 512);

        for (size_t i = 0; i < square.size(); ++i)
            square[i] = (i / 24) % 2 == 0 ? 1.0f : -1.0f;

        render (*processor, sideOnly (square), 512);
        processor->prepareToPlay (c.secondRate, c.secondBlockSize);

        auto nearSilence = testSignal (c.secondBlockSize, c.secondRate);

        for (auto* channel : { &nearSilence.left, &nearSilence.right })
            for (auto& sample : *channel)
                sample = std::ldexp (sample, -127);

        const auto output = render (*processor, nearSilence, c.secondBlockSize);

        // What the chain allows a block for results flushed to zero (the fuzz target's bound for
        // a block this quiet); a state left from before the preparation gives about 1e-2.
        for (size_t i = 0; i < output.size(); ++i)
            ASSERT_TRUE (std::abs (output.left[i]) <= 1.0e-24f && std::abs (output.right[i]) <= 1.0e-24f)
                << "sample " << i << ": " << output.left[i] << ", " << output.right[i];
    }
}

TEST (SideHighPass, StaysStableAtEveryRateTheProcessorAccepts)
{
    // At and above half the sample rate a cut-off would make the filter unstable: at 1 kHz with
    // 999 Hz its output grows to 1e22 without ever turning non-finite. Far below, single precision
    // can put a pole on the unit circle (10 Hz at 192 kHz) or outside it (10 Hz at 768 kHz, where
    // the output grows a thousandfold within 0.1 s).
    struct Case { double sampleRate; float monoFreq; };
    const Case cases[] {
        { 20.0, 999 }, { 1000.0, 999 }, { 1500.0, 999 }, { 2000.0, 999 }, { 44100.0, 999 },
        { 192000.0, 10 }, { 768000.0, 10 }, { 1.0e7, 10 }, { 1.0e9, 10 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE ("Mono Freq " + std::to_string (c.monoFreq) + " at " + std::to_string (c.sampleRate) + " Hz");
        const auto processor = preparedProcessor ({ { "Mono Freq", c.monoFreq } }, c.sampleRate, 512);
        const auto numSamples = static_cast<int> (std::min (c.sampleRate, 400000.0)); // a second at most
        const auto output = render (*processor, testSignal (numSamples, c.sampleRate), 512);

        float largest = 0.0f;

        for (size_t i = 0; i < output.size(); ++i)
            largest = std::max ({ largest, std::abs (output.left[i]), std::abs (output.right[i]) });

        // Far above any audio rate single precision leaves the output inexact (up to six times the
        // input at 10 MHz), but it never runs away.
        EXPECT_LT (largest, 7.0f) << "ten times the input's peak";
    }
}
} // namespace quindle::test::processor
