#pragma once

#include "AAX_CChunkDataParser.h"
#include "AAX_CPacketDispatcher.h"
#include "AAX_CParameter.h"
#include "AAX_CParameterManager.h"
#include "AAX_IController.h"
#include "AAX_IEffectParameters.h"
#include "AAX_ITransport.h"

#include <atomic>
#include <memory>
#include <set>
#include <string>

class AAX_IPageTable;
class AAX_VAutomationDelegate;
class AAX_VController;
class AAX_VTransport;

/** The ID of the master bypass parameter: reported by GetMasterBypassParameter and never
    stored in the library chunk. */
inline constexpr char cDefaultMasterBypassID[] = "MasterBypassID";

/** The data-model object of one instance as the host sees it. Answers every parameter call of
    the host through the parameter manager, routes value changes through the host's automation,
    marks coefficient packets dirty, counts changes and carries the library's 'elck' chunk.
    The host may call it on several threads; only the packet dispatcher locks. */
class AAX_CEffectParameters : public AAX_IEffectParameters
{
public:
    AAX_CEffectParameters();
    ~AAX_CEffectParameters() override;

    AAX_CEffectParameters (const AAX_CEffectParameters&) = delete;
    AAX_CEffectParameters& operator= (const AAX_CEffectParameters&) = delete;

    // The host interface, in vtable order.

    /** Once until Uninitialize: a second Initialize is refused with
        kAAX_Result_AlreadyInitialized and changes nothing. */
    AAX_Result Initialize (IACFUnknown* iController) override;
    AAX_Result Uninitialize() override;
    AAX_Result NotificationReceived (AAX_CTypeID inNotificationType, const void* inNotificationData,
                                     uint32_t inNotificationDataSize) override;

    AAX_Result GetNumberOfParameters (int32_t* oNumControls) const override;
    AAX_Result GetMasterBypassParameter (AAX_IString* oIDString) const override;
    AAX_Result GetParameterIsAutomatable (AAX_CParamID iParameterID, AAX_CBoolean* oAutomatable) const override;
    AAX_Result GetParameterNumberOfSteps (AAX_CParamID iParameterID, int32_t* oNumSteps) const override;
    AAX_Result GetParameterName (AAX_CParamID iParameterID, AAX_IString* oName) const override;
    AAX_Result GetParameterNameOfLength (AAX_CParamID iParameterID, AAX_IString* oName, int32_t iNameLength) const override;
    AAX_Result GetParameterDefaultNormalizedValue (AAX_CParamID iParameterID, double* oValue) const override;
    AAX_Result SetParameterDefaultNormalizedValue (AAX_CParamID iParameterID, double iValue) override;
    AAX_Result GetParameterType (AAX_CParamID iParameterID, AAX_EParameterType* oParameterType) const override;
    AAX_Result GetParameterOrientation (AAX_CParamID iParameterID, AAX_EParameterOrientation* oParameterOrientation) const override;
    AAX_Result GetParameter (AAX_CParamID iParameterID, AAX_IParameter** oParameter) override;
    AAX_Result GetParameterIndex (AAX_CParamID iParameterID, int32_t* oControlIndex) const override;
    AAX_Result GetParameterIDFromIndex (int32_t iControlIndex, AAX_IString* oParameterIDString) const override;
    AAX_Result GetParameterValueInfo (AAX_CParamID iParameterID, int32_t iSelector, int32_t* oValue) const override;
    AAX_Result GetParameterValueFromString (AAX_CParamID iParameterID, double* oValue, const AAX_IString& iValueString) const override;
    AAX_Result GetParameterStringFromValue (AAX_CParamID iParameterID, double iValue, AAX_IString* oValueString,
                                            int32_t iMaxLength) const override;
    AAX_Result GetParameterValueString (AAX_CParamID iParameterID, AAX_IString* oValueString, int32_t iMaxLength) const override;
    AAX_Result GetParameterNormalizedValue (AAX_CParamID iParameterID, double* oValuePtr) const override;
    AAX_Result SetParameterNormalizedValue (AAX_CParamID iParameterID, double iValue) override;
    AAX_Result SetParameterNormalizedRelative (AAX_CParamID iParameterID, double iValue) override;

    AAX_Result TouchParameter (AAX_CParamID iParameterID) override;
    AAX_Result ReleaseParameter (AAX_CParamID iParameterID) override;
    AAX_Result UpdateParameterTouch (AAX_CParamID iParameterID, AAX_CBoolean iTouchState) override;
    AAX_Result UpdateParameterNormalizedValue (AAX_CParamID iParameterID, double iValue, AAX_EUpdateSource iSource) override;
    AAX_Result UpdateParameterNormalizedRelative (AAX_CParamID iParameterID, double iValue) override;

    AAX_Result GenerateCoefficients() override;
    AAX_Result ResetFieldData (AAX_CFieldIndex inFieldIndex, void* oData, uint32_t inDataSize) const override;

    AAX_Result GetNumberOfChunks (int32_t* oNumChunks) const override;
    AAX_Result GetChunkIDFromIndex (int32_t iIndex, AAX_CTypeID* oChunkID) const override;
    AAX_Result GetChunkSize (AAX_CTypeID iChunkID, uint32_t* oSize) const override;
    AAX_Result GetChunk (AAX_CTypeID iChunkID, AAX_SPlugInChunk* oChunk) const override;
    AAX_Result SetChunk (AAX_CTypeID iChunkID, const AAX_SPlugInChunk* iChunk) override;
    AAX_Result CompareActiveChunk (const AAX_SPlugInChunk* iChunkP, AAX_CBoolean* oIsEqual) const override;
    AAX_Result GetNumberOfChanges (int32_t* oNumChanges) const override;

    AAX_Result TimerWakeup() override;
    AAX_Result GetCurveData (AAX_CTypeID iCurveType, const float* iValues, uint32_t iNumValues, float* oValues) const override;
    AAX_Result GetCustomData (AAX_CTypeID iDataBlockID, uint32_t inDataSize, void* oData, uint32_t* oDataWritten) const override;
    AAX_Result SetCustomData (AAX_CTypeID iDataBlockID, uint32_t inDataSize, const void* iData) override;
    AAX_Result DoMIDITransfers() override;

    AAX_Result RenderAudio_Hybrid (AAX_SHybridRenderInfo* ioRenderInfo) override;
    AAX_Result UpdateMIDINodes (AAX_CFieldIndex inFieldIndex, AAX_CMidiPacket& iPacket) override;
    AAX_Result UpdateControlMIDINodes (AAX_CTypeID nodeID, AAX_CMidiPacket& iPacket) override;

    AAX_Result GetCurveDataMeterIds (AAX_CTypeID iCurveType, uint32_t* oXMeterId, uint32_t* oYMeterId) const override;
    AAX_Result GetCurveDataDisplayRange (AAX_CTypeID iCurveType, float* oXMin, float* oXMax,
                                         float* oYMin, float* oYMax) const override;

    AAX_Result UpdatePageTable (uint32_t inTableType, int32_t inTablePageSize, IACFUnknown* iHostUnknown,
                                IACFUnknown* ioPageTableUnknown) const override;

    // Operations for the derived class, after the host interface in vtable order.

    /** Called by Initialize once the host wrappers exist: the derived class adds its parameters. */
    virtual AAX_Result EffectInit();
    /** Fills a page table the host asked to update; AAX_ERROR_UNIMPLEMENTED by default. */
    virtual AAX_Result UpdatePageTable (uint32_t inTableType, int32_t inTablePageSize, AAX_IPageTable& ioPageTable) const;

    // Reached only from the library and the framework's wrapper.

    /** The host wrappers made in Initialize; null before and after. */
    AAX_IController* Controller();
    const AAX_IController* Controller() const;
    AAX_ITransport* Transport();
    const AAX_ITransport* Transport() const;

    /** Leaves the parameter id out of the library chunk (null ignored, repeats stored once). */
    void FilterParameterIDOnSave (AAX_CParamID id);

protected:
    /** Refills the chunk parser with every managed, unfiltered parameter's value. */
    void BuildChunkData() const;

    // Raised by host updates on the automation thread (and by the framework's wrapper), read by
    // GetNumberOfChanges on the host's GUI thread.
    std::atomic<int32_t> mNumPlugInChanges { 0 };
    mutable int32_t mChunkSize = 0;   // the size the last GetChunkSize of the library chunk reported
    mutable AAX_CChunkDataParser mChunkParser;
    int32_t mNumChunkedParameters = 0;
    AAX_CPacketDispatcher mPacketDispatcher;
    AAX_CParameterManager mParameterManager;
    std::set<std::string> mFilteredParameters;

private:
    std::unique_ptr<AAX_VController> mController;
    std::unique_ptr<AAX_VTransport> mTransport;
    std::unique_ptr<AAX_VAutomationDelegate> mAutomationDelegate;
};
