#include "tests/common/ChainFormulas.h"
#include "tests/processor/ProcessorTestSupport.h"

#include <functional>
#include <limits>

namespace quindle::test::processor
{
namespace
{
using Settings = std::vector<std::pair<const char*, float>>;
using Expectation = std::function<Sample (double left, double right)>;

constexpr double rate = 48000.0;
const int blockSizes[] { 1, 64, 512 };

// Long enough for every glide of a first prepare (the balance law's 50 ms) and a multiple of
// every block size, so that a change after it starts on a block boundary.
constexpr int settleSamples = 9216;

/** The largest difference between the output and the expectation, from sample `from` on. */
double largestError (const Stereo& input, const Stereo& output, size_t from,
                     const std::function<Sample (size_t index, double left, double right)>& expected)
{
    double error = 0.0;

    for (size_t i = from; i < input.size(); ++i)
    {
        const auto e = expected (i, input.left[i], input.right[i]);
        error = std::max ({ error, std::abs (output.left[i] - e.left), std::abs (output.right[i] - e.right) });
    }

    return error;
}

Sample scaled (double left, double right, double gain) { return { gain * left, gain * right }; }
} // namespace

TEST (SignalChain, SteadyOutputFollowsTheFormulasAtEveryBlockSize)
{
    struct Case { const char* name; Settings settings; Expectation expected; };
    const auto balance = [] (double pan) { return [pan] (double l, double r) { const auto g = balanceGains (pan); return Sample { g.left * l, g.right * r }; }; };
    const auto panned = [] (double pan) { return [pan] (double l, double r) { return stereoPan (pan, l, r); }; };
    const auto width = [] (double w) { return [w] (double l, double r) { return withSideGain (l, r, widthGain (w)); }; };
    const auto monoOf = [] (Sample s) { return Sample { mid (s.left, s.right), mid (s.left, s.right) }; };

    const Case cases[] {
        { "defaults are transparent", {}, [] (double l, double r) { return Sample { l, r }; } },
        { "M Solo",                   { { "Input M/S", 1 } }, [] (double l, double r) { return Sample { mid (l, r), mid (l, r) }; } },
        { "S Solo",                   { { "Input M/S", 2 } }, [] (double l, double r) { return Sample { side (l, r), -side (l, r) }; } },
        { "L off",                    { { "L Enabled", 0 } }, [] (double, double r) { return Sample { 0, r }; } },
        { "R off",                    { { "R Enabled", 0 } }, [] (double l, double) { return Sample { l, 0 }; } },
        { "L flipped",                { { "Phase Flip L", 1 } }, [] (double l, double r) { return Sample { -l, r }; } },
        { "R flipped",                { { "Phase Flip R", 1 } }, [] (double l, double r) { return Sample { l, -r }; } },
        { "L off and flipped",        { { "L Enabled", 0 }, { "Phase Flip L", 1 } }, [] (double, double r) { return Sample { 0, r }; } },
        { "swap",                     { { "Stereo Swap", 1 } }, [] (double l, double r) { return Sample { r, l }; } },
        { "flip before swap",         { { "Phase Flip L", 1 }, { "Stereo Swap", 1 } }, [] (double l, double r) { return Sample { r, -l }; } },
        { "input mono",               { { "Input Mono", 1 } }, [] (double l, double r) { return Sample { mid (l, r), mid (l, r) }; } },
        { "width 0 %",                { { "Width", 0.0f } }, width (0.0) },
        { "width 50 %",               { { "Width", 0.5f } }, width (0.5) },
        { "width 150 %",              { { "Width", 1.5f } }, width (1.5) },
        { "width 200 %",              { { "Width", 2.0f } }, width (2.0) },
        { "balance -1",               { { "Balance", -100 } }, balance (-1.0) },
        { "balance -0.5",             { { "Balance", -50 } }, balance (-0.5) },
        { "balance 0",                { { "Balance", 0 } }, balance (0.0) },
        { "balance 0.5",              { { "Balance", 50 } }, balance (0.5) },
        { "balance 1",                { { "Balance", 100 } }, balance (1.0) },
        { "stereo pan -1",            { { "Stereo Pan", 1 }, { "Balance", -100 } }, panned (-1.0) },
        { "stereo pan -0.5",          { { "Stereo Pan", 1 }, { "Balance", -50 } }, panned (-0.5) },
        { "stereo pan 0",             { { "Stereo Pan", 1 } }, panned (0.0) },
        { "stereo pan 0.5",           { { "Stereo Pan", 1 }, { "Balance", 50 } }, panned (0.5) },
        { "stereo pan 1",             { { "Stereo Pan", 1 }, { "Balance", 100 } }, panned (1.0) },
        { "mono check",               { { "Mono Check", 1 } }, [] (double l, double r) { return Sample { mid (l, r), mid (l, r) }; } },
        { "mono check, balance left", { { "Mono Check", 1 }, { "Balance", -100 } },
                                      [=] (double l, double r) { return monoOf (balance (-1.0) (l, r)); } },
        { "mono check, stereo pan left", { { "Mono Check", 1 }, { "Stereo Pan", 1 }, { "Balance", -100 } },
                                      [=] (double l, double r) { return monoOf (panned (-1.0) (l, r)); } },
        { "output -18 dB",            { { "Output Gain", -18 } }, [] (double l, double r) { return scaled (l, r, decibelsToGain (-18)); } },
        { "output +18 dB",            { { "Output Gain", 18 } }, [] (double l, double r) { return scaled (l, r, decibelsToGain (18)); } },
        { "a typical mix",            { { "Width", 1.5f }, { "Balance", -30 }, { "Output Gain", -3 } },
                                      [=] (double l, double r)
                                      {
                                          const auto wide = width (1.5) (l, r);
                                          const auto balanced = balance (-0.3) (wide.left, wide.right);
                                          return scaled (balanced.left, balanced.right, decibelsToGain (-3));
                                      } },
    };

    const auto input = testSignal (settleSamples + 1024);

    for (const auto& c : cases)
    {
        for (const auto blockSize : blockSizes)
        {
            SCOPED_TRACE (std::string (c.name) + ", blocks of " + std::to_string (blockSize));
            const auto processor = preparedProcessor (c.settings, rate, blockSize);
            const auto output = render (*processor, input, blockSize);

            const auto error = largestError (input, output, settleSamples, [&] (size_t, double l, double r) { return c.expected (l, r); });
            EXPECT_LT (error, 2.0e-5);
        }
    }
}

TEST (SignalChain, ChangesRampOverTheirFixedLengths)
{
    // Gains, the width and the output follow linear ramps of floor(25 ms x rate) smoother steps.
    // The gains ramp linearly within each block between the ramp's values at its ends; the width
    // takes one step per sample.
    enum class Shape { blockRamp, perSample };
    using Transform = std::function<double (double)>;
    using Apply = std::function<Sample (double l, double r, double gain)>;
    struct Case { const char* name; double rate; Settings change; double from, to; Shape shape; Transform transform; Apply apply; };

    const Transform linear = [] (double v) { return v; };
    const Apply onLeft = [] (double l, double r, double g) { return Sample { g * l, r }; };
    const Apply onSide = [] (double l, double r, double g) { return withSideGain (l, r, g); };
    const Apply onMid = [] (double l, double r, double g) { return Sample { g * mid (l, r) + side (l, r), g * mid (l, r) - side (l, r) }; };

    const Case cases[] {
        { "L flip passes through 0",  rate, { { "Phase Flip L", 1 } }, 1, -1, Shape::blockRamp, linear, onLeft },
        { "L off fades out",          rate, { { "L Enabled", 0 } }, 1, 0, Shape::blockRamp, linear, onLeft },
        { "M Solo fades the side",    rate, { { "Input M/S", 1 } }, 1, 0, Shape::blockRamp, linear, onSide },
        { "S Solo fades the mid",     rate, { { "Input M/S", 2 } }, 1, 0, Shape::blockRamp, linear, onMid },
        { "output to -18 dB",         rate, { { "Output Gain", -18 } }, 0, -18, Shape::blockRamp, decibelsToGain,
                                      [] (double l, double r, double g) { return scaled (l, r, g); } },
        { "width to 0 %",             rate, { { "Width", 0 } }, 1, 0, Shape::perSample, widthGain, onSide },
        { "width to 200 %",           rate, { { "Width", 2 } }, 1, 2, Shape::perSample, widthGain, onSide },
        { "L flip at 44.1 kHz",       44100.0, { { "Phase Flip L", 1 } }, 1, -1, Shape::blockRamp, linear, onLeft },
    };

    for (const auto& c : cases)
    {
        const auto length = rampSamples (0.025, c.rate);
        const auto input = testSignal (settleSamples + 2048, c.rate);

        for (const auto blockSize : blockSizes)
        {
            SCOPED_TRACE (std::string (c.name) + ", blocks of " + std::to_string (blockSize));
            const auto processor = preparedProcessor ({}, c.rate, blockSize);

            Stereo before { { input.left.begin(), input.left.begin() + settleSamples }, { input.right.begin(), input.right.begin() + settleSamples } };
            Stereo after { { input.left.begin() + settleSamples, input.left.end() }, { input.right.begin() + settleSamples, input.right.end() } };
            render (*processor, before, blockSize);

            for (const auto& [id, value] : c.change)
                setParameter (*processor, id, value);

            const auto output = render (*processor, after, blockSize);

            const auto error = largestError (after, output, 0, [&] (size_t index, double l, double r)
            {
                const auto k = static_cast<int> (index);
                const auto gain = c.shape == Shape::blockRamp
                                      ? blockRampGain (k, blockSize, length, c.from, c.to, c.transform)
                                      : c.transform (rampValue (c.from, c.to, length, k + 1));
                return c.apply (l, r, gain);
            });

            EXPECT_LT (error, 2.0e-5);
        }
    }
}

TEST (SignalChain, APrepareStartsEveryGainAtItsSettingAndEndsRunningRamps)
{
    const auto expected = [] (size_t, double l, double r)
    {
        // M Solo, then L flipped.
        return scaled (-mid (l, r), mid (l, r), decibelsToGain (-6));
    };
    const auto input = testSignal (512);

    // No sweep from the defaults in the first block after a prepare.
    const auto prepared = preparedProcessor ({ { "Phase Flip L", 1 }, { "Input M/S", 1 }, { "Output Gain", -6 } }, rate, 512);
    EXPECT_LT (largestError (input, render (*prepared, input, 512), 0, expected), 2.0e-5);

    // A prepare in the middle of ramps ends them at their targets.
    const auto ramping = preparedProcessor ({}, rate, 512);
    setParameter (*ramping, "Phase Flip L", 1);
    setParameter (*ramping, "Input M/S", 1);
    setParameter (*ramping, "Output Gain", -6);
    render (*ramping, testSignal (300), 512);
    ramping->prepareToPlay (rate, 512);
    EXPECT_LT (largestError (input, render (*ramping, input, 512), 0, expected), 2.0e-5);
}

TEST (SignalChain, TheFirstPrepareGlidesThePanFromTheCentre)
{
    // Balance law: both gains ramp over 50 ms from unity, one smoother step per sample.
    // Stereo pan law: the pan position ramps over 25 ms from 0. The framework's smoothers add
    // their step in single precision sample by sample, hence the wider tolerance.
    const auto input = testSignal (6000);
    const auto balanceLength = rampSamples (0.05, rate);
    const auto panLength = rampSamples (0.025, rate);

    for (const auto blockSize : blockSizes)
    {
        SCOPED_TRACE ("blocks of " + std::to_string (blockSize));

        const auto balanced = render (*preparedProcessor ({ { "Balance", -100 } }, rate, blockSize), input, blockSize);
        EXPECT_LT (largestError (input, balanced, 0, [&] (size_t i, double l, double r)
        {
            const auto steps = static_cast<int> (i) + 1;
            return Sample { l * rampValue (1.0, sqrt2, balanceLength, steps), r * rampValue (1.0, 0.0, balanceLength, steps) };
        }), 1.0e-4);

        const auto panned = render (*preparedProcessor ({ { "Balance", -100 }, { "Stereo Pan", 1 } }, rate, blockSize), input, blockSize);
        EXPECT_LT (largestError (input, panned, 0, [&] (size_t i, double l, double r)
        {
            return stereoPan (rampValue (0.0, -1.0, panLength, static_cast<int> (i) + 1), l, r);
        }), 1.0e-4);
    }
}

TEST (SignalChain, SwitchingThePanLawTakesEffectAtTheNextBlockWithoutARamp)
{
    constexpr int blockSize = 64;
    const auto input = testSignal (settleSamples + 3 * blockSize);
    const auto processor = preparedProcessor ({ { "Balance", -50 } }, rate, blockSize);

    const auto blockOf = [&] (int index)
    {
        const auto start = static_cast<std::ptrdiff_t> (settleSamples + index * blockSize);
        return Stereo { { input.left.begin() + start, input.left.begin() + start + blockSize },
                        { input.right.begin() + start, input.right.begin() + start + blockSize } };
    };
    const auto balanceLaw = [] (size_t, double l, double r) { const auto g = balanceGains (-0.5); return Sample { g.left * l, g.right * r }; };
    const auto stereoLaw = [] (size_t, double l, double r) { return stereoPan (-0.5, l, r); };

    render (*processor, { { input.left.begin(), input.left.begin() + settleSamples }, { input.right.begin(), input.right.begin() + settleSamples } }, blockSize);

    const auto steady = blockOf (0);
    EXPECT_LT (largestError (steady, render (*processor, steady, blockSize), 0, balanceLaw), 2.0e-5);

    setParameter (*processor, "Stereo Pan", 1);
    const auto switchedOn = blockOf (1);
    EXPECT_LT (largestError (switchedOn, render (*processor, switchedOn, blockSize), 0, stereoLaw), 2.0e-5);

    setParameter (*processor, "Stereo Pan", 0);
    const auto switchedOff = blockOf (2);
    EXPECT_LT (largestError (switchedOff, render (*processor, switchedOff, blockSize), 0, balanceLaw), 2.0e-5);
}

TEST (SignalChain, ALawSwitchedOnStartsAtAPanThatMovedWhileTheOtherLawRan)
{
    // The idle law is held at the pan every block, so it does not glide from where it was when
    // it last ran: both laws are at -0.5, then the pan moves to 0.8 while one of them runs.
    constexpr int blockSize = 64;
    const auto input = testSignal (2 * settleSamples + blockSize);
    const auto partOf = [&] (int start, int length)
    {
        const auto from = static_cast<std::ptrdiff_t> (start);
        return Stereo { { input.left.begin() + from, input.left.begin() + from + length },
                        { input.right.begin() + from, input.right.begin() + from + length } };
    };

    const auto balanceLaw = [] (size_t, double l, double r) { const auto g = balanceGains (0.8); return Sample { g.left * l, g.right * r }; };
    const auto stereoLaw = [] (size_t, double l, double r) { return stereoPan (0.8, l, r); };

    struct Case { const char* name; float runningLaw; std::function<Sample (size_t, double, double)> switchedToLaw; };
    const Case cases[] {
        { "pan moved under the stereo pan law, then the balance law", 1.0f, balanceLaw },
        { "pan moved under the balance law, then the stereo pan law", 0.0f, stereoLaw },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto processor = preparedProcessor ({ { "Balance", -50 }, { "Stereo Pan", 1.0f - c.runningLaw } }, rate, blockSize);
        render (*processor, partOf (0, settleSamples), blockSize);

        setParameter (*processor, "Stereo Pan", c.runningLaw);
        setParameter (*processor, "Balance", 80);
        render (*processor, partOf (settleSamples, settleSamples), blockSize);

        setParameter (*processor, "Stereo Pan", 1.0f - c.runningLaw);
        const auto block = partOf (2 * settleSamples, blockSize);
        EXPECT_LT (largestError (block, render (*processor, block, blockSize), 0, c.switchedToLaw), 2.0e-5)
            << "no glide from -0.5 on the first block of the law";
    }
}

TEST (SignalChain, AMonoInputFeedsBothSides)
{
    // Channel 1 holds whatever the host left there; it becomes a copy of channel 0, so the side
    // signal is 0 (no width can change it) until the flip of L makes the channels differ.
    auto input = testSignal (2048);
    std::fill (input.right.begin(), input.right.end(), 0.75f);

    struct Case { const char* name; std::pair<const char*, float> setting; Expectation expected; };
    const Case cases[] {
        { "width 200 %", { "Width", 2.0f }, [] (double l, double) { return Sample { l, l }; } },
        { "L flipped", { "Phase Flip L", 1.0f }, [] (double l, double) { return Sample { -l, l }; } },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto processor = makeProcessor();
        juce::AudioProcessor::BusesLayout monoIn;
        monoIn.inputBuses.add (juce::AudioChannelSet::mono());
        monoIn.outputBuses.add (juce::AudioChannelSet::stereo());
        ASSERT_TRUE (processor->setBusesLayout (monoIn));

        setParameter (*processor, c.setting.first, c.setting.second);
        processor->prepareToPlay (rate, 512);

        const auto output = render (*processor, input, 512);
        EXPECT_LT (largestError (input, output, 0, [&] (size_t, double l, double r) { return c.expected (l, r); }), 2.0e-5);
    }
}

TEST (SignalChain, ExtraChannelsGetOnlyTheOutputGain)
{
    const auto processor = preparedProcessor ({ { "Balance", -100 }, { "Stereo Swap", 1 }, { "Output Gain", -6 } }, rate, 512);
    const auto input = testSignal (settleSamples);
    auto third = input.left;
    auto output = input;

    juce::MidiBuffer midi;

    for (size_t start = 0; start < input.size(); start += 512)
    {
        float* channels[] { output.left.data() + start, output.right.data() + start, third.data() + start };
        juce::AudioBuffer<float> block (channels, 3, 512);
        processor->processBlock (block, midi);
    }

    const auto gain = decibelsToGain (-6);
    EXPECT_LT (largestError (input, output, 0, [&] (size_t, double l, double r) { return scaled (r, l, gain); }), 2.0e-5)
        << "swapped on channels 0 and 1, but not panned";

    double error = 0.0;

    for (size_t i = 0; i < third.size(); ++i)
        error = std::max (error, std::abs (third[i] - gain * input.left[i]));

    EXPECT_LT (error, 2.0e-5);
}

TEST (SignalChain, EmptyAndOneChannelBlocksAndAnUnpreparedProcessorChangeNothing)
{
    const Settings settings { { "Width", 0 }, { "Output Gain", -12 }, { "Balance", 40 } };
    const auto input = testSignal (1024);

    const auto unprepared = makeProcessor();

    for (const auto& [id, value] : settings)
        setParameter (*unprepared, id, value);

    EXPECT_EQ (render (*unprepared, input, 256).left, input.left);

    // An empty block, or a buffer of one channel, in the middle of a ramp leaves the ramp where
    // it was and the one channel as it was.
    const auto interrupted = preparedProcessor ({}, rate, 256);
    const auto without = preparedProcessor ({}, rate, 256);

    for (const auto& [id, value] : settings)
    {
        setParameter (*interrupted, id, value);
        setParameter (*without, id, value);
    }

    juce::AudioBuffer<float> empty (2, 0);
    auto mono = input.left;
    float* monoChannel[] { mono.data() };
    juce::AudioBuffer<float> oneChannel (monoChannel, 1, 256);
    juce::MidiBuffer midi;
    const Stereo firstHalf { { input.left.begin(), input.left.begin() + 512 }, { input.right.begin(), input.right.begin() + 512 } };
    const Stereo secondHalf { { input.left.begin() + 512, input.left.end() }, { input.right.begin() + 512, input.right.end() } };

    render (*interrupted, firstHalf, 256);
    interrupted->processBlock (empty, midi);
    interrupted->processBlock (oneChannel, midi);
    render (*without, firstHalf, 256);

    EXPECT_EQ (mono, input.left);

    const auto a = render (*interrupted, secondHalf, 256);
    const auto b = render (*without, secondHalf, 256);
    EXPECT_EQ (a.left, b.left);
    EXPECT_EQ (a.right, b.right);
}

TEST (SignalChain, BlocksLongerThanPreparedRunAsConsecutivePreparedBlocks)
{
    // Every ramp runs, so any difference in how the long block is split would show.
    const Settings changes { { "Phase Flip L", 1 }, { "Width", 1.7f }, { "Mono Freq", 300 }, { "Balance", -60 }, { "Output Gain", -9 } };
    const auto input = testSignal (6000);

    const auto overrun = preparedProcessor ({}, rate, 64);
    const auto reference = preparedProcessor ({}, rate, 64);

    for (const auto& [id, value] : changes)
    {
        setParameter (*overrun, id, value);
        setParameter (*reference, id, value);
    }

    Stereo expected;

    for (size_t start = 0; start < input.size(); start += 1000)
    {
        const Stereo block { { input.left.begin() + static_cast<std::ptrdiff_t> (start), input.left.begin() + static_cast<std::ptrdiff_t> (start + 1000) },
                             { input.right.begin() + static_cast<std::ptrdiff_t> (start), input.right.begin() + static_cast<std::ptrdiff_t> (start + 1000) } };
        const auto part = render (*reference, block, 64);
        expected.left.insert (expected.left.end(), part.left.begin(), part.left.end());
        expected.right.insert (expected.right.end(), part.right.begin(), part.right.end());
    }

    const auto output = render (*overrun, input, 1000);
    EXPECT_EQ (output.left, expected.left);
    EXPECT_EQ (output.right, expected.right);
}

TEST (SignalChain, ImpossiblePreparationsAreRefusedAndBlocksPassUntouched)
{
    struct Case { const char* name; double sampleRate; int blockSize; };
    const Case cases[] {
        { "zero rate", 0.0, 512 },
        { "negative rate", -48000.0, 512 },
        { "NaN rate", std::numeric_limits<double>::quiet_NaN(), 512 },
        { "infinite rate", std::numeric_limits<double>::infinity(), 512 },
        { "rate below single precision", 1.0e-40, 512 },
        { "rate whose ramp lengths overflow an int", 1.0e12, 512 },
        { "zero block size", rate, 0 },
        { "negative block size", rate, -64 },
    };

    const auto input = testSignal (1024);

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto processor = preparedProcessor ({ { "Output Gain", -12 } }, rate, 512);
        processor->prepareToPlay (c.sampleRate, c.blockSize);
        EXPECT_EQ (render (*processor, input, 512).left, input.left);
    }
}

TEST (SignalChain, AnAbsurdAnnouncedBlockSizeStillWorks)
{
    const auto processor = preparedProcessor ({ { "Output Gain", -6 } }, rate, std::numeric_limits<int>::max());
    const auto input = testSignal (4096);
    const auto output = render (*processor, input, 4096);

    EXPECT_LT (largestError (input, output, 0, [] (size_t, double l, double r) { return scaled (l, r, decibelsToGain (-6)); }), 2.0e-5);
}
} // namespace quindle::test::processor
