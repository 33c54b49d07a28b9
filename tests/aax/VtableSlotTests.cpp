// The host calls the plug-in's objects, and the plug-in calls the host's, through vtables: the
// position of every virtual operation is the contract. These tests read each operation's slot
// from its pointer-to-member (Itanium ABI: 1 + the byte offset in the vtable) and pin the
// order, so that reordering or inserting a declaration fails here rather than in a host.

#include "AAX_CEffectGUI.h"
#include "AAX_CEffectParameters.h"
#include "AAX_CHostServices.h"
#include "AAX_CString.h"
#include "AAX_Exception.h"
#include "AAX_IACFAutomationDelegate.h"
#include "AAX_IACFCollection.h"
#include "AAX_IACFComponentDescriptor.h"
#include "AAX_IACFController.h"
#include "AAX_IACFDescriptionHost.h"
#include "AAX_IACFEffectDescriptor.h"
#include "AAX_IACFFeatureInfo.h"
#include "AAX_IACFHostServices.h"
#include "AAX_IACFPageTable.h"
#include "AAX_IACFPageTableController.h"
#include "AAX_IACFPropertyMap.h"
#include "AAX_IACFTransport.h"
#include "AAX_IACFViewContainer.h"
#include "AAX_CPacketDispatcher.h"
#include "AAX_ICollection.h"
#include "AAX_IParameter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <numeric>
#include <vector>

namespace quindle::test::aax
{
namespace
{
    struct Slot
    {
        long index;
        std::ptrdiff_t thisAdjustment;

        bool operator== (const Slot& other) const { return index == other.index && thisAdjustment == other.thisAdjustment; }
    };

    void PrintTo (const Slot& slot, std::ostream* os) { *os << slot.index << (slot.thisAdjustment != 0 ? "+adj" : ""); }

    template <typename MemberFunction>
    Slot slotOf (MemberFunction function)
    {
        static_assert (sizeof (function) == 2 * sizeof (void*), "Itanium pointers to member functions");
        struct
        {
            std::uintptr_t pointer;
            std::ptrdiff_t adjustment;
        } raw;
        std::memcpy (&raw, &function, sizeof (raw));

        if ((raw.pointer & 1u) == 0)
            return { -1, raw.adjustment };   // not virtual

        return { static_cast<long> ((raw.pointer - 1) / sizeof (void*)), raw.adjustment };
    }

    template <typename... MemberFunctions>
    std::vector<Slot> slotsOf (MemberFunctions... functions)
    {
        return { slotOf (functions)... };
    }

    /** Slots first, first + 1, ... in the class's primary vtable. */
    std::vector<Slot> consecutive (long first, size_t count)
    {
        std::vector<Slot> slots;
        for (size_t i = 0; i < count; ++i)
            slots.push_back ({ first + static_cast<long> (i), 0 });
        return slots;
    }

    template <typename... MemberFunctions>
    void expectConsecutiveFrom (long first, MemberFunctions... functions)
    {
        EXPECT_EQ (slotsOf (functions...), consecutive (first, sizeof... (functions)));
    }

    // Host interfaces start after QueryInterface, AddRef and Release; library interfaces after
    // the complete and the deleting destructor.
    constexpr long kAfterUnknown = 3;
    constexpr long kAfterDestructor = 2;
}

//==============================================================================
TEST (VtableSlots, ComponentModelRoots)
{
    expectConsecutiveFrom (0, &IACFUnknown::QueryInterface, &IACFUnknown::AddRef, &IACFUnknown::Release);
    expectConsecutiveFrom (kAfterUnknown, &IACFComponentFactory::CreateComponent);

    // CACFUnknown: destructor pair, then its own operations.
    expectConsecutiveFrom (kAfterDestructor, &CACFUnknown::InitializeInstance, &CACFUnknown::FinalRelease,
                           &CACFUnknown::ReclaimMemory, &CACFUnknown::InternalQueryInterface,
                           &CACFUnknown::InternalAddRef, &CACFUnknown::InternalRelease);
}

TEST (VtableSlots, StringInterface)
{
    using S = AAX_IString;
    expectConsecutiveFrom (kAfterDestructor, &S::Length, &S::MaxLength, &S::Get, &S::Set,
                           static_cast<AAX_IString& (S::*) (const AAX_IString&)> (&S::operator=),
                           static_cast<AAX_IString& (S::*) (const char*)> (&S::operator=));
}

TEST (VtableSlots, EffectParametersAsTheHostCallsThem)
{
    using P = AAX_IACFEffectParameters_V4;
    const auto hostSlots = slotsOf (
        &P::QueryInterface, &P::AddRef, &P::Release,
        &P::Initialize, &P::Uninitialize, &P::NotificationReceived,
        &P::GetNumberOfParameters, &P::GetMasterBypassParameter, &P::GetParameterIsAutomatable,
        &P::GetParameterNumberOfSteps, &P::GetParameterName, &P::GetParameterNameOfLength,
        &P::GetParameterDefaultNormalizedValue, &P::SetParameterDefaultNormalizedValue,
        &P::GetParameterType, &P::GetParameterOrientation, &P::GetParameter, &P::GetParameterIndex,
        &P::GetParameterIDFromIndex, &P::GetParameterValueInfo, &P::GetParameterValueFromString,
        &P::GetParameterStringFromValue, &P::GetParameterValueString, &P::GetParameterNormalizedValue,
        &P::SetParameterNormalizedValue, &P::SetParameterNormalizedRelative,
        &P::TouchParameter, &P::ReleaseParameter, &P::UpdateParameterTouch,
        &P::UpdateParameterNormalizedValue, &P::UpdateParameterNormalizedRelative,
        &P::GenerateCoefficients, &P::ResetFieldData,
        &P::GetNumberOfChunks, &P::GetChunkIDFromIndex, &P::GetChunkSize, &P::GetChunk, &P::SetChunk,
        &P::CompareActiveChunk, &P::GetNumberOfChanges,
        &P::TimerWakeup, &P::GetCurveData, &P::GetCustomData, &P::SetCustomData, &P::DoMIDITransfers,
        &P::RenderAudio_Hybrid, &P::UpdateMIDINodes, &P::UpdateControlMIDINodes,
        &P::GetCurveDataMeterIds, &P::GetCurveDataDisplayRange,
        &P::UpdatePageTable);
    EXPECT_EQ (hostSlots, consecutive (0, 51));

    // The implementation keeps every host slot and adds its own after them.
    using I = AAX_IEffectParameters;
    EXPECT_EQ (slotOf (&I::InternalQueryInterface).index, 51);

    using C = AAX_CEffectParameters;
    EXPECT_EQ (slotOf (&C::GetChunk).index, slotOf (&P::GetChunk).index);
    EXPECT_EQ (slotOf (static_cast<AAX_Result (C::*) (uint32_t, int32_t, IACFUnknown*, IACFUnknown*) const> (&C::UpdatePageTable)).index, 50);
    // InternalQueryInterface (51) and the destructor pair (52, 53) come before the derived class's own.
    expectConsecutiveFrom (54, &C::EffectInit,
                           static_cast<AAX_Result (C::*) (uint32_t, int32_t, AAX_IPageTable&) const> (&C::UpdatePageTable));
}

TEST (VtableSlots, EffectGUIAsTheHostCallsIt)
{
    using G = AAX_IACFEffectGUI;
    expectConsecutiveFrom (0, &G::QueryInterface, &G::AddRef, &G::Release,
                           &G::Initialize, &G::Uninitialize, &G::NotificationReceived, &G::SetViewContainer,
                           &G::GetViewSize, &G::Draw, &G::TimerWakeup, &G::ParameterUpdated, &G::GetCustomLabel,
                           &G::SetControlHighlightInfo);

    EXPECT_EQ (slotOf (&AAX_IEffectGUI::InternalQueryInterface).index, 13);

    using C = AAX_CEffectGUI;
    // InternalQueryInterface (13) and the destructor pair (14, 15) come first.
    expectConsecutiveFrom (16, &C::CreateViewContents, &C::CreateViewContainer, &C::DeleteViewContainer,
                           &C::UpdateAllParameters);
}

//==============================================================================
TEST (VtableSlots, HostDescriptionInterfaces)
{
    {
        using H = AAX_IACFCollection;
        expectConsecutiveFrom (kAfterUnknown, &H::AddEffect, &H::SetManufacturerName, &H::AddPackageName,
                               &H::SetPackageVersion, &H::SetProperties);
    }
    {
        using H = AAX_IACFEffectDescriptor_V2;
        expectConsecutiveFrom (kAfterUnknown, &H::AddComponent, &H::AddName, &H::AddCategory,
                               &H::AddCategoryBypassParameter, &H::AddProcPtr, &H::SetProperties,
                               &H::AddResourceInfo, &H::AddMeterDescription, &H::AddControlMIDINode);
    }
    {
        using H = AAX_IACFComponentDescriptor_V3;
        expectConsecutiveFrom (kAfterUnknown, &H::Clear, &H::AddAudioIn, &H::AddAudioOut, &H::AddAudioBufferLength,
                               &H::AddSampleRate, &H::AddClock, &H::AddSideChainIn, &H::AddDataInPort,
                               &H::AddAuxOutputStem, &H::AddPrivateData, &H::AddDmaInstance, &H::AddMeters,
                               &H::AddMIDINode, &H::AddReservedField, &H::AddProcessProc_Native,
                               &H::AddProcessProc_TI, &H::AddTemporaryData, &H::AddProcessProc);
    }
    {
        using H = AAX_IACFPropertyMap_V3;
        expectConsecutiveFrom (kAfterUnknown, &H::GetProperty, &H::AddProperty, &H::RemoveProperty,
                               &H::AddPropertyWithIDArray, &H::GetPropertyWithIDArray,
                               &H::GetPointerProperty, &H::AddPointerProperty);
    }
    expectConsecutiveFrom (kAfterUnknown, &AAX_IACFDescriptionHost::AcquireFeatureProperties);
    expectConsecutiveFrom (kAfterUnknown, &AAX_IACFFeatureInfo::SupportLevel, &AAX_IACFFeatureInfo::AcquireProperties);
}

TEST (VtableSlots, HostRunTimeInterfaces)
{
    {
        using H = AAX_IACFController_V3;
        expectConsecutiveFrom (kAfterUnknown, &H::GetEffectID, &H::GetSampleRate, &H::GetInputStemFormat,
                               &H::GetOutputStemFormat, &H::GetSignalLatency, &H::GetCycleCount, &H::GetTODLocation,
                               &H::SetSignalLatency, &H::SetCycleCount, &H::PostPacket, &H::GetCurrentMeterValue,
                               &H::GetMeterPeakValue, &H::ClearMeterPeakValue, &H::GetMeterCount, &H::GetMeterClipped,
                               &H::ClearMeterClipped, &H::GetNextMIDIPacket,
                               &H::SendNotification, &H::GetHybridSignalLatency, &H::GetCurrentAutomationTimestamp,
                               &H::GetHostName,
                               &H::GetPlugInTargetPlatform, &H::GetIsAudioSuite);
    }
    {
        using H = AAX_IACFPageTableController_V2;
        expectConsecutiveFrom (kAfterUnknown, &H::CopyTableForEffect, &H::CopyTableOfLayoutForEffect,
                               &H::CopyTableForEffectFromFile, &H::CopyTableOfLayoutFromFile);
    }
    {
        using H = AAX_IACFAutomationDelegate;
        expectConsecutiveFrom (kAfterUnknown, &H::RegisterParameter, &H::UnregisterParameter, &H::PostSetValueRequest,
                               &H::PostCurrentValue, &H::PostTouchRequest, &H::PostReleaseRequest, &H::GetTouchState);
    }
    {
        using H = AAX_IACFTransport_V3;
        expectConsecutiveFrom (kAfterUnknown, &H::GetCurrentTempo, &H::GetCurrentMeter, &H::IsTransportPlaying,
                               &H::GetCurrentTickPosition, &H::GetCurrentLoopPosition,
                               &H::GetCurrentNativeSampleLocation, &H::GetCustomTickPosition, &H::GetBarBeatPosition,
                               &H::GetTicksPerQuarter, &H::GetCurrentTicksPerBeat,
                               &H::GetTimelineSelectionStartPosition, &H::GetTimeCodeInfo, &H::GetFeetFramesInfo,
                               &H::IsMetronomeEnabled,
                               &H::GetHDTimeCodeInfo);
    }
    {
        using H = AAX_IACFViewContainer_V3;
        expectConsecutiveFrom (kAfterUnknown, &H::GetType, &H::GetPtr, &H::GetModifiers, &H::SetViewSize,
                               &H::HandleParameterMouseDown, &H::HandleParameterMouseDrag, &H::HandleParameterMouseUp,
                               &H::HandleMultipleParametersMouseDown, &H::HandleMultipleParametersMouseDrag,
                               &H::HandleMultipleParametersMouseUp,
                               &H::HandleParameterMouseEnter, &H::HandleParameterMouseExit);
    }
    {
        using H = AAX_IACFPageTable_V2;
        expectConsecutiveFrom (kAfterUnknown, &H::Clear, &H::Empty, &H::GetNumPages, &H::InsertPage, &H::RemovePage,
                               &H::GetNumMappedParameterIDs, &H::ClearMappedParameter, &H::GetMappedParameterID,
                               &H::MapParameterID,
                               &H::GetNumParametersWithNameVariations, &H::GetNameVariationParameterIDAtIndex,
                               &H::GetNumNameVariationsForParameter, &H::GetParameterNameVariationAtIndex,
                               &H::GetParameterNameVariationOfLength, &H::ClearParameterNameVariations,
                               &H::ClearNameVariationsForParameter, &H::SetParameterNameVariation);
    }
    {
        using H = AAX_IACFHostServices_V3;
        expectConsecutiveFrom (kAfterUnknown, &H::Trace, &H::StackTrace, &H::HandleAssertFailure);
    }
}

//==============================================================================
// The library's own interfaces, called by the library and by the framework's wrapper.

TEST (VtableSlots, LibraryDescriptionInterfaces)
{
    {
        using L = AAX_ICollection;
        expectConsecutiveFrom (kAfterDestructor, &L::NewDescriptor, &L::AddEffect, &L::SetManufacturerName,
                               &L::AddPackageName, &L::SetPackageVersion, &L::NewPropertyMap, &L::SetProperties,
                               static_cast<AAX_IDescriptionHost* (L::*)()> (&L::DescriptionHost),
                               static_cast<const AAX_IDescriptionHost* (L::*)() const> (&L::DescriptionHost),
                               &L::HostDefinition);
    }
    {
        using L = AAX_IEffectDescriptor;
        expectConsecutiveFrom (kAfterDestructor, &L::NewComponentDescriptor, &L::AddComponent, &L::AddName,
                               &L::AddCategory, &L::AddCategoryBypassParameter, &L::AddProcPtr, &L::NewPropertyMap,
                               &L::SetProperties, &L::AddResourceInfo, &L::AddMeterDescription, &L::AddControlMIDINode);
    }
    {
        using L = AAX_IComponentDescriptor;
        expectConsecutiveFrom (kAfterDestructor, &L::Clear, &L::AddAudioIn, &L::AddAudioOut, &L::AddAudioBufferLength,
                               &L::AddSampleRate, &L::AddClock, &L::AddSideChainIn, &L::AddDataInPort,
                               &L::AddAuxOutputStem, &L::AddPrivateData, &L::AddTemporaryData, &L::AddDmaInstance,
                               &L::AddMeters, &L::AddMIDINode, &L::AddReservedField, &L::NewPropertyMap,
                               &L::DuplicatePropertyMap,
                               static_cast<AAX_Result (L::*) (AAX_CProcessProc, AAX_IPropertyMap*, AAX_CInstanceInitProc,
                                                              AAX_CBackgroundProc, AAX_CSelector*)> (&L::AddProcessProc_Native),
                               &L::AddProcessProc_TI, &L::AddProcessProc);
    }
    {
        using L = AAX_IPropertyMap;
        expectConsecutiveFrom (kAfterDestructor, &L::GetProperty, &L::GetPointerProperty, &L::AddProperty,
                               static_cast<AAX_Result (L::*) (AAX_EProperty, const void*)> (&L::AddPointerProperty),
                               static_cast<AAX_Result (L::*) (AAX_EProperty, const char*)> (&L::AddPointerProperty),
                               &L::RemoveProperty, &L::AddPropertyWithIDArray, &L::GetPropertyWithIDArray,
                               &L::GetIUnknown);
    }
    expectConsecutiveFrom (kAfterDestructor, &AAX_IDescriptionHost::AcquireFeatureProperties);
    expectConsecutiveFrom (kAfterDestructor, &AAX_IFeatureInfo::SupportLevel, &AAX_IFeatureInfo::AcquireProperties,
                           &AAX_IFeatureInfo::ID);
}

TEST (VtableSlots, LibraryRunTimeInterfaces)
{
    {
        using L = AAX_IController;
        expectConsecutiveFrom (kAfterDestructor, &L::GetEffectID, &L::GetSampleRate, &L::GetInputStemFormat,
                               &L::GetOutputStemFormat, &L::GetSignalLatency, &L::GetCycleCount, &L::GetTODLocation,
                               &L::SetSignalLatency, &L::SetCycleCount, &L::PostPacket,
                               static_cast<AAX_Result (L::*) (AAX_CTypeID, const void*, uint32_t)> (&L::SendNotification),
                               static_cast<AAX_Result (L::*) (AAX_CTypeID)> (&L::SendNotification),
                               &L::GetCurrentMeterValue, &L::GetMeterPeakValue, &L::ClearMeterPeakValue,
                               &L::GetMeterCount, &L::GetMeterClipped, &L::ClearMeterClipped, &L::GetNextMIDIPacket,
                               &L::GetHybridSignalLatency, &L::GetCurrentAutomationTimestamp, &L::GetHostName,
                               &L::GetPlugInTargetPlatform, &L::GetIsAudioSuite, &L::CreateTableCopyForEffect,
                               &L::CreateTableCopyForLayout, &L::CreateTableCopyForEffectFromFile,
                               &L::CreateTableCopyForLayoutFromFile);
    }
    {
        using L = AAX_IAutomationDelegate;
        expectConsecutiveFrom (kAfterDestructor, &L::RegisterParameter, &L::UnregisterParameter, &L::PostSetValueRequest,
                               &L::PostCurrentValue, &L::PostTouchRequest, &L::PostReleaseRequest, &L::GetTouchState);
    }
    {
        using L = AAX_ITransport;
        expectConsecutiveFrom (kAfterDestructor, &L::GetCurrentTempo, &L::GetCurrentMeter, &L::IsTransportPlaying,
                               &L::GetCurrentTickPosition, &L::GetCurrentLoopPosition,
                               &L::GetCurrentNativeSampleLocation, &L::GetCustomTickPosition, &L::GetBarBeatPosition,
                               &L::GetTicksPerQuarter, &L::GetCurrentTicksPerBeat,
                               &L::GetTimelineSelectionStartPosition, &L::GetTimeCodeInfo, &L::GetFeetFramesInfo,
                               &L::IsMetronomeEnabled, &L::GetHDTimeCodeInfo);
    }
    {
        using L = AAX_IViewContainer;
        expectConsecutiveFrom (kAfterDestructor, &L::GetType, &L::GetPtr, &L::GetModifiers, &L::SetViewSize,
                               &L::HandleParameterMouseDown, &L::HandleParameterMouseDrag, &L::HandleParameterMouseUp,
                               &L::HandleParameterMouseEnter, &L::HandleParameterMouseExit,
                               &L::HandleMultipleParametersMouseDown, &L::HandleMultipleParametersMouseDrag,
                               &L::HandleMultipleParametersMouseUp);
    }
    {
        using L = AAX_IPageTable;
        expectConsecutiveFrom (kAfterDestructor, &L::Clear, &L::Empty, &L::GetNumPages, &L::InsertPage, &L::RemovePage,
                               &L::GetNumMappedParameterIDs, &L::ClearMappedParameter, &L::GetMappedParameterID,
                               &L::MapParameterID, &L::GetNumParametersWithNameVariations,
                               &L::GetNameVariationParameterIDAtIndex, &L::GetNumNameVariationsForParameter,
                               &L::GetParameterNameVariationAtIndex, &L::GetParameterNameVariationOfLength,
                               &L::ClearParameterNameVariations, &L::ClearNameVariationsForParameter,
                               &L::SetParameterNameVariation);
    }
    expectConsecutiveFrom (kAfterDestructor, &AAX_IHostServices::HandleAssertFailure, &AAX_IHostServices::Trace,
                           &AAX_IHostServices::StackTrace);
}

TEST (VtableSlots, ParameterInterfacesAndDelegates)
{
    using P = AAX_IParameter;
    expectConsecutiveFrom (kAfterDestructor,
        &P::CloneValue,
        &P::Identifier, &P::SetName, &P::Name, &P::AddShortenedName, &P::ShortenedName, &P::ClearShortenedNames,
        &P::Automatable, &P::SetAutomationDelegate, &P::Touch, &P::Release,
        &P::SetNormalizedValue, &P::GetNormalizedValue, &P::SetNormalizedDefaultValue, &P::GetNormalizedDefaultValue,
        &P::SetToDefaultValue,
        &P::SetNumberOfSteps, &P::GetNumberOfSteps, &P::GetStepValue, &P::GetNormalizedValueFromStep,
        &P::GetStepValueFromNormalizedValue, &P::SetStepValue,
        static_cast<bool (P::*) (AAX_CString*) const> (&P::GetValueString),
        static_cast<bool (P::*) (int32_t, AAX_CString*) const> (&P::GetValueString),
        &P::GetNormalizedValueFromBool, &P::GetNormalizedValueFromInt32, &P::GetNormalizedValueFromFloat,
        &P::GetNormalizedValueFromDouble, &P::GetNormalizedValueFromString,
        &P::GetBoolFromNormalizedValue, &P::GetInt32FromNormalizedValue, &P::GetFloatFromNormalizedValue,
        &P::GetDoubleFromNormalizedValue,
        static_cast<bool (P::*) (double, AAX_CString&) const> (&P::GetStringFromNormalizedValue),
        static_cast<bool (P::*) (double, int32_t, AAX_CString&) const> (&P::GetStringFromNormalizedValue),
        &P::SetValueFromString,
        &P::GetValueAsBool, &P::GetValueAsInt32, &P::GetValueAsFloat, &P::GetValueAsDouble, &P::GetValueAsString,
        &P::SetValueWithBool, &P::SetValueWithInt32, &P::SetValueWithFloat, &P::SetValueWithDouble,
        &P::SetValueWithString,
        &P::SetType, &P::GetType, &P::SetOrientation, &P::GetOrientation,
        &P::SetTaperDelegate, &P::SetDisplayDelegate,
        &P::UpdateNormalizedValue);

    using V = AAX_IParameterValue;
    expectConsecutiveFrom (kAfterDestructor, &V::Clone, &V::Identifier, &V::GetValueAsBool, &V::GetValueAsInt32,
                           &V::GetValueAsFloat, &V::GetValueAsDouble, &V::GetValueAsString);

    using T = AAX_ITaperDelegate<float>;
    expectConsecutiveFrom (kAfterDestructor, &T::Clone, &T::GetMaximumValue, &T::GetMinimumValue,
                           &T::ConstrainRealValue, &T::NormalizedToReal, &T::RealToNormalized);

    using D = AAX_IDisplayDelegate<float>;
    expectConsecutiveFrom (kAfterDestructor, &D::Clone,
                           static_cast<bool (D::*) (float, AAX_CString*) const> (&D::ValueToString),
                           static_cast<bool (D::*) (float, int32_t, AAX_CString*) const> (&D::ValueToString),
                           &D::StringToValue);

    expectConsecutiveFrom (kAfterDestructor, &AAX_IPacketHandler::Clone, &AAX_IPacketHandler::Call);
}

TEST (VtableSlots, ExceptionBaseHasOnlyItsDestructor)
{
    static_assert (std::has_virtual_destructor_v<AAX::Exception::Any>, "thrown and caught by base");
    static_assert (sizeof (AAX::Exception::Any) == sizeof (void*) + 4 * sizeof (std::string),
                   "a vtable pointer and the four texts");
}
} // namespace quindle::test::aax
