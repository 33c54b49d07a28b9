#include "AAX_CEffectParameters.h"

#include "AAX_Assert.h"
#include "AAX_UIDs.h"
#include "AAX_VAutomationDelegate.h"
#include "AAX_VController.h"
#include "AAX_VPageTable.h"
#include "AAX_VTransport.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <set>
#include <string>
#include <vector>

namespace
{
    constexpr char kAssertFile[] = "/Library/SDKs/AAX/Libs/AAXLibrary/source/AAX_CEffectParameters";

    constexpr AAX_CTypeID kElckChunkID = 0x656C636Bu;   // 'elck'
    constexpr char kElckChunkName[] = "Complete Controls State";
    constexpr AAX_CTypeID kPreviewStateNotification = AAX_eNotificationEvent_ASPreviewState;
    constexpr char kPreviewParameterID[] = "PreviewID";

    /** The stored value as a float when it is a finite number that a float holds. */
    bool finiteFloat (double stored, float* value)
    {
        if (! std::isfinite (stored) || std::abs (stored) > static_cast<double> (std::numeric_limits<float>::max()))
            return false;

        *value = static_cast<float> (stored);
        return true;
    }

    /** The value types a parameter can hold, probed in the order the library chunk uses. */
    enum class ValueType
    {
        Float,
        Int32,
        Bool,
        Double,
        String,
        None
    };

    struct ProbedValue
    {
        ValueType type = ValueType::None;
        float floatValue = 0.0f;
        int32_t intValue = 0;
        bool boolValue = false;
        double doubleValue = 0.0;
        AAX_CString stringValue;
    };

    ProbedValue probeValue (const AAX_IParameter& parameter)
    {
        ProbedValue probed;

        if (parameter.GetValueAsFloat (&probed.floatValue))
            probed.type = ValueType::Float;
        else if (parameter.GetValueAsInt32 (&probed.intValue))
            probed.type = ValueType::Int32;
        else if (parameter.GetValueAsBool (&probed.boolValue))
            probed.type = ValueType::Bool;
        else if (parameter.GetValueAsDouble (&probed.doubleValue))
            probed.type = ValueType::Double;
        else if (parameter.GetValueAsString (&probed.stringValue))
            probed.type = ValueType::String;

        return probed;
    }

    /** The common road of the host's parameter reads: a null out is refused, an absent ID gives
        AAX_ERROR_INVALID_PARAMETER_ID, else the result of read (parameter, *out). */
    template <typename Out, typename Read>
    AAX_Result readParameterInto (const AAX_CParameterManager& manager, AAX_CParamID id, Out* out, Read read)
    {
        if (out == nullptr)
            return AAX_ERROR_NULL_ARGUMENT;

        const AAX_IParameter* parameter = manager.GetParameterByID (id);

        if (parameter == nullptr)
            return AAX_ERROR_INVALID_PARAMETER_ID;

        return read (*parameter, *out);
    }

    /** readParameterInto for a read that cannot fail: *out := get (parameter). */
    template <typename Out, typename Get>
    AAX_Result readParameter (const AAX_CParameterManager& manager, AAX_CParamID id, Out* out, Get get)
    {
        return readParameterInto (manager, id, out, [&get] (const AAX_IParameter& parameter, Out& value)
        {
            value = get (parameter);
            return AAX_SUCCESS;
        });
    }

    /** The common road of the host's parameter changes: an absent ID gives
        AAX_ERROR_INVALID_PARAMETER_ID, else act (parameter). */
    template <typename Act>
    AAX_Result changeParameter (AAX_CParameterManager& manager, AAX_CParamID id, Act act)
    {
        AAX_IParameter* parameter = manager.GetParameterByID (id);

        if (parameter == nullptr)
            return AAX_ERROR_INVALID_PARAMETER_ID;

        act (*parameter);
        return AAX_SUCCESS;
    }

    /** Visits, in index order, every managed parameter whose value the library chunk holds,
        until visit returns false; false then. A missing parameter is reported at
        missingAssertLine, or skipped silently when that is 0. */
    template <typename Manager, typename Visit>
    bool visitChunkedParameters (Manager& manager, const std::set<std::string>& filtered, int32_t missingAssertLine,
                                 Visit visit)
    {
        for (int32_t index = 0; index < manager.NumParameters(); ++index)
        {
            auto* parameter = manager.GetParameter (index);

            if (parameter == nullptr)
            {
                if (missingAssertLine != 0)
                    AAX_CHostServices::HandleAssertFailure (kAssertFile, missingAssertLine, "NULL != parameter",
                                                            kAAX_AssertFlags_Default);
                continue;
            }

            if (filtered.count (parameter->Identifier()) == 0 && ! visit (*parameter))
                return false;
        }

        return true;
    }
} // namespace

AAX_CEffectParameters::AAX_CEffectParameters() = default;

AAX_CEffectParameters::~AAX_CEffectParameters()
{
    // The parameters unregister from the automation delegate as they go, so they go first.
    mParameterManager.RemoveAllParameters();
}

//==============================================================================
AAX_Result AAX_CEffectParameters::Initialize (IACFUnknown* iController)
{
    // The parameters of the first EffectInit point at the first automation delegate wrapper:
    // building again over them would delete it under them.
    if (mController != nullptr)
        return kAAX_Result_AlreadyInitialized;

    mController = std::make_unique<AAX_VController> (iController);

    // Without a host automation delegate there is no wrapper: the parameters then apply value
    // changes at once instead of sending requests nobody answers.
    void* hostDelegate = nullptr;

    if (iController != nullptr
        && ACFSUCCEEDED (iController->QueryInterface (IID_IAAXAutomationDelegateV1, &hostDelegate))
        && hostDelegate != nullptr)
    {
        auto* delegateUnknown = static_cast<AAX_IACFAutomationDelegate*> (hostDelegate);
        mAutomationDelegate = std::make_unique<AAX_VAutomationDelegate> (delegateUnknown);
        delegateUnknown->Release();   // the wrapper holds its own reference
    }

    mTransport = std::make_unique<AAX_VTransport> (iController);

    mParameterManager.Initialize (mAutomationDelegate.get());
    mPacketDispatcher.Initialize (mController.get(), this);

    if (const AAX_Result result = EffectInit(); result != AAX_SUCCESS)
        return result;

    AAX_CString masterBypassID;
    GetMasterBypassParameter (&masterBypassID);
    FilterParameterIDOnSave (masterBypassID.Get());

    int32_t numParameters = 0;
    GetNumberOfParameters (&numParameters);

    if (numParameters > 0)
    {
        mNumChunkedParameters = numParameters - static_cast<int32_t> (mFilteredParameters.size());

        if (mNumChunkedParameters < 0)
            AAX_CHostServices::HandleAssertFailure (kAssertFile, 125, "mNumChunkedParameters >= 0", kAAX_AssertFlags_Default);
    }

    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::Uninitialize()
{
    mParameterManager.RemoveAllParameters();
    mParameterManager.Initialize (nullptr);
    mPacketDispatcher.Initialize (nullptr, this);

    mController.reset();
    mAutomationDelegate.reset();
    mTransport.reset();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::NotificationReceived (AAX_CTypeID inNotificationType, const void* inNotificationData,
                                                         uint32_t inNotificationDataSize)
{
    // The preview state arrives as a 32-bit flag; anything shorter is ignored.
    if (inNotificationType == kPreviewStateNotification && inNotificationData != nullptr
        && inNotificationDataSize >= sizeof (uint32_t))
    {
        if (auto* preview = mParameterManager.GetParameterByID (kPreviewParameterID))
        {
            uint32_t previewState = 0;
            std::memcpy (&previewState, inNotificationData, sizeof (previewState));
            preview->SetValueWithBool (previewState != 0);
        }
    }

    return AAX_SUCCESS;
}

//==============================================================================
AAX_Result AAX_CEffectParameters::GetNumberOfParameters (int32_t* oNumControls) const
{
    if (oNumControls == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *oNumControls = mParameterManager.NumParameters();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetMasterBypassParameter (AAX_IString* oIDString) const
{
    if (oIDString == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    oIDString->Set (mParameterManager.GetParameterByID (cDefaultMasterBypassID) != nullptr ? cDefaultMasterBypassID : "");
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterIsAutomatable (AAX_CParamID iParameterID, AAX_CBoolean* oAutomatable) const
{
    if (oAutomatable != nullptr)
        *oAutomatable = 0;

    return readParameter (mParameterManager, iParameterID, oAutomatable, [] (const AAX_IParameter& p)
                          { return static_cast<AAX_CBoolean> (p.Automatable() ? 1 : 0); });
}

AAX_Result AAX_CEffectParameters::GetParameterNumberOfSteps (AAX_CParamID iParameterID, int32_t* oNumSteps) const
{
    return readParameterInto (mParameterManager, iParameterID, oNumSteps, [] (const AAX_IParameter& p, int32_t& numSteps)
    {
        if (p.GetNumberOfSteps() > static_cast<uint32_t> (std::numeric_limits<int32_t>::max()))
            return AAX_Result { AAX_ERROR_SIGNED_INT_OVERFLOW };

        numSteps = static_cast<int32_t> (p.GetNumberOfSteps());
        return AAX_Result { AAX_SUCCESS };
    });
}

AAX_Result AAX_CEffectParameters::GetParameterName (AAX_CParamID iParameterID, AAX_IString* oName) const
{
    if (oName == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    const AAX_IParameter* parameter = mParameterManager.GetParameterByID (iParameterID);
    oName->Set (parameter != nullptr ? parameter->Name().Get() : "");
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterNameOfLength (AAX_CParamID iParameterID, AAX_IString* oName,
                                                             int32_t iNameLength) const
{
    if (oName == nullptr)
        return AAX_ERROR_INVALID_STRING_CONVERSION;

    const AAX_IParameter* parameter = mParameterManager.GetParameterByID (iParameterID);

    if (parameter == nullptr)
    {
        oName->Set ("");
        return AAX_SUCCESS;
    }

    // The shortened name may hold several variants, one per line: the longest line that fits
    // wins, the first of equal ones.
    const AAX_CString& shortened = parameter->ShortenedName (iNameLength);
    const std::string text (shortened.Get(), std::min<uint32_t> (shortened.Length(), 255u));

    if (text.empty())
        return AAX_SUCCESS;

    std::string taken;
    size_t lineStart = 0;

    while (lineStart <= text.size())
    {
        const size_t lineEnd = std::min (text.find ('\n', lineStart), text.size());
        const size_t lineLength = lineEnd - lineStart;

        if (lineLength > taken.size() && static_cast<int64_t> (lineLength) <= iNameLength)
            taken = text.substr (lineStart, lineLength);

        lineStart = lineEnd + 1;
    }

    if (! taken.empty())
        oName->Set (taken.c_str());
    else if (iNameLength < 1)
        oName->Set ("");
    else
        oName->Set (text.substr (0, static_cast<size_t> (iNameLength)).c_str());

    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterDefaultNormalizedValue (AAX_CParamID iParameterID, double* oValue) const
{
    return readParameter (mParameterManager, iParameterID, oValue,
                          [] (const AAX_IParameter& p) { return p.GetNormalizedDefaultValue(); });
}

AAX_Result AAX_CEffectParameters::SetParameterDefaultNormalizedValue (AAX_CParamID iParameterID, double iValue)
{
    return changeParameter (mParameterManager, iParameterID, [=] (AAX_IParameter& p) { p.SetNormalizedDefaultValue (iValue); });
}

AAX_Result AAX_CEffectParameters::GetParameterType (AAX_CParamID iParameterID, AAX_EParameterType* oParameterType) const
{
    return readParameter (mParameterManager, iParameterID, oParameterType,
                          [] (const AAX_IParameter& p) { return p.GetType(); });
}

AAX_Result AAX_CEffectParameters::GetParameterOrientation (AAX_CParamID iParameterID,
                                                            AAX_EParameterOrientation* oParameterOrientation) const
{
    return readParameter (mParameterManager, iParameterID, oParameterOrientation,
                          [] (const AAX_IParameter& p) { return p.GetOrientation(); });
}

AAX_Result AAX_CEffectParameters::GetParameter (AAX_CParamID iParameterID, AAX_IParameter** oParameter)
{
    if (oParameter == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *oParameter = mParameterManager.GetParameterByID (iParameterID);
    return *oParameter != nullptr ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterIndex (AAX_CParamID iParameterID, int32_t* oControlIndex) const
{
    if (oControlIndex == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *oControlIndex = -1;

    if (iParameterID == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;

    for (int32_t index = 0; index < mParameterManager.NumParameters(); ++index)
    {
        const AAX_IParameter* parameter = mParameterManager.GetParameter (index);

        if (parameter != nullptr && std::strcmp (parameter->Identifier(), iParameterID) == 0)
        {
            *oControlIndex = index;
            return AAX_SUCCESS;
        }
    }

    return AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterIDFromIndex (int32_t iControlIndex, AAX_IString* oParameterIDString) const
{
    if (oParameterIDString == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    const AAX_IParameter* parameter = mParameterManager.GetParameter (iControlIndex);
    oParameterIDString->Set (parameter != nullptr ? parameter->Identifier() : "");
    return parameter != nullptr ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterValueInfo (AAX_CParamID, int32_t, int32_t* oValue) const
{
    if (oValue != nullptr)
        *oValue = 0;

    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetParameterValueFromString (AAX_CParamID iParameterID, double* oValue,
                                                                const AAX_IString& iValueString) const
{
    return readParameterInto (mParameterManager, iParameterID, oValue, [&] (const AAX_IParameter& p, double& value)
    {
        double normalizedValue = 0.0;

        if (! p.GetNormalizedValueFromString (AAX_CString (iValueString), &normalizedValue))
            return AAX_Result { AAX_ERROR_INVALID_STRING_CONVERSION };

        value = normalizedValue;
        return AAX_Result { AAX_SUCCESS };
    });
}

AAX_Result AAX_CEffectParameters::GetParameterStringFromValue (AAX_CParamID iParameterID, double iValue,
                                                                AAX_IString* oValueString, int32_t iMaxLength) const
{
    return readParameterInto (mParameterManager, iParameterID, oValueString, [=] (const AAX_IParameter& p, AAX_IString& out)
    {
        AAX_CString text;

        if (! p.GetStringFromNormalizedValue (iValue, iMaxLength, text))
            return AAX_Result { AAX_ERROR_INVALID_STRING_CONVERSION };

        out = text;
        return AAX_Result { AAX_SUCCESS };
    });
}

AAX_Result AAX_CEffectParameters::GetParameterValueString (AAX_CParamID iParameterID, AAX_IString* oValueString,
                                                            int32_t iMaxLength) const
{
    return readParameterInto (mParameterManager, iParameterID, oValueString, [=] (const AAX_IParameter& p, AAX_IString& out)
    {
        // The text goes out whatever the display made of it.
        AAX_CString text;
        p.GetValueString (iMaxLength, &text);
        out = text;
        return AAX_Result { AAX_SUCCESS };
    });
}

AAX_Result AAX_CEffectParameters::GetParameterNormalizedValue (AAX_CParamID iParameterID, double* oValuePtr) const
{
    return readParameter (mParameterManager, iParameterID, oValuePtr,
                          [] (const AAX_IParameter& p) { return p.GetNormalizedValue(); });
}

AAX_Result AAX_CEffectParameters::SetParameterNormalizedValue (AAX_CParamID iParameterID, double iValue)
{
    return changeParameter (mParameterManager, iParameterID, [=] (AAX_IParameter& p) { p.SetNormalizedValue (iValue); });
}

AAX_Result AAX_CEffectParameters::SetParameterNormalizedRelative (AAX_CParamID iParameterID, double iValue)
{
    double value = 0.0;

    if (const AAX_Result result = GetParameterNormalizedValue (iParameterID, &value); result != AAX_SUCCESS)
        return result;

    return SetParameterNormalizedValue (iParameterID, std::clamp (value + iValue, 0.0, 1.0));
}

//==============================================================================
AAX_Result AAX_CEffectParameters::TouchParameter (AAX_CParamID iParameterID)
{
    return changeParameter (mParameterManager, iParameterID, [] (AAX_IParameter& p) { p.Touch(); });
}

AAX_Result AAX_CEffectParameters::ReleaseParameter (AAX_CParamID iParameterID)
{
    return changeParameter (mParameterManager, iParameterID, [] (AAX_IParameter& p) { p.Release(); });
}

AAX_Result AAX_CEffectParameters::UpdateParameterTouch (AAX_CParamID, AAX_CBoolean)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedValue (AAX_CParamID iParameterID, double iValue, AAX_EUpdateSource)
{
    AAX_IParameter* parameter = mParameterManager.GetParameterByID (iParameterID);

    if (parameter == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;

    // The parameter stores what the host sends in its own type and range, so only the stored
    // value before and after tells whether this update changed anything.
    const double before = parameter->GetNormalizedValue();
    parameter->UpdateNormalizedValue (iValue);
    const double after = parameter->GetNormalizedValue();
    mPacketDispatcher.SetDirty (iParameterID, true);

    if (! (before == after))   // a NaN counts as a change
        ++mNumPlugInChanges;

    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedRelative (AAX_CParamID iParameterID, double iValue)
{
    double value = 0.0;

    if (const AAX_Result result = GetParameterNormalizedValue (iParameterID, &value); result != AAX_SUCCESS)
        return result;

    return UpdateParameterNormalizedValue (iParameterID, std::clamp (value + iValue, 0.0, 1.0), AAX_eUpdateSource_Unspecified);
}

//==============================================================================
AAX_Result AAX_CEffectParameters::GenerateCoefficients()
{
    return mPacketDispatcher.Dispatch();
}

AAX_Result AAX_CEffectParameters::ResetFieldData (AAX_CFieldIndex, void* oData, uint32_t inDataSize) const
{
    if (oData != nullptr)
        std::memset (oData, 0, inDataSize);

    return AAX_SUCCESS;
}

//==============================================================================
AAX_Result AAX_CEffectParameters::GetNumberOfChunks (int32_t* oNumChunks) const
{
    if (oNumChunks == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *oNumChunks = 1;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunkIDFromIndex (int32_t iIndex, AAX_CTypeID* oChunkID) const
{
    if (oChunkID == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *oChunkID = iIndex == 0 ? kElckChunkID : 0;
    return iIndex == 0 ? AAX_SUCCESS : AAX_ERROR_INVALID_CHUNK_INDEX;
}

AAX_Result AAX_CEffectParameters::GetChunkSize (AAX_CTypeID iChunkID, uint32_t* oSize) const
{
    if (oSize == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    if (iChunkID != kElckChunkID)
    {
        *oSize = 0;
        return AAX_ERROR_INVALID_CHUNK_ID;
    }

    BuildChunkData();
    mChunkSize = mChunkParser.GetChunkDataSize();

    if (mChunkSize < 0)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;

    *oSize = static_cast<uint32_t> (mChunkSize);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunk (AAX_CTypeID iChunkID, AAX_SPlugInChunk* oChunk) const
{
    if (iChunkID != kElckChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;

    if (oChunk == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    // The host allocated the chunk for the size it asked for last: refuse anything else.
    BuildChunkData();

    if (mChunkSize == 0 || mChunkParser.GetChunkDataSize() != mChunkSize)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;

    oChunk->fVersion = mChunkParser.GetChunkVersion();
    std::memset (oChunk->fName, 0, sizeof (oChunk->fName));
    std::memcpy (oChunk->fName, kElckChunkName, sizeof (kElckChunkName) - 1);
    return mChunkParser.GetChunkData (oChunk);
}

AAX_Result AAX_CEffectParameters::SetChunk (AAX_CTypeID iChunkID, const AAX_SPlugInChunk* iChunk)
{
    if (iChunkID != kElckChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;

    mChunkParser.LoadChunk (iChunk);

    // Values go through the host like any other change; a record that is missing, of another
    // type or not a finite number leaves the parameter as it is.
    visitChunkedParameters (mParameterManager, mFilteredParameters, 0, [this] (AAX_IParameter& parameter)
    {
        const char* id = parameter.Identifier();
        double storedDouble = 0.0;
        int32_t storedInt = 0;
        float floatValue = 0.0f;
        AAX_CString storedString;

        switch (probeValue (parameter).type)
        {
            case ValueType::Float:
                if (mChunkParser.FindDouble (id, &storedDouble) && finiteFloat (storedDouble, &floatValue))
                    parameter.SetValueWithFloat (floatValue);
                break;
            case ValueType::Int32:
                if (mChunkParser.FindInt32 (id, &storedInt))
                    parameter.SetValueWithInt32 (storedInt);
                break;
            case ValueType::Bool:
                if (mChunkParser.FindInt32 (id, &storedInt))
                    parameter.SetValueWithBool (storedInt != 0);
                break;
            case ValueType::Double:
                if (mChunkParser.FindDouble (id, &storedDouble) && std::isfinite (storedDouble))
                    parameter.SetValueWithDouble (storedDouble);
                break;
            case ValueType::String:
                if (mChunkParser.FindString (id, &storedString))
                    parameter.SetValueWithString (storedString);
                break;
            case ValueType::None:
                break;
        }

        return true;
    });

    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::CompareActiveChunk (const AAX_SPlugInChunk* iChunkP, AAX_CBoolean* oIsEqual) const
{
    if (oIsEqual == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    // A chunk that is not the library's says nothing about the parameters.
    if (iChunkP == nullptr || iChunkP->fChunkID != kElckChunkID)
    {
        *oIsEqual = 1;
        return AAX_SUCCESS;
    }

    *oIsEqual = 0;
    mChunkParser.LoadChunk (iChunkP);

    const bool allEqual = visitChunkedParameters (mParameterManager, mFilteredParameters, 664,
                                                  [this] (const AAX_IParameter& parameter)
    {
        const char* id = parameter.Identifier();
        const ProbedValue current = probeValue (parameter);
        double storedDouble = 0.0;
        int32_t storedInt = 0;
        float storedFloat = 0.0f;
        float currentFloat = 0.0f;
        AAX_CString storedString;

        switch (current.type)
        {
            case ValueType::Float:
                return mChunkParser.FindDouble (id, &storedDouble) && finiteFloat (storedDouble, &storedFloat)
                    && current.floatValue == storedFloat;
            case ValueType::Int32:
                return mChunkParser.FindInt32 (id, &storedInt) && current.intValue == storedInt;
            case ValueType::Bool:
                return mChunkParser.FindInt32 (id, &storedInt) && current.boolValue == (storedInt != 0);
            case ValueType::Double:
                return mChunkParser.FindDouble (id, &storedDouble) && finiteFloat (storedDouble, &storedFloat)
                    && finiteFloat (current.doubleValue, &currentFloat) && currentFloat == storedFloat;
            case ValueType::String:
                return mChunkParser.FindString (id, &storedString)
                    && std::strcmp (current.stringValue.Get(), storedString.Get()) == 0;
            case ValueType::None:
                break;
        }

        return true;   // a parameter with no value type has nothing to differ in
    });

    *oIsEqual = allEqual ? 1 : 0;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetNumberOfChanges (int32_t* oNumChanges) const
{
    if (oNumChanges == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    if (const int32_t changes = mNumPlugInChanges.load(); changes >= 0)
        *oNumChanges = changes;

    return AAX_SUCCESS;
}

//==============================================================================
AAX_Result AAX_CEffectParameters::TimerWakeup()
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetCurveData (AAX_CTypeID, const float*, uint32_t, float*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetCustomData (AAX_CTypeID, uint32_t, void*, uint32_t* oDataWritten) const
{
    if (oDataWritten != nullptr)
        *oDataWritten = 0;

    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::SetCustomData (AAX_CTypeID, uint32_t, const void*)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::DoMIDITransfers()
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::RenderAudio_Hybrid (AAX_SHybridRenderInfo*)
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::UpdateMIDINodes (AAX_CFieldIndex, AAX_CMidiPacket&)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::UpdateControlMIDINodes (AAX_CTypeID, AAX_CMidiPacket&)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetCurveDataMeterIds (AAX_CTypeID, uint32_t*, uint32_t*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetCurveDataDisplayRange (AAX_CTypeID, float*, float*, float*, float*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::UpdatePageTable (uint32_t inTableType, int32_t inTablePageSize, IACFUnknown*,
                                                    IACFUnknown* ioPageTableUnknown) const
{
    AAX_VPageTable pageTable (ioPageTableUnknown);

    if (! pageTable.IsSupported())
        return AAX_SUCCESS;

    return UpdatePageTable (inTableType, inTablePageSize, pageTable);
}

//==============================================================================
AAX_Result AAX_CEffectParameters::EffectInit()
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::UpdatePageTable (uint32_t, int32_t, AAX_IPageTable&) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_IController* AAX_CEffectParameters::Controller()
{
    return mController.get();
}

const AAX_IController* AAX_CEffectParameters::Controller() const
{
    return mController.get();
}

AAX_ITransport* AAX_CEffectParameters::Transport()
{
    return mTransport.get();
}

const AAX_ITransport* AAX_CEffectParameters::Transport() const
{
    return mTransport.get();
}

void AAX_CEffectParameters::FilterParameterIDOnSave (AAX_CParamID id)
{
    if (id != nullptr)
        mFilteredParameters.insert (id);
}

void AAX_CEffectParameters::BuildChunkData() const
{
    mChunkParser.Clear();

    visitChunkedParameters (mParameterManager, mFilteredParameters, 812, [this] (const AAX_IParameter& parameter)
    {
        const char* id = parameter.Identifier();
        const ProbedValue value = probeValue (parameter);

        switch (value.type)
        {
            case ValueType::Float:  mChunkParser.AddDouble (id, value.floatValue); break;
            case ValueType::Int32:  mChunkParser.AddInt32 (id, value.intValue); break;
            case ValueType::Bool:   mChunkParser.AddInt32 (id, value.boolValue ? 1 : 0); break;
            case ValueType::Double: mChunkParser.AddDouble (id, value.doubleValue); break;
            case ValueType::String: mChunkParser.AddString (id, value.stringValue); break;
            case ValueType::None:   break;
        }

        return true;
    });
}
