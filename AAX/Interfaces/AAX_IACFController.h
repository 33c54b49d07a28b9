#pragma once

#include "AAX_ACF.h"
#include "AAX_Enums.h"
#include "AAX_IString.h"

/** The host's controller of one instance, first version. */
class AAX_IACFController : public IACFUnknown
{
public:
    virtual AAX_Result GetEffectID (AAX_IString* oEffectID) const = 0;
    virtual AAX_Result GetSampleRate (AAX_CSampleRate* oSampleRate) const = 0;
    virtual AAX_Result GetInputStemFormat (AAX_EStemFormat* oInputStemFormat) const = 0;
    virtual AAX_Result GetOutputStemFormat (AAX_EStemFormat* oOutputStemFormat) const = 0;
    virtual AAX_Result GetSignalLatency (int32_t* oSamples) const = 0;
    virtual AAX_Result GetCycleCount (AAX_EProperty iWhichCycleCount, AAX_CPropertyValue* oNumCycles) const = 0;
    virtual AAX_Result GetTODLocation (AAX_CTimeOfDay* oTODLocation) const = 0;
    virtual AAX_Result SetSignalLatency (int32_t iNumSamples) = 0;
    virtual AAX_Result SetCycleCount (AAX_EProperty* iWhichCycleCounts, AAX_CPropertyValue* iValues, int32_t iNumValues) = 0;
    virtual AAX_Result PostPacket (AAX_CFieldIndex iFieldIndex, const void* iPayloadP, uint32_t iPayloadSize) = 0;
    virtual AAX_Result GetCurrentMeterValue (AAX_CTypeID iMeterID, float* oMeterValue) const = 0;
    virtual AAX_Result GetMeterPeakValue (AAX_CTypeID iMeterID, float* oMeterPeakValue) const = 0;
    virtual AAX_Result ClearMeterPeakValue (AAX_CTypeID iMeterID) const = 0;
    virtual AAX_Result GetMeterCount (uint32_t* oMeterCount) const = 0;
    virtual AAX_Result GetMeterClipped (AAX_CTypeID iMeterID, AAX_CBoolean* oClipped) const = 0;
    virtual AAX_Result ClearMeterClipped (AAX_CTypeID iMeterID) const = 0;
    virtual AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* oPort, AAX_CMidiPacket* oPacket) = 0;

protected:
    ~AAX_IACFController() = default;
};

/** Second version: notifications, hybrid latency, automation time stamps and the host's name. */
class AAX_IACFController_V2 : public AAX_IACFController
{
public:
    virtual AAX_Result SendNotification (AAX_CTypeID iNotificationType, const void* iNotificationData, uint32_t iNotificationDataSize) = 0;
    virtual AAX_Result GetHybridSignalLatency (int32_t* oSamples) const = 0;
    virtual AAX_Result GetCurrentAutomationTimestamp (AAX_CTransportCounter* oTimestamp) const = 0;
    virtual AAX_Result GetHostName (AAX_IString* oHostNameString) const = 0;

protected:
    ~AAX_IACFController_V2() = default;
};

/** Third version: target platform and AudioSuite state. */
class AAX_IACFController_V3 : public AAX_IACFController_V2
{
public:
    virtual AAX_Result GetPlugInTargetPlatform (AAX_CTargetPlatform* oTargetPlatform) const = 0;
    virtual AAX_Result GetIsAudioSuite (AAX_CBoolean* oIsAudioSuite) const = 0;

protected:
    ~AAX_IACFController_V3() = default;
};
