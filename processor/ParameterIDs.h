#pragma once

#include <array>

// The processor's 13 parameter IDs. The saved state, the editor's attachments and every host
// know a parameter only by this text, so it must never change once a version has shipped.
namespace ParameterIDs
{
inline constexpr const char* inputMidSide   = "Input M/S";
inline constexpr const char* leftEnabled    = "L Enabled";
inline constexpr const char* rightEnabled   = "R Enabled";
inline constexpr const char* phaseFlipLeft  = "Phase Flip L";
inline constexpr const char* phaseFlipRight = "Phase Flip R";
inline constexpr const char* stereoSwap     = "Stereo Swap";
inline constexpr const char* inputMono      = "Input Mono";
inline constexpr const char* balance        = "Balance";
inline constexpr const char* stereoPan      = "Stereo Pan";
inline constexpr const char* width          = "Width";
inline constexpr const char* monoFreq       = "Mono Freq";
inline constexpr const char* monoCheck      = "Mono Check";
inline constexpr const char* outputGain     = "Output Gain";

/** Version hint shared by every parameter (hosts use it to tell added parameters apart). */
inline constexpr int versionHint = 1;

/** Every ID in creation order, which is also the processor's parameter index order. */
inline constexpr std::array<const char*, 13> inIndexOrder {
    inputMidSide, leftEnabled, rightEnabled, phaseFlipLeft, phaseFlipRight, stereoSwap, inputMono,
    balance, stereoPan, width, monoFreq, monoCheck, outputGain
};
} // namespace ParameterIDs
