#include "AAX_VTransport.h"

#include "AAX_VWrapperSupport.h"

using namespace AAX_VWrapperSupport;

AAX_VTransport::AAX_VTransport (IACFUnknown* pUnknown)
{
    QueryHostObject (pUnknown, IID_IAAXTransportV1, mITransport);
    QueryHostObject (pUnknown, IID_IAAXTransportV2, mITransportV2);
    QueryHostObject (pUnknown, IID_IAAXTransportV3, mITransportV3);
}

AAX_VTransport::~AAX_VTransport() = default;

AAX_Result AAX_VTransport::GetCurrentTempo (double* TempoBPM) const
{
    return Forward (mITransport, kNoHostObject, &AAX_IACFTransport::GetCurrentTempo, TempoBPM);
}

AAX_Result AAX_VTransport::GetCurrentMeter (int32_t* MeterNumerator, int32_t* MeterDenominator) const
{
    return Forward (mITransport, kNoHostObject, &AAX_IACFTransport::GetCurrentMeter, MeterNumerator,
                    MeterDenominator);
}

AAX_Result AAX_VTransport::IsTransportPlaying (bool* isPlaying) const
{
    return Forward (mITransport, kNoHostObject, &AAX_IACFTransport::IsTransportPlaying, isPlaying);
}

AAX_Result AAX_VTransport::GetCurrentTickPosition (int64_t* TickPosition) const
{
    return Forward (mITransport, kNoHostObject, &AAX_IACFTransport::GetCurrentTickPosition, TickPosition);
}

AAX_Result AAX_VTransport::GetCurrentLoopPosition (bool* bLooping, int64_t* LoopStartTick, int64_t* LoopEndTick) const
{
    return Forward (mITransport, kNoHostObject, &AAX_IACFTransport::GetCurrentLoopPosition, bLooping, LoopStartTick,
                    LoopEndTick);
}

AAX_Result AAX_VTransport::GetCurrentNativeSampleLocation (int64_t* SampleLocation) const
{
    return Forward (mITransport, kNoHostObject, &AAX_IACFTransport::GetCurrentNativeSampleLocation, SampleLocation);
}

AAX_Result AAX_VTransport::GetCustomTickPosition (int64_t* oTickPosition, int64_t iSampleLocation) const
{
    return Forward (mITransport, kNoHostObject, &AAX_IACFTransport::GetCustomTickPosition, oTickPosition,
                    iSampleLocation);
}

AAX_Result AAX_VTransport::GetBarBeatPosition (int32_t* Bars, int32_t* Beats, int64_t* DisplayTicks,
                                               int64_t SampleLocation) const
{
    return Forward (mITransport, kNoHostObject, &AAX_IACFTransport::GetBarBeatPosition, Bars, Beats, DisplayTicks,
                    SampleLocation);
}

AAX_Result AAX_VTransport::GetTicksPerQuarter (uint32_t* ticks) const
{
    return Forward (mITransport, kNoHostObject, &AAX_IACFTransport::GetTicksPerQuarter, ticks);
}

AAX_Result AAX_VTransport::GetCurrentTicksPerBeat (uint32_t* ticks) const
{
    return Forward (mITransport, kNoHostObject, &AAX_IACFTransport::GetCurrentTicksPerBeat, ticks);
}

AAX_Result AAX_VTransport::GetTimelineSelectionStartPosition (int64_t* oSampleLocation) const
{
    return Forward (mITransportV2, kNotImplementedByHost, &AAX_IACFTransport_V2::GetTimelineSelectionStartPosition,
                    oSampleLocation);
}

AAX_Result AAX_VTransport::GetTimeCodeInfo (AAX_EFrameRate* oFrameRate, int32_t* oOffset) const
{
    return Forward (mITransportV2, kNotImplementedByHost, &AAX_IACFTransport_V2::GetTimeCodeInfo, oFrameRate, oOffset);
}

AAX_Result AAX_VTransport::GetFeetFramesInfo (AAX_EFeetFramesRate* oFeetFramesRate, int64_t* oOffset) const
{
    return Forward (mITransportV2, kNotImplementedByHost, &AAX_IACFTransport_V2::GetFeetFramesInfo, oFeetFramesRate, oOffset);
}

AAX_Result AAX_VTransport::IsMetronomeEnabled (int32_t* isEnabled) const
{
    return Forward (mITransportV2, kNotImplementedByHost, &AAX_IACFTransport_V2::IsMetronomeEnabled, isEnabled);
}

AAX_Result AAX_VTransport::GetHDTimeCodeInfo (AAX_EFrameRate* oHDFrameRate, int64_t* oHDOffset) const
{
    return Forward (mITransportV3, kNotImplementedByHost, &AAX_IACFTransport_V3::GetHDTimeCodeInfo, oHDFrameRate, oHDOffset);
}
