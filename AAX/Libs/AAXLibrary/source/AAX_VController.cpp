#include "AAX_VController.h"

#include "AAX_VPageTable.h"
#include "AAX_VWrapperSupport.h"

using namespace AAX_VWrapperSupport;

namespace
{
    /** The table copies: into an empty host page table made through the host's factory (none
        without one), handed to the caller as a wrapper; null without the page-table controller
        version, without a table or when the copy fails. */
    template <class PageTableController, class Copy>
    AAX_IPageTable* copyTable (const ACFPtr<IACFComponentFactory>& factory, const ACFPtr<PageTableController>& controller,
                               Copy&& copy)
    {
        if (controller.isNull())
            return nullptr;

        ACFPtr<IACFUnknown> table;
        if (! factory.isNull())
            CreateHostObject (factory, AAXCompID_PageTable, IID_IAAXPageTableV2, table);

        const AAX_Result result = copy (*controller.get(), table.get());
        if (table.isNull() || result != AAX_SUCCESS)
            return nullptr;

        return new AAX_VPageTable (table.get());
    }
}

AAX_VController::AAX_VController (IACFUnknown* pUnknown)
{
    QueryHostObject (pUnknown, IID_IAAXControllerV1, mIController);
    QueryHostObject (pUnknown, IID_IAAXControllerV2, mIControllerV2);
    QueryHostObject (pUnknown, IID_IAAXControllerV3, mIControllerV3);
    QueryHostObject (pUnknown, IID_IAAXPageTableController, mIPageTableController);
    QueryHostObject (pUnknown, IID_IAAXPageTableControllerV2, mIPageTableControllerV2);

    // Only the page-table copies use the factory. The controller is made while the host
    // initialises an instance, where no exported function would catch an exception, so a
    // factory query that succeeds without a factory leaves none, as a failed one does.
    QueryHostObject (pUnknown, IID_IACFComponentFactory, mComponentFactory);
}

AAX_VController::~AAX_VController() = default;

AAX_Result AAX_VController::GetEffectID (AAX_IString* oEffectID) const
{
    return Forward (mIController, kNoHostObject, &AAX_IACFController::GetEffectID, oEffectID);
}

AAX_Result AAX_VController::GetSampleRate (AAX_CSampleRate* oSampleRate) const
{
    return Forward (mIController, kNoHostObject, &AAX_IACFController::GetSampleRate, oSampleRate);
}

AAX_Result AAX_VController::GetInputStemFormat (AAX_EStemFormat* oInputStemFormat) const
{
    return Forward (mIController, kNoHostObject, &AAX_IACFController::GetInputStemFormat, oInputStemFormat);
}

AAX_Result AAX_VController::GetOutputStemFormat (AAX_EStemFormat* oOutputStemFormat) const
{
    return Forward (mIController, kNoHostObject, &AAX_IACFController::GetOutputStemFormat, oOutputStemFormat);
}

AAX_Result AAX_VController::GetSignalLatency (int32_t* oSamples) const
{
    return Forward (mIController, kNoHostObject, &AAX_IACFController::GetSignalLatency, oSamples);
}

AAX_Result AAX_VController::GetCycleCount (AAX_EProperty iWhichCycleCount, AAX_CPropertyValue* oNumCycles) const
{
    return Forward (mIController, kNoHostObject, &AAX_IACFController::GetCycleCount, iWhichCycleCount, oNumCycles);
}

AAX_Result AAX_VController::GetTODLocation (AAX_CTimeOfDay* oTODLocation) const
{
    return Forward (mIController, kNoHostObject, &AAX_IACFController::GetTODLocation, oTODLocation);
}

AAX_Result AAX_VController::SetSignalLatency (int32_t iNumSamples)
{
    return Forward (mIController, kNoHostObject, &AAX_IACFController::SetSignalLatency, iNumSamples);
}

AAX_Result AAX_VController::SetCycleCount (AAX_EProperty* iWhichCycleCounts, AAX_CPropertyValue* iValues, int32_t iNumValues)
{
    return Forward (mIController, kNoHostObject, &AAX_IACFController::SetCycleCount, iWhichCycleCounts, iValues,
                    iNumValues);
}

AAX_Result AAX_VController::PostPacket (AAX_CFieldIndex iFieldIndex, const void* iPayloadP, uint32_t iPayloadSize)
{
    return Forward (mIController, kNoHostObject, &AAX_IACFController::PostPacket, iFieldIndex, iPayloadP,
                    iPayloadSize);
}

AAX_Result AAX_VController::SendNotification (AAX_CTypeID iNotificationType, const void* iNotificationData,
                                              uint32_t iNotificationDataSize)
{
    return Forward (mIControllerV2, kNotImplementedByHost, &AAX_IACFController_V2::SendNotification,
                    iNotificationType, iNotificationData, iNotificationDataSize);
}

AAX_Result AAX_VController::SendNotification (AAX_CTypeID iNotificationType)
{
    return SendNotification (iNotificationType, nullptr, 0);
}

AAX_Result AAX_VController::GetCurrentMeterValue (AAX_CTypeID iMeterID, float* oMeterValue) const
{
    return Forward (mIController, kNoHostObject, &AAX_IACFController::GetCurrentMeterValue, iMeterID, oMeterValue);
}

AAX_Result AAX_VController::GetMeterPeakValue (AAX_CTypeID iMeterID, float* oMeterPeakValue) const
{
    return Forward (mIController, kNoHostObject, &AAX_IACFController::GetMeterPeakValue, iMeterID, oMeterPeakValue);
}

AAX_Result AAX_VController::ClearMeterPeakValue (AAX_CTypeID iMeterID) const
{
    return Forward (mIController, kNoHostObject, &AAX_IACFController::ClearMeterPeakValue, iMeterID);
}

AAX_Result AAX_VController::GetMeterCount (uint32_t* oMeterCount) const
{
    return Forward (mIController, kNoHostObject, &AAX_IACFController::GetMeterCount, oMeterCount);
}

AAX_Result AAX_VController::GetMeterClipped (AAX_CTypeID iMeterID, AAX_CBoolean* oClipped) const
{
    return Forward (mIController, kNoHostObject, &AAX_IACFController::GetMeterClipped, iMeterID, oClipped);
}

AAX_Result AAX_VController::ClearMeterClipped (AAX_CTypeID iMeterID) const
{
    return Forward (mIController, kNoHostObject, &AAX_IACFController::ClearMeterClipped, iMeterID);
}

AAX_Result AAX_VController::GetNextMIDIPacket (AAX_CFieldIndex* oPort, AAX_CMidiPacket* oPacket)
{
    return Forward (mIController, kNoHostObject, &AAX_IACFController::GetNextMIDIPacket, oPort, oPacket);
}

AAX_Result AAX_VController::GetHybridSignalLatency (int32_t* oSamples) const
{
    return Forward (mIControllerV2, kNotImplementedByHost, &AAX_IACFController_V2::GetHybridSignalLatency, oSamples);
}

AAX_Result AAX_VController::GetCurrentAutomationTimestamp (AAX_CTransportCounter* oTimestamp) const
{
    if (! mIControllerV2.isNull())
        return mIControllerV2->GetCurrentAutomationTimestamp (oTimestamp);

    // An older host has no time stamps: the caller reads 0.
    if (oTimestamp == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *oTimestamp = 0;
    return kNotImplementedByHost;
}

AAX_Result AAX_VController::GetHostName (AAX_IString* oHostNameString) const
{
    return Forward (mIControllerV2, kNotImplementedByHost, &AAX_IACFController_V2::GetHostName, oHostNameString);
}

AAX_Result AAX_VController::GetPlugInTargetPlatform (AAX_CTargetPlatform* oTargetPlatform) const
{
    return Forward (mIControllerV3, kNotImplementedByHost, &AAX_IACFController_V3::GetPlugInTargetPlatform, oTargetPlatform);
}

AAX_Result AAX_VController::GetIsAudioSuite (AAX_CBoolean* oIsAudioSuite) const
{
    return Forward (mIControllerV3, kNotImplementedByHost, &AAX_IACFController_V3::GetIsAudioSuite, oIsAudioSuite);
}

AAX_IPageTable* AAX_VController::CreateTableCopyForEffect (AAX_CPropertyValue inManufacturerID, AAX_CPropertyValue inProductID,
                                                          AAX_CPropertyValue inPlugInID, uint32_t inTableType,
                                                          int32_t inTablePageSize) const
{
    return copyTable (mComponentFactory, mIPageTableController, [&] (const AAX_IACFPageTableController& c, IACFUnknown* table) {
        return c.CopyTableForEffect (inManufacturerID, inProductID, inPlugInID, inTableType, inTablePageSize, table);
    });
}

AAX_IPageTable* AAX_VController::CreateTableCopyForLayout (const char* inEffectID, const char* inLayoutName,
                                                          uint32_t inTableType, int32_t inTablePageSize) const
{
    return copyTable (mComponentFactory, mIPageTableController, [&] (const AAX_IACFPageTableController& c, IACFUnknown* table) {
        return c.CopyTableOfLayoutForEffect (inEffectID, inLayoutName, inTableType, inTablePageSize, table);
    });
}

AAX_IPageTable* AAX_VController::CreateTableCopyForEffectFromFile (const char* inPageTableFilePath,
                                                                  AAX_ETextEncoding inFilePathEncoding,
                                                                  AAX_CPropertyValue inManufacturerID,
                                                                  AAX_CPropertyValue inProductID,
                                                                  AAX_CPropertyValue inPlugInID, uint32_t inTableType,
                                                                  int32_t inTablePageSize) const
{
    return copyTable (mComponentFactory, mIPageTableControllerV2, [&] (const AAX_IACFPageTableController_V2& c, IACFUnknown* table) {
        return c.CopyTableForEffectFromFile (inPageTableFilePath, inFilePathEncoding, inManufacturerID, inProductID,
                                             inPlugInID, inTableType, inTablePageSize, table);
    });
}

AAX_IPageTable* AAX_VController::CreateTableCopyForLayoutFromFile (const char* inPageTableFilePath,
                                                                  AAX_ETextEncoding inFilePathEncoding,
                                                                  const char* inLayoutName, uint32_t inTableType,
                                                                  int32_t inTablePageSize) const
{
    return copyTable (mComponentFactory, mIPageTableControllerV2, [&] (const AAX_IACFPageTableController_V2& c, IACFUnknown* table) {
        return c.CopyTableOfLayoutFromFile (inPageTableFilePath, inFilePathEncoding, inLayoutName, inTableType,
                                            inTablePageSize, table);
    });
}
