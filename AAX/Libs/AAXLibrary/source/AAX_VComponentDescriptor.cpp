#include "AAX_VComponentDescriptor.h"

#include "AAX_Assert.h"
#include "AAX_VPropertyMap.h"
#include "AAX_VWrapperSupport.h"

#include <algorithm>
#include <vector>

using namespace AAX_VWrapperSupport;

namespace
{
    constexpr const char* kSourcePath = "/Library/SDKs/AAX/Libs/AAXLibrary/source/AAX_VComponentDescriptor";

    void reportAssertion (int32_t line, const char* expression)
    {
        AAX_CHostServices::HandleAssertFailure (kSourcePath, line, expression, kAAX_AssertFlags_Default);
    }

    /** A pointer property of map, or null when it has none; traces missing when it is absent. */
    const void* pointerProperty (const AAX_IPropertyMap& map, AAX_EProperty property, const char* missing = nullptr)
    {
        const void* value = nullptr;
        if (map.GetPointerProperty (property, &value) == 0)
        {
            if (missing != nullptr)
                AAX_CHostServices::Trace (AAX_eTracePriorityHost_High,
                                          "AAX_VComponentDescriptor: ManuallyAddProcessProcs() - no value found for %s", missing);
            return nullptr;
        }
        return value;
    }

    const char* textProperty (const AAX_IPropertyMap& map, AAX_EProperty property, const char* missing = nullptr)
    {
        return static_cast<const char*> (pointerProperty (map, property, missing));
    }

    bool hasProperty (const AAX_IPropertyMap& map, AAX_EProperty property)
    {
        AAX_CPropertyValue value = 0;
        return map.GetProperty (property, &value) != 0;
    }

    /** The map for the native registration, which must not see the audio buffer length: a
        duplicate without it, when the host can make one. */
    AAX_IPropertyMap* mapForNativeRegistration (const AAX_VComponentDescriptor& descriptor, AAX_IPropertyMap& inProperties)
    {
        if (! hasProperty (inProperties, AAX_eProperty_AudioBufferLength))
            return &inProperties;

        AAX_IPropertyMap* duplicate = descriptor.DuplicatePropertyMap (&inProperties);
        if (duplicate == nullptr || duplicate->GetIUnknown() == nullptr)
            return &inProperties;

        if (! hasProperty (*duplicate, AAX_eProperty_AudioBufferLength))
        {
            reportAssertion (86, "0 != gotPropertySuccess");
            return &inProperties;
        }

        const AAX_Result removeNativeAudioBufferLengthResult = duplicate->RemoveProperty (AAX_eProperty_AudioBufferLength);
        if (removeNativeAudioBufferLengthResult != AAX_SUCCESS)
            reportAssertion (90, "AAX_SUCCESS == removeNativeAudioBufferLengthResult");

        return duplicate;
    }

    template <typename Procedure>
    Procedure procedureAt (const void* address)
    {
        return reinterpret_cast<Procedure> (const_cast<void*> (address));
    }
}

AAX_VComponentDescriptor::AAX_VComponentDescriptor (IACFUnknown* inHostUnknown)
    : mUnkHost (inHostUnknown)
{
    CreateHostObject (inHostUnknown, AAXCompID_AAXComponentDescriptor, IID_IAAXComponentDescriptorV1,
                      mIACFComponentDescriptor);
    QueryHostObject (mIACFComponentDescriptor.get(), IID_IAAXComponentDescriptorV2, mIACFComponentDescriptorV2);
    QueryHostObject (mIACFComponentDescriptor.get(), IID_IAAXComponentDescriptorV3, mIACFComponentDescriptorV3);
}

AAX_VComponentDescriptor::~AAX_VComponentDescriptor()
{
    DeleteOwned (mPropertyMaps);
}

AAX_Result AAX_VComponentDescriptor::Clear()
{
    return Forward (mIACFComponentDescriptor, kNoHostObject, &AAX_IACFComponentDescriptor::Clear);
}

AAX_Result AAX_VComponentDescriptor::AddAudioIn (AAX_CFieldIndex inFieldIndex)
{
    return Forward (mIACFComponentDescriptor, kNoHostObject, &AAX_IACFComponentDescriptor::AddAudioIn, inFieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddAudioOut (AAX_CFieldIndex inFieldIndex)
{
    return Forward (mIACFComponentDescriptor, kNoHostObject, &AAX_IACFComponentDescriptor::AddAudioOut, inFieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddAudioBufferLength (AAX_CFieldIndex inFieldIndex)
{
    return Forward (mIACFComponentDescriptor, kNoHostObject, &AAX_IACFComponentDescriptor::AddAudioBufferLength,
                    inFieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddSampleRate (AAX_CFieldIndex inFieldIndex)
{
    return Forward (mIACFComponentDescriptor, kNoHostObject, &AAX_IACFComponentDescriptor::AddSampleRate,
                    inFieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddClock (AAX_CFieldIndex inFieldIndex)
{
    return Forward (mIACFComponentDescriptor, kNoHostObject, &AAX_IACFComponentDescriptor::AddClock, inFieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddSideChainIn (AAX_CFieldIndex inFieldIndex)
{
    return Forward (mIACFComponentDescriptor, kNoHostObject, &AAX_IACFComponentDescriptor::AddSideChainIn,
                    inFieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddDataInPort (AAX_CFieldIndex inFieldIndex, uint32_t inPacketSize,
                                                    AAX_EDataInPortType inPortType)
{
    return Forward (mIACFComponentDescriptor, kNoHostObject, &AAX_IACFComponentDescriptor::AddDataInPort,
                    inFieldIndex, inPacketSize, inPortType);
}

AAX_Result AAX_VComponentDescriptor::AddAuxOutputStem (AAX_CFieldIndex inFieldIndex, int32_t inStemFormat,
                                                       const char inNameUTF8[])
{
    return Forward (mIACFComponentDescriptor, kNoHostObject, &AAX_IACFComponentDescriptor::AddAuxOutputStem,
                    inFieldIndex, inStemFormat, inNameUTF8);
}

AAX_Result AAX_VComponentDescriptor::AddPrivateData (AAX_CFieldIndex inFieldIndex, uint32_t inDataSize, uint32_t inOptions)
{
    return Forward (mIACFComponentDescriptor, kNoHostObject, &AAX_IACFComponentDescriptor::AddPrivateData,
                    inFieldIndex, inDataSize, inOptions);
}

AAX_Result AAX_VComponentDescriptor::AddTemporaryData (AAX_CFieldIndex inFieldIndex, uint32_t inDataElementSize)
{
    return Forward (mIACFComponentDescriptorV2, kNotImplementedByHost, &AAX_IACFComponentDescriptor_V2::AddTemporaryData,
                    inFieldIndex, inDataElementSize);
}

AAX_Result AAX_VComponentDescriptor::AddDmaInstance (AAX_CFieldIndex inFieldIndex, AAX_IDma::EMode inDmaMode)
{
    return Forward (mIACFComponentDescriptor, kNoHostObject, &AAX_IACFComponentDescriptor::AddDmaInstance,
                    inFieldIndex, inDmaMode);
}

AAX_Result AAX_VComponentDescriptor::AddMeters (AAX_CFieldIndex inFieldIndex, const AAX_CTypeID* inMeterIDs,
                                                uint32_t inMeterCount)
{
    return Forward (mIACFComponentDescriptor, kNoHostObject, &AAX_IACFComponentDescriptor::AddMeters,
                    inFieldIndex, inMeterIDs, inMeterCount);
}

AAX_Result AAX_VComponentDescriptor::AddMIDINode (AAX_CFieldIndex inFieldIndex, AAX_EMIDINodeType inNodeType,
                                                  const char inNodeName[], uint32_t inChannelMask)
{
    return Forward (mIACFComponentDescriptor, kNoHostObject, &AAX_IACFComponentDescriptor::AddMIDINode,
                    inFieldIndex, inNodeType, inNodeName, inChannelMask);
}

AAX_Result AAX_VComponentDescriptor::AddReservedField (AAX_CFieldIndex inFieldIndex, uint32_t inFieldType)
{
    return Forward (mIACFComponentDescriptor, kNoHostObject, &AAX_IACFComponentDescriptor::AddReservedField,
                    inFieldIndex, inFieldType);
}

AAX_IPropertyMap* AAX_VComponentDescriptor::NewPropertyMap() const
{
    return Own (mPropertyMaps, std::unique_ptr<AAX_VPropertyMap> (AAX_VPropertyMap::Create (mUnkHost.get())));
}

AAX_IPropertyMap* AAX_VComponentDescriptor::DuplicatePropertyMap (AAX_IPropertyMap* inPropertyMap) const
{
    AAX_IPropertyMap* duplicate = NewPropertyMap();
    if (duplicate == nullptr || inPropertyMap == nullptr)
        return duplicate;

    for (int32_t id = AAX_eProperty_MinProp; id <= AAX_eProperty_MaxProp; ++id)
    {
        const auto property = static_cast<AAX_EProperty> (id);
        AAX_CPropertyValue value = 0;
        const void* pointer = nullptr;

        if (inPropertyMap->GetProperty (property, &value) != 0)
            duplicate->AddProperty (property, value);
        else if (inPropertyMap->GetPointerProperty (property, &pointer) != 0)
            duplicate->AddPointerProperty (property, pointer);
    }

    return duplicate;
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_Native (AAX_CProcessProc inProcessProc, AAX_IPropertyMap* inProperties,
                                                            AAX_CInstanceInitProc inInstanceInitProc,
                                                            AAX_CBackgroundProc inBackgroundProc, AAX_CSelector* outProcID)
{
    return Forward (mIACFComponentDescriptor, kNoHostObject, &AAX_IACFComponentDescriptor::AddProcessProc_Native,
                    inProcessProc, HostObjectOf (inProperties), inInstanceInitProc, inBackgroundProc, outProcID);
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_TI (const char inDLLFileNameUTF8[], const char inProcessProcSymbol[],
                                                        AAX_IPropertyMap* inProperties, const char inInstanceInitProcSymbol[],
                                                        const char inBackgroundProcSymbol[], AAX_CSelector* outProcID)
{
    return Forward (mIACFComponentDescriptor, kNoHostObject, &AAX_IACFComponentDescriptor::AddProcessProc_TI,
                    inDLLFileNameUTF8, inProcessProcSymbol, HostObjectOf (inProperties), inInstanceInitProcSymbol,
                    inBackgroundProcSymbol, outProcID);
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc (AAX_IPropertyMap* inProperties, AAX_CSelector* outProcIDs,
                                                     int32_t inProcIDsSize)
{
    if (! mIACFComponentDescriptorV3.isNull())
        return mIACFComponentDescriptorV3->AddProcessProc (HostObjectOf (inProperties), outProcIDs, inProcIDsSize);

    if (inProperties == nullptr || mIACFComponentDescriptor.isNull())
        return kNoHostObject;

    // An older host registers one procedure a call: the native one, then the TI one, as the
    // map names them.
    const auto& map = *inProperties;
    const bool native = hasProperty (map, AAX_eProperty_PlugInID_Native) || hasProperty (map,
                                     AAX_eProperty_PlugInID_AudioSuite);
    const bool ti = hasProperty (map, AAX_eProperty_PlugInID_TI);

    std::vector<AAX_CSelector> procIDs;
    AAX_Result result = AAX_SUCCESS;
    AAX_CSelector procID = 0;

    if (native)
    {
        const void* processProc = pointerProperty (map, AAX_eProperty_NativeProcessProc, "AAX_eProperty_NativeProcessProc");
        const void* instanceInitProc = pointerProperty (map, AAX_eProperty_NativeInstanceInitProc);
        const void* backgroundProc = pointerProperty (map, AAX_eProperty_NativeBackgroundProc);

        result = AddProcessProc_Native (procedureAt<AAX_CProcessProc> (processProc),
                                        mapForNativeRegistration (*this, *inProperties),
                                        procedureAt<AAX_CInstanceInitProc> (instanceInitProc),
                                        procedureAt<AAX_CBackgroundProc> (backgroundProc), &procID);
        if (result == AAX_SUCCESS)
            procIDs.push_back (procID);
    }

    if (ti && result == AAX_SUCCESS)
    {
        const char* dllFileName = textProperty (map, AAX_eProperty_TIDLLFileName, "AAX_eProperty_TIDLLFileName");
        const char* processProc = textProperty (map, AAX_eProperty_TIProcessProc, "AAX_eProperty_TIProcessProc");
        const char* instanceInitProc = textProperty (map, AAX_eProperty_TIInstanceInitProc);
        const char* backgroundProc = textProperty (map, AAX_eProperty_TIBackgroundProc);

        result = AddProcessProc_TI (dllFileName, processProc, inProperties, instanceInitProc, backgroundProc, &procID);
        if (result == AAX_SUCCESS)
            procIDs.push_back (procID);
    }

    if (result != AAX_SUCCESS || outProcIDs == nullptr)
        return result;

    if (static_cast<int64_t> (procIDs.size()) >= inProcIDsSize)
        return AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW;

    std::copy (procIDs.begin(), procIDs.end(), outProcIDs);
    outProcIDs[procIDs.size()] = 0;
    return AAX_SUCCESS;
}

IACFUnknown* AAX_VComponentDescriptor::GetIUnknown() const
{
    return mIACFComponentDescriptor.get();
}

const std::set<AAX_EProperty>& AAX_VComponentDescriptor::PointerPropertiesUsedByAddProcessProc()
{
    static const std::set<AAX_EProperty> properties {
        AAX_eProperty_NativeProcessProc, AAX_eProperty_NativeInstanceInitProc, AAX_eProperty_NativeBackgroundProc,
        AAX_eProperty_TIDLLFileName,     AAX_eProperty_TIProcessProc,          AAX_eProperty_TIInstanceInitProc,
        AAX_eProperty_TIBackgroundProc,
    };
    return properties;
}
