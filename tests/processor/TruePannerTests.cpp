#include "processor/TruePanner.h"
#include "tests/common/ChainFormulas.h"
#include "tests/processor/ProcessorTestSupport.h"

namespace quindle::test::processor
{
namespace
{
using Panner = juce::ovk::TruePanner<float, 1>;
constexpr double rate = 48000.0;

Panner preparedPanner()
{
    Panner panner;
    panner.prepare ({ rate, 512, 2 });
    return panner;
}

/** A panner held at a pan without a ramp (reset ends the glide, setPan sets the gains). */
Panner steadyAt (float pan)
{
    auto panner = preparedPanner();
    panner.setPan (pan);
    panner.reset();
    panner.setPan (pan);
    return panner;
}

Stereo pan (Panner& panner, const Stereo& input, int blockSize = 512)
{
    Stereo output = input;

    for (size_t start = 0; start < input.size(); start += static_cast<size_t> (blockSize))
    {
        const auto length = std::min (input.size() - start, static_cast<size_t> (blockSize));
        float* channels[] { output.left.data() + start, output.right.data() + start };
        juce::dsp::AudioBlock<float> block (channels, 2, length);
        panner.process (juce::dsp::ProcessContextReplacing<float> (block));
    }

    return output;
}

/** Largest difference from the stereo pan law at the pan that sample i should see. */
double lawError (const Stereo& input, const Stereo& output, const std::function<double (size_t)>& panAt)
{
    double error = 0.0;

    for (size_t i = 0; i < input.size(); ++i)
    {
        const auto e = stereoPan (panAt (i), input.left[i], input.right[i]);
        error = std::max ({ error, std::abs (output.left[i] - e.left), std::abs (output.right[i] - e.right) });
    }

    return error;
}
} // namespace

TEST (TruePanner, SteadyLawAtEveryPosition)
{
    const auto input = testSignal (1024);

    for (const auto position : { -1.0f, -0.5f, 0.0f, 0.5f, 1.0f })
    {
        SCOPED_TRACE (position);
        auto panner = steadyAt (position);
        const auto output = pan (panner, input);
        EXPECT_LT (lawError (input, output, [&] (size_t) { return position; }), 2.0e-6);

        if (position == 0.0f)
        {
            EXPECT_EQ (output.left, input.left) << "the centre passes the block untouched";
        }
    }

    // Full left: both inputs at -3 dB on the left, silence on the right.
    auto left = steadyAt (-1.0f);
    const auto output = pan (left, input);

    for (size_t i = 0; i < input.size(); ++i)
    {
        ASSERT_NEAR (output.left[i], 0.70710678 * (input.left[i] + input.right[i]), 1.0e-6);
        ASSERT_NEAR (output.right[i], 0.0, 1.0e-6);
    }
}

TEST (TruePanner, PanChangesRampOver25MillisecondsFromThePresentPosition)
{
    const auto length = rampSamples (0.025, rate);
    const auto input = testSignal (3 * length);

    struct Case { const char* name; float first; int samplesBeforeSecond; float second; std::function<double (int)> panAfter; };
    const Case cases[] {
        { "out of range is held at the ends", -3.0f, 0, -3.0f, [&] (int k) { return rampValue (0.0, -1.0, length, k + 1); } },
        { "a repeated value starts no new ramp", -1.0f, 600, -1.0f, [&] (int k) { return rampValue (0.0, -1.0, length, 600 + k + 1); } },
        { "a new value restarts a full ramp", -1.0f, 600, 2.0f, [&] (int k) { return rampValue (-0.5, 1.0, length, k + 1); } },
    };

    for (const auto& c : cases)
    {
        for (const auto blockSize : { 1, 64, 512 })
        {
            SCOPED_TRACE (std::string (c.name) + ", blocks of " + std::to_string (blockSize));
            auto panner = preparedPanner();
            panner.setPan (c.first);

            const auto start = static_cast<std::ptrdiff_t> (c.samplesBeforeSecond);
            pan (panner, { { input.left.begin(), input.left.begin() + start }, { input.right.begin(), input.right.begin() + start } }, blockSize);
            panner.setPan (c.second);

            const Stereo rest { { input.left.begin() + start, input.left.end() }, { input.right.begin() + start, input.right.end() } };
            const auto output = pan (panner, rest, blockSize);
            // The smoother adds its step in single precision, sample by sample.
            EXPECT_LT (lawError (rest, output, [&] (size_t i) { return c.panAfter (static_cast<int> (i)); }), 2.0e-5);
        }
    }
}

TEST (TruePanner, AfterResetTheGainsAreZeroUntilTheNextSetPan)
{
    auto panner = steadyAt (-0.5f);
    panner.reset();

    const auto input = testSignal (256);
    const auto silenced = pan (panner, input);

    for (size_t i = 0; i < input.size(); ++i)
        ASSERT_TRUE (silenced.left[i] == 0.0f && silenced.right[i] == 0.0f) << i;

    panner.setPan (-0.5f);
    EXPECT_LT (lawError (input, pan (panner, input), [] (size_t) { return -0.5; }), 2.0e-6) << "steady again, no glide";
}

TEST (TruePanner, LeavesBlocksWithOtherThanTwoChannelsAlone)
{
    auto panner = steadyAt (-1.0f);

    for (const auto numChannels : { 1, 3 })
    {
        SCOPED_TRACE (numChannels);
        juce::AudioBuffer<float> buffer (numChannels, 64);

        for (int channel = 0; channel < numChannels; ++channel)
            juce::FloatVectorOperations::fill (buffer.getWritePointer (channel), 0.25f * static_cast<float> (channel + 1), 64);

        const juce::AudioBuffer<float> original (buffer);
        juce::dsp::AudioBlock<float> block (buffer);
        panner.process (juce::dsp::ProcessContextReplacing<float> (block));

        for (int channel = 0; channel < numChannels; ++channel)
            for (int i = 0; i < 64; ++i)
                ASSERT_EQ (buffer.getSample (channel, i), original.getSample (channel, i));
    }
}
} // namespace quindle::test::processor
