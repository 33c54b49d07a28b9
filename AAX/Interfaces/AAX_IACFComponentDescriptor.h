#pragma once

#include "AAX_ACF.h"
#include "AAX_Callbacks.h"
#include "AAX_IDma.h"

/** The host's description of one algorithm component (its context fields and procedures). */
class AAX_IACFComponentDescriptor : public IACFUnknown
{
public:
    virtual AAX_Result Clear() = 0;
    virtual AAX_Result AddAudioIn (AAX_CFieldIndex inFieldIndex) = 0;
    virtual AAX_Result AddAudioOut (AAX_CFieldIndex inFieldIndex) = 0;
    virtual AAX_Result AddAudioBufferLength (AAX_CFieldIndex inFieldIndex) = 0;
    virtual AAX_Result AddSampleRate (AAX_CFieldIndex inFieldIndex) = 0;
    virtual AAX_Result AddClock (AAX_CFieldIndex inFieldIndex) = 0;
    virtual AAX_Result AddSideChainIn (AAX_CFieldIndex inFieldIndex) = 0;
    virtual AAX_Result AddDataInPort (AAX_CFieldIndex inFieldIndex, uint32_t inPacketSize, AAX_EDataInPortType inPortType) = 0;
    virtual AAX_Result AddAuxOutputStem (AAX_CFieldIndex inFieldIndex, int32_t inStemFormat, const char inNameUTF8[]) = 0;
    virtual AAX_Result AddPrivateData (AAX_CFieldIndex inFieldIndex, uint32_t inDataSize, uint32_t inOptions) = 0;
    virtual AAX_Result AddDmaInstance (AAX_CFieldIndex inFieldIndex, AAX_IDma::EMode inDmaMode) = 0;
    virtual AAX_Result AddMeters (AAX_CFieldIndex inFieldIndex, const AAX_CTypeID* inMeterIDs, uint32_t inMeterCount) = 0;
    virtual AAX_Result AddMIDINode (AAX_CFieldIndex inFieldIndex, AAX_EMIDINodeType inNodeType,
                                    const char inNodeName[], uint32_t inChannelMask) = 0;
    virtual AAX_Result AddReservedField (AAX_CFieldIndex inFieldIndex, uint32_t inFieldType) = 0;
    virtual AAX_Result AddProcessProc_Native (AAX_CProcessProc inProcessProc, IACFUnknown* inProperties,
                                              AAX_CInstanceInitProc inInstanceInitProc,
                                              AAX_CBackgroundProc inBackgroundProc, AAX_CSelector* outProcID) = 0;
    virtual AAX_Result AddProcessProc_TI (const char inDLLFileNameUTF8[], const char inProcessProcSymbol[],
                                          IACFUnknown* inProperties, const char inInstanceInitProcSymbol[],
                                          const char inBackgroundProcSymbol[], AAX_CSelector* outProcID) = 0;

protected:
    ~AAX_IACFComponentDescriptor() = default;
};

/** Second version: temporary data fields. */
class AAX_IACFComponentDescriptor_V2 : public AAX_IACFComponentDescriptor
{
public:
    virtual AAX_Result AddTemporaryData (AAX_CFieldIndex inFieldIndex, uint32_t inDataElementSize) = 0;

protected:
    ~AAX_IACFComponentDescriptor_V2() = default;
};

/** Third version: registers every process procedure that a property map names in one call. */
class AAX_IACFComponentDescriptor_V3 : public AAX_IACFComponentDescriptor_V2
{
public:
    virtual AAX_Result AddProcessProc (IACFUnknown* inProperties, AAX_CSelector* outProcIDs, int32_t inProcIDsSize) = 0;

protected:
    ~AAX_IACFComponentDescriptor_V3() = default;
};
