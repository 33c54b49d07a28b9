#pragma once

// Enumerations shared with the host. Every one has a 32-bit underlying type: the host and the
// framework's wrapper store them in 32-bit fields and compare their sizes with 4.

#include "AAX.h"

//==============================================================================
// Stem formats: the channel layout of a bus. A format packs a layout index into its upper 16 bits
// and the channel count into its lower 16 bits. Hosts without a description host accept the
// indices 0 to 12 only.

#define AAX_STEM_FORMAT(aIndex, aChannelCount) \
    (static_cast<int32_t> ((static_cast<uint32_t> (aIndex) << 16) | (static_cast<uint32_t> (aChannelCount) & 0xFFFFu)))
#define AAX_STEM_FORMAT_INDEX(aStemFormat) (static_cast<int16_t> ((static_cast<uint32_t> (aStemFormat) >> 16) & 0xFFFFu))
#define AAX_STEM_FORMAT_CHANNEL_COUNT(aStemFormat) (static_cast<uint16_t> (static_cast<uint32_t> (aStemFormat) & 0xFFFFu))

enum AAX_EStemFormat : int32_t
{
    AAX_eStemFormat_Mono = AAX_STEM_FORMAT (0, 1),
    AAX_eStemFormat_Stereo = AAX_STEM_FORMAT (1, 2),
    AAX_eStemFormat_LCR = AAX_STEM_FORMAT (2, 3),
    AAX_eStemFormat_LCRS = AAX_STEM_FORMAT (3, 4),
    AAX_eStemFormat_Quad = AAX_STEM_FORMAT (4, 4),
    AAX_eStemFormat_5_0 = AAX_STEM_FORMAT (5, 5),
    AAX_eStemFormat_5_1 = AAX_STEM_FORMAT (6, 6),
    AAX_eStemFormat_6_0 = AAX_STEM_FORMAT (7, 6),
    AAX_eStemFormat_6_1 = AAX_STEM_FORMAT (8, 7),
    AAX_eStemFormat_7_0_SDDS = AAX_STEM_FORMAT (9, 7),
    AAX_eStemFormat_7_1_SDDS = AAX_STEM_FORMAT (10, 8),
    AAX_eStemFormat_7_0_DTS = AAX_STEM_FORMAT (11, 7),
    AAX_eStemFormat_7_1_DTS = AAX_STEM_FORMAT (12, 8),
    AAX_eStemFormat_7_0_2 = AAX_STEM_FORMAT (13, 9),
    AAX_eStemFormat_7_1_2 = AAX_STEM_FORMAT (14, 10),
    AAX_eStemFormat_Ambi_1_ACN = AAX_STEM_FORMAT (15, 4),
    AAX_eStemFormat_Ambi_2_ACN = AAX_STEM_FORMAT (16, 9),
    AAX_eStemFormat_Ambi_3_ACN = AAX_STEM_FORMAT (17, 16),
    AAX_eStemFormat_Reserved_1 = AAX_STEM_FORMAT (18, 0),
    AAX_eStemFormat_Reserved_2 = AAX_STEM_FORMAT (19, 0),
    AAX_eStemFormat_Reserved_3 = AAX_STEM_FORMAT (20, 0),

    AAX_eStemFormatNum = 21,   // the number of layout indices above

    AAX_eStemFormat_None = AAX_STEM_FORMAT (-100, 0),
    AAX_eStemFormat_Any = AAX_STEM_FORMAT (-1, 0),

    AAX_eStemFormat_INT32_MAX = 0x7FFFFFFF
};

// The highest layout index that a host without a description host knows.
constexpr int16_t kAAX_StemFormat_MaxBasicIndex = 12;

//==============================================================================
/** Property IDs of property maps. The library uses IDs from 10 to 401. */
enum AAX_EProperty : int32_t
{
    AAX_eProperty_NoID = 0,

    AAX_eProperty_ManufacturerID = 10,
    AAX_eProperty_ProductID = 11,
    AAX_eProperty_PlugInID_Native = 13,
    AAX_eProperty_PlugInID_AudioSuite = 14,
    AAX_eProperty_PlugInID_TI = 15,

    AAX_eProperty_NativeProcessProc = 36,
    AAX_eProperty_NativeInstanceInitProc = 37,
    AAX_eProperty_NativeBackgroundProc = 38,
    AAX_eProperty_TIDLLFileName = 39,
    AAX_eProperty_TIProcessProc = 40,
    AAX_eProperty_TIInstanceInitProc = 41,
    AAX_eProperty_TIBackgroundProc = 42,

    AAX_eProperty_InputStemFormat = 51,
    AAX_eProperty_OutputStemFormat = 52,
    AAX_eProperty_AudioBufferLength = 54,

    AAX_eProperty_CanBypass = 60,
    AAX_eProperty_SupportsSideChainInput = 61,
    AAX_eProperty_SupportsSaveRestore = 62,
    AAX_eProperty_Constraint_MultiMonoSupport = 70,
    AAX_eProperty_Constraint_AlwaysProcess = 71,
    AAX_eProperty_Constraint_DoNotApplyDefaultSettings = 72,
    AAX_eProperty_Meter_Type = 80,
    AAX_eProperty_Meter_Orientation = 81,

    AAX_eProperty_MinProp = 10,
    AAX_eProperty_MaxProp = 401
};

//==============================================================================
/** Which creation procedure a pointer registered with AddProcPtr is. */
enum AAX_CProcPtrID : int32_t
{
    kAAX_ProcPtrID_Create_EffectParameters = 0,
    kAAX_ProcPtrID_Create_EffectGUI = 1
};

enum AAX_EDataInPortType : int32_t
{
    AAX_eDataInPortType_Unbuffered = 0,
    AAX_eDataInPortType_Buffered = 1,
    AAX_eDataInPortType_Incremental = 2
};

enum AAX_EPrivateDataOptions : uint32_t
{
    AAX_ePrivateDataOptions_DefaultOptions = 0,
    AAX_ePrivateDataOptions_KeepOnReset = 1u << 0,
    AAX_ePrivateDataOptions_External = 1u << 1
};

enum AAX_EMIDINodeType : int32_t
{
    AAX_eMIDINodeType_LocalInput = 0,
    AAX_eMIDINodeType_LocalOutput = 1,
    AAX_eMIDINodeType_Global = 2,
    AAX_eMIDINodeType_Transport = 3
};

enum AAX_EResourceType : int32_t
{
    AAX_eResourceType_None = 0,
    AAX_eResourceType_PageTable = 1,
    AAX_eResourceType_PageTableDir = 2
};

/** Why the host calls a native instance-initialisation procedure. */
enum AAX_EComponentInstanceInitAction : int32_t
{
    AAX_eComponentInstanceInitAction_AddingNewInstance = 0,
    AAX_eComponentInstanceInitAction_RemovingInstance = 1,
    AAX_eComponentInstanceInitAction_ResetInstance = 2
};

/** The native audio buffer lengths as powers of two; the maximum is 1024 samples. */
enum AAX_EAudioBufferLength : int32_t
{
    AAX_eAudioBufferLength_Undefined = -1,
    AAX_eAudioBufferLength_1 = 0,
    AAX_eAudioBufferLength_Max = 10
};

/** Support levels that the description host reports for a feature. */
enum AAX_ESupportLevel : int32_t
{
    AAX_eSupportLevel_Uninitialized = 0,
    AAX_eSupportLevel_Unsupported = 1,
    AAX_eSupportLevel_Supported = 2,
    AAX_eSupportLevel_Disabled = 3,
    AAX_eSupportLevel_ByProperty = 4
};

enum AAX_EMeterType : int32_t
{
    AAX_eMeterType_Input = 0,
    AAX_eMeterType_Output = 1,
    AAX_eMeterType_CLGain = 2,
    AAX_eMeterType_EGGain = 3,
    AAX_eMeterType_Analysis = 4,
    AAX_eMeterType_Other = 5
};

enum AAX_EMeterOrientation : int32_t
{
    AAX_eMeterOrientation_Default = 0,
    AAX_eMeterOrientation_BottomLeft = 0,
    AAX_eMeterOrientation_TopRight = 1,
    AAX_eMeterOrientation_Center = 2
};

//==============================================================================
enum AAX_EParameterType : int32_t
{
    AAX_eParameterType_Discrete = 0,
    AAX_eParameterType_Continuous = 1
};

/** Orientation bits of a parameter's control, passed to the host unchanged. An inverted
    parameter combines to 19, a plain one to 0. */
enum AAX_EParameterOrientationBits : int32_t
{
    AAX_eParameterOrientation_Default = 0,
    AAX_eParameterOrientation_BottomMinTopMax = 0,
    AAX_eParameterOrientation_LeftMinRightMax = 0,
    AAX_eParameterOrientation_RotarySingleDotMode = 0,
    AAX_eParameterOrientation_RotaryLeftMinRightMax = 0,
    AAX_eParameterOrientation_RightMinLeftMax = 1 << 0,
    AAX_eParameterOrientation_TopMinBottomMax = 1 << 1,
    AAX_eParameterOrientation_RotaryRightMinLeftMax = 1 << 4
};

typedef int32_t AAX_EParameterOrientation;

/** Who caused a parameter update that the host reports. */
enum AAX_EUpdateSource : int32_t
{
    AAX_eUpdateSource_Unspecified = 0,
    AAX_eUpdateSource_Parameter = 1,
    AAX_eUpdateSource_Chunk = 2,
    AAX_eUpdateSource_Delay = 3
};

enum AAX_EHighlightColor : int32_t
{
    AAX_eHighlightColor_Red = 0,
    AAX_eHighlightColor_Blue = 1,
    AAX_eHighlightColor_Green = 2,
    AAX_eHighlightColor_Yellow = 3,
    AAX_eHighlightColor_Num
};

/** Strings the host may ask the GUI object for. */
enum AAX_EPlugInStrings : int32_t
{
    AAX_ePlugInStrings_Analysis = 0,
    AAX_ePlugInStrings_MonoMode = 1,
    AAX_ePlugInStrings_File = 2,
    AAX_ePlugInStrings_ClipIndicator = 3
};

enum AAX_ETextEncoding : int32_t
{
    AAX_eTextEncoding_Undefined = -1,
    AAX_eTextEncoding_UTF8 = 0
};

//==============================================================================
/** The kinds of host view that can hold the editor; 0 stands for no view. */
enum AAX_EViewContainer_Type : int32_t
{
    AAX_eViewContainer_Type_NULL = 0,
    AAX_eViewContainer_Type_NSView = 1,
    AAX_eViewContainer_Type_UIView = 2,
    AAX_eViewContainer_Type_HWND = 3
};

/** Modifier keys that a view container reports. */
enum AAX_EModifiers : uint32_t
{
    AAX_eModifiers_None = 0,
    AAX_eModifiers_Shift = 1u << 0,
    AAX_eModifiers_Control = 1u << 1,
    AAX_eModifiers_Option = 1u << 2,
    AAX_eModifiers_Alt = AAX_eModifiers_Option,
    AAX_eModifiers_Command = 1u << 3,
    AAX_eModifiers_SecondaryButton = 1u << 4
};

//==============================================================================
/** Notifications that the host sends to the data-model and GUI objects (four-character codes). */
enum AAX_ENotificationEvent : AAX_CTypeID
{
    AAX_eNotificationEvent_EnteringOfflineMode = 0x41534F6Eu,     // 'ASOn'
    AAX_eNotificationEvent_ExitingOfflineMode = 0x41534F66u,      // 'ASOf'
    AAX_eNotificationEvent_ASPreviewState = 0x41535076u,          // 'ASPv'
    AAX_eNotificationEvent_ASProcessingState = 0x41535073u,       // 'ASPs'
    AAX_eNotificationEvent_TrackNameChanged = 0x54726E6Du,        // 'Trnm'
    AAX_eNotificationEvent_SideChainBeingConnected = 0x53436F6Eu, // 'SCon'
    AAX_eNotificationEvent_SideChainBeingDisconnected = 0x53436F66u // 'SCof'
};

/** The AudioSuite processing state that comes with AAX_eNotificationEvent_ASProcessingState. */
enum AAX_EProcessingState : int32_t
{
    AAX_eProcessingState_None = 0,
    AAX_eProcessingState_StartPass = 1,
    AAX_eProcessingState_EndPass = 2,
    AAX_eProcessingState_BeginPassGroup = 3,
    AAX_eProcessingState_EndPassGroup = 4
};

/** Curve types of the host's curve displays (four-character codes). */
enum AAX_ECurveType : AAX_CTypeID
{
    AAX_eCurveType_None = 0,
    AAX_eCurveType_EQ = 0x41584571u,         // 'AXEq'
    AAX_eCurveType_Dynamics = 0x41584479u,   // 'AXDy'
    AAX_eCurveType_Reduction = 0x41585264u   // 'AXRd'
};

//==============================================================================
enum AAX_EFrameRate : int32_t
{
    AAX_eFrameRate_Undeclared = 0,
    AAX_eFrameRate_24Frame = 1,
    AAX_eFrameRate_25Frame = 2,
    AAX_eFrameRate_2997NonDrop = 3,
    AAX_eFrameRate_2997DropFrame = 4,
    AAX_eFrameRate_30NonDrop = 5,
    AAX_eFrameRate_30DropFrame = 6,
    AAX_eFrameRate_23976 = 7,
    AAX_eFrameRate_47952 = 8,
    AAX_eFrameRate_48Frame = 9,
    AAX_eFrameRate_50Frame = 10,
    AAX_eFrameRate_5994NonDrop = 11,
    AAX_eFrameRate_5994DropFrame = 12,
    AAX_eFrameRate_60NonDrop = 13,
    AAX_eFrameRate_60DropFrame = 14,
    AAX_eFrameRate_100Frame = 15,
    AAX_eFrameRate_11988NonDrop = 16,
    AAX_eFrameRate_11988DropFrame = 17,
    AAX_eFrameRate_120NonDrop = 18,
    AAX_eFrameRate_120DropFrame = 19
};

enum AAX_EFeetFramesRate : int32_t
{
    AAX_eFeetFramesRate_23976 = 0,
    AAX_eFeetFramesRate_24 = 1,
    AAX_eFeetFramesRate_25 = 2
};

//==============================================================================
/** Trace priorities passed to the host's trace facility. */
enum AAX_ETracePriorityHost : int32_t
{
    AAX_eTracePriorityHost_High = 0x08000000,     // error reports
    AAX_eTracePriorityHost_Normal = 0x04000000    // reports of failing checked results
};

static_assert (sizeof (AAX_EStemFormat) == 4 && sizeof (AAX_EProperty) == 4 && sizeof (AAX_ESupportLevel) == 4
                   && sizeof (AAX_EProcessingState) == 4 && sizeof (AAX_EFrameRate) == 4,
               "enumerations shared with the host are 32 bits wide");
