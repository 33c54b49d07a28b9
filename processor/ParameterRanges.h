#pragma once

#include <array>

// What each parameter's values are and what they mean, written once for the layout, the chain,
// the text conversions and the editor. Every saved state and every host holds values in these
// ranges, so they must never change once a version has shipped.
namespace ParameterRanges
{
/** A float parameter's linear range, stepped by interval. */
struct FloatRange
{
    float start, end, interval, defaultValue;
};

/** "Input M/S": the index of each choice, in the order of inputMidSideTexts. Index 0 passes mid
    and side, 1 solos the mid signal, 2 the side signal. */
enum InputMidSideChoice : int
{
    midAndSide = 0,
    midSolo = 1,
    sideSolo = 2
};

inline constexpr std::array<const char*, 3> inputMidSideTexts { "M and S", "M Solo", "S Solo" };

/** "Balance" runs in whole steps from -balanceLimit (full left) to balanceLimit (full right);
    the chain's pan position is balance / balanceLimit. */
inline constexpr int balanceLimit = 100;

/** "Width": 0 makes the image mono, unchangedWidth leaves it as it is, 2 raises the side signal
    by 6 dB. */
inline constexpr FloatRange widthRange { 0.0f, 2.0f, 0.01f, 1.0f };
inline constexpr float unchangedWidth = 1.0f;

/** "Mono Freq" in Hz. Its lowest value, monoFreqOff, is off: the side signal is not filtered.
    Every value above is the cut-off of the side high-pass, which never goes below lowestCutOff,
    the first value that is on (a ramp passes through the values between). */
inline constexpr FloatRange monoFreqRange { 9.0f, 999.0f, 1.0f, 9.0f };
inline constexpr float monoFreqOff = monoFreqRange.start;
inline constexpr float lowestCutOff = monoFreqOff + monoFreqRange.interval;

/** Whether "Mono Freq" is off at this frequency (NaN too): the chain's side high-pass, the
    parameter's text and the editor's knob all ask this, so they never disagree. */
constexpr bool isMonoFreqOff (float hz) noexcept
{
    return ! (hz > monoFreqOff);
}

/** "Output Gain" in dB. */
inline constexpr FloatRange outputGainRange { -18.0f, 18.0f, 0.1f, 0.0f };
} // namespace ParameterRanges
