#pragma once

#include "AAX_ACF.h"
#include "AAX_Enums.h"

/** The host's transport, first version. */
class AAX_IACFTransport : public IACFUnknown
{
public:
    virtual AAX_Result GetCurrentTempo (double* TempoBPM) const = 0;
    virtual AAX_Result GetCurrentMeter (int32_t* MeterNumerator, int32_t* MeterDenominator) const = 0;
    virtual AAX_Result IsTransportPlaying (bool* isPlaying) const = 0;
    virtual AAX_Result GetCurrentTickPosition (int64_t* TickPosition) const = 0;
    virtual AAX_Result GetCurrentLoopPosition (bool* bLooping, int64_t* LoopStartTick, int64_t* LoopEndTick) const = 0;
    virtual AAX_Result GetCurrentNativeSampleLocation (int64_t* SampleLocation) const = 0;
    virtual AAX_Result GetCustomTickPosition (int64_t* oTickPosition, int64_t iSampleLocation) const = 0;
    virtual AAX_Result GetBarBeatPosition (int32_t* Bars, int32_t* Beats, int64_t* DisplayTicks, int64_t SampleLocation) const = 0;
    virtual AAX_Result GetTicksPerQuarter (uint32_t* ticks) const = 0;
    virtual AAX_Result GetCurrentTicksPerBeat (uint32_t* ticks) const = 0;

protected:
    ~AAX_IACFTransport() = default;
};

/** Second version: selection, time code, feet and frames, metronome. */
class AAX_IACFTransport_V2 : public AAX_IACFTransport
{
public:
    virtual AAX_Result GetTimelineSelectionStartPosition (int64_t* oSampleLocation) const = 0;
    virtual AAX_Result GetTimeCodeInfo (AAX_EFrameRate* oFrameRate, int32_t* oOffset) const = 0;
    virtual AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* oFeetFramesRate, int64_t* oOffset) const = 0;
    virtual AAX_Result IsMetronomeEnabled (int32_t* isEnabled) const = 0;

protected:
    ~AAX_IACFTransport_V2() = default;
};

/** Third version: high-definition time code. */
class AAX_IACFTransport_V3 : public AAX_IACFTransport_V2
{
public:
    virtual AAX_Result GetHDTimeCodeInfo (AAX_EFrameRate* oHDFrameRate, int64_t* oHDOffset) const = 0;

protected:
    ~AAX_IACFTransport_V3() = default;
};
