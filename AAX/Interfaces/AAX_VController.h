#pragma once

#include "ACFPtr.h"
#include "AAX_IACFController.h"
#include "AAX_IACFPageTableController.h"
#include "AAX_IController.h"

/** Forwards the instance's controller calls to the newest host controller version that has
    each operation. Made by the initialisation of the data-model and GUI objects. */
class AAX_VController : public AAX_IController
{
public:
    explicit AAX_VController (IACFUnknown* pUnknown);
    ~AAX_VController() override;

    AAX_Result GetEffectID (AAX_IString* oEffectID) const override;
    AAX_Result GetSampleRate (AAX_CSampleRate* oSampleRate) const override;
    AAX_Result GetInputStemFormat (AAX_EStemFormat* oInputStemFormat) const override;
    AAX_Result GetOutputStemFormat (AAX_EStemFormat* oOutputStemFormat) const override;
    AAX_Result GetSignalLatency (int32_t* oSamples) const override;
    AAX_Result GetCycleCount (AAX_EProperty iWhichCycleCount, AAX_CPropertyValue* oNumCycles) const override;
    AAX_Result GetTODLocation (AAX_CTimeOfDay* oTODLocation) const override;
    AAX_Result SetSignalLatency (int32_t iNumSamples) override;
    AAX_Result SetCycleCount (AAX_EProperty* iWhichCycleCounts, AAX_CPropertyValue* iValues, int32_t iNumValues) override;
    AAX_Result PostPacket (AAX_CFieldIndex iFieldIndex, const void* iPayloadP, uint32_t iPayloadSize) override;
    AAX_Result SendNotification (AAX_CTypeID iNotificationType, const void* iNotificationData, uint32_t iNotificationDataSize) override;
    AAX_Result SendNotification (AAX_CTypeID iNotificationType) override;
    AAX_Result GetCurrentMeterValue (AAX_CTypeID iMeterID, float* oMeterValue) const override;
    AAX_Result GetMeterPeakValue (AAX_CTypeID iMeterID, float* oMeterPeakValue) const override;
    AAX_Result ClearMeterPeakValue (AAX_CTypeID iMeterID) const override;
    AAX_Result GetMeterCount (uint32_t* oMeterCount) const override;
    AAX_Result GetMeterClipped (AAX_CTypeID iMeterID, AAX_CBoolean* oClipped) const override;
    AAX_Result ClearMeterClipped (AAX_CTypeID iMeterID) const override;
    AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* oPort, AAX_CMidiPacket* oPacket) override;
    AAX_Result GetHybridSignalLatency (int32_t* oSamples) const override;
    AAX_Result GetCurrentAutomationTimestamp (AAX_CTransportCounter* oTimestamp) const override;
    AAX_Result GetHostName (AAX_IString* oHostNameString) const override;
    AAX_Result GetPlugInTargetPlatform (AAX_CTargetPlatform* oTargetPlatform) const override;
    AAX_Result GetIsAudioSuite (AAX_CBoolean* oIsAudioSuite) const override;
    AAX_IPageTable* CreateTableCopyForEffect (AAX_CPropertyValue inManufacturerID, AAX_CPropertyValue inProductID,
                                              AAX_CPropertyValue inPlugInID, uint32_t inTableType,
                                              int32_t inTablePageSize) const override;
    AAX_IPageTable* CreateTableCopyForLayout (const char* inEffectID, const char* inLayoutName,
                                              uint32_t inTableType, int32_t inTablePageSize) const override;
    AAX_IPageTable* CreateTableCopyForEffectFromFile (const char* inPageTableFilePath, AAX_ETextEncoding inFilePathEncoding,
                                                      AAX_CPropertyValue inManufacturerID, AAX_CPropertyValue inProductID,
                                                      AAX_CPropertyValue inPlugInID, uint32_t inTableType,
                                                      int32_t inTablePageSize) const override;
    AAX_IPageTable* CreateTableCopyForLayoutFromFile (const char* inPageTableFilePath, AAX_ETextEncoding inFilePathEncoding,
                                                      const char* inLayoutName, uint32_t inTableType,
                                                      int32_t inTablePageSize) const override;

private:
    ACFPtr<AAX_IACFController> mIController;
    ACFPtr<AAX_IACFController_V2> mIControllerV2;
    ACFPtr<AAX_IACFController_V3> mIControllerV3;
    ACFPtr<AAX_IACFPageTableController> mIPageTableController;
    ACFPtr<AAX_IACFPageTableController_V2> mIPageTableControllerV2;
    ACFPtr<IACFComponentFactory> mComponentFactory;
};
