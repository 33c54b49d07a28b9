#pragma once

#include "AAX_Callbacks.h"
#include "AAX_IDma.h"
#include "AAX_IPropertyMap.h"

/** The description of one algorithm component: its context fields and process procedures. */
class AAX_IComponentDescriptor
{
public:
    virtual ~AAX_IComponentDescriptor() = default;

    virtual AAX_Result Clear() = 0;
    virtual AAX_Result AddAudioIn (AAX_CFieldIndex inFieldIndex) = 0;
    virtual AAX_Result AddAudioOut (AAX_CFieldIndex inFieldIndex) = 0;
    virtual AAX_Result AddAudioBufferLength (AAX_CFieldIndex inFieldIndex) = 0;
    virtual AAX_Result AddSampleRate (AAX_CFieldIndex inFieldIndex) = 0;
    virtual AAX_Result AddClock (AAX_CFieldIndex inFieldIndex) = 0;
    virtual AAX_Result AddSideChainIn (AAX_CFieldIndex inFieldIndex) = 0;
    virtual AAX_Result AddDataInPort (AAX_CFieldIndex inFieldIndex, uint32_t inPacketSize,
                                      AAX_EDataInPortType inPortType = AAX_eDataInPortType_Buffered) = 0;
    virtual AAX_Result AddAuxOutputStem (AAX_CFieldIndex inFieldIndex, int32_t inStemFormat, const char inNameUTF8[]) = 0;
    virtual AAX_Result AddPrivateData (AAX_CFieldIndex inFieldIndex, uint32_t inDataSize,
                                       uint32_t inOptions = AAX_ePrivateDataOptions_DefaultOptions) = 0;
    virtual AAX_Result AddTemporaryData (AAX_CFieldIndex inFieldIndex, uint32_t inDataElementSize) = 0;
    virtual AAX_Result AddDmaInstance (AAX_CFieldIndex inFieldIndex, AAX_IDma::EMode inDmaMode) = 0;
    virtual AAX_Result AddMeters (AAX_CFieldIndex inFieldIndex, const AAX_CTypeID* inMeterIDs, uint32_t inMeterCount) = 0;
    virtual AAX_Result AddMIDINode (AAX_CFieldIndex inFieldIndex, AAX_EMIDINodeType inNodeType,
                                    const char inNodeName[], uint32_t inChannelMask) = 0;
    virtual AAX_Result AddReservedField (AAX_CFieldIndex inFieldIndex, uint32_t inFieldType) = 0;
    /** A new map owned by this descriptor; null when the host offers none. */
    virtual AAX_IPropertyMap* NewPropertyMap() const = 0;
    /** A new map owned by this descriptor with every property of inPropertyMap. */
    virtual AAX_IPropertyMap* DuplicatePropertyMap (AAX_IPropertyMap* inPropertyMap) const = 0;
    virtual AAX_Result AddProcessProc_Native (AAX_CProcessProc inProcessProc, AAX_IPropertyMap* inProperties,
                                              AAX_CInstanceInitProc inInstanceInitProc,
                                              AAX_CBackgroundProc inBackgroundProc, AAX_CSelector* outProcID) = 0;
    virtual AAX_Result AddProcessProc_TI (const char inDLLFileNameUTF8[], const char inProcessProcSymbol[],
                                          AAX_IPropertyMap* inProperties, const char inInstanceInitProcSymbol[],
                                          const char inBackgroundProcSymbol[], AAX_CSelector* outProcID) = 0;
    /** Registers every procedure that inProperties names; writes the IDs and a 0 terminator. */
    virtual AAX_Result AddProcessProc (AAX_IPropertyMap* inProperties, AAX_CSelector* outProcIDs,
                                       int32_t inProcIDsSize) = 0;

    /** The typed form of AddProcessProc_Native for procedures over a concrete context type. */
    template <typename aContextType>
    AAX_Result AddProcessProc_Native (void (AAX_CALLBACK* inProcessProc) (aContextType* const inInstancesBegin[], const void* const inInstancesEnd),
                                      AAX_IPropertyMap* inProperties = nullptr,
                                      int32_t (AAX_CALLBACK* inInstanceInitProc) (const aContextType* inInstanceContextPtr,
                                                                                 AAX_EComponentInstanceInitAction inAction) = nullptr,
                                      AAX_CBackgroundProc inBackgroundProc = nullptr,
                                      AAX_CSelector* outProcID = nullptr)
    {
        return AddProcessProc_Native (reinterpret_cast<AAX_CProcessProc> (inProcessProc), inProperties,
                                      reinterpret_cast<AAX_CInstanceInitProc> (inInstanceInitProc),
                                      inBackgroundProc, outProcID);
    }
};
