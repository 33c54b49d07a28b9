#pragma once

#include "ACFPtr.h"
#include "AAX_IACFTransport.h"
#include "AAX_ITransport.h"

/** Forwards transport queries to the newest host transport version that has each operation. */
class AAX_VTransport : public AAX_ITransport
{
public:
    explicit AAX_VTransport (IACFUnknown* pUnknown);
    ~AAX_VTransport() override;

    AAX_Result GetCurrentTempo (double* TempoBPM) const override;
    AAX_Result GetCurrentMeter (int32_t* MeterNumerator, int32_t* MeterDenominator) const override;
    AAX_Result IsTransportPlaying (bool* isPlaying) const override;
    AAX_Result GetCurrentTickPosition (int64_t* TickPosition) const override;
    AAX_Result GetCurrentLoopPosition (bool* bLooping, int64_t* LoopStartTick, int64_t* LoopEndTick) const override;
    AAX_Result GetCurrentNativeSampleLocation (int64_t* SampleLocation) const override;
    AAX_Result GetCustomTickPosition (int64_t* oTickPosition, int64_t iSampleLocation) const override;
    AAX_Result GetBarBeatPosition (int32_t* Bars, int32_t* Beats, int64_t* DisplayTicks, int64_t SampleLocation) const override;
    AAX_Result GetTicksPerQuarter (uint32_t* ticks) const override;
    AAX_Result GetCurrentTicksPerBeat (uint32_t* ticks) const override;
    AAX_Result GetTimelineSelectionStartPosition (int64_t* oSampleLocation) const override;
    AAX_Result GetTimeCodeInfo (AAX_EFrameRate* oFrameRate, int32_t* oOffset) const override;
    AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* oFeetFramesRate, int64_t* oOffset) const override;
    AAX_Result IsMetronomeEnabled (int32_t* isEnabled) const override;
    AAX_Result GetHDTimeCodeInfo (AAX_EFrameRate* oHDFrameRate, int64_t* oHDOffset) const override;

private:
    ACFPtr<AAX_IACFTransport> mITransport;
    ACFPtr<AAX_IACFTransport_V2> mITransportV2;
    ACFPtr<AAX_IACFTransport_V3> mITransportV3;
};
