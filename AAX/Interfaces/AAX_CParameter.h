#pragma once

#include "AAX_Assert.h"
#include "AAX_IAutomationDelegate.h"
#include "AAX_IParameter.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <map>
#include <memory>
#include <type_traits>

/** A parameter's primary name and its shortened variants, one per length. */
class AAX_CStringAbbreviations
{
public:
    explicit AAX_CStringAbbreviations (const AAX_CString& primary);

    void SetPrimary (const AAX_CString& primary);
    const AAX_CString& Primary() const;
    /** Files name under its length, replacing an earlier name of the same length. */
    void Add (const AAX_CString& name);
    /** The longest variant not above numCharacters (see AAX_IParameter::ShortenedName). */
    const AAX_CString& Get (int32_t numCharacters) const;
    void Clear();

private:
    AAX_CString mPrimary;
    std::map<uint32_t, AAX_CString> mStrings;
};

/** A typed parameter value with its identifier (at most 31 characters): a parameter's current
    value, or a snapshot of it. The host writes a parameter's value on one thread while another
    reads it into coefficient packets, so the value is atomic; it stands alone (nothing else is
    published with it), so relaxed order is enough. */
template <typename T>
class AAX_CParameterValue : public AAX_IParameterValue
{
public:
    explicit AAX_CParameterValue (AAX_CParamID identifier);
    AAX_CParameterValue (AAX_CParamID identifier, const T& value);
    AAX_CParameterValue (const AAX_CParameterValue& other);
    ~AAX_CParameterValue() override;

    AAX_CParameterValue& operator= (const AAX_CParameterValue&) = delete;

    AAX_IParameterValue* Clone() const override;
    AAX_CParamID Identifier() const override;
    bool GetValueAsBool (bool* value) const override;
    bool GetValueAsInt32 (int32_t* value) const override;
    bool GetValueAsFloat (float* value) const override;
    bool GetValueAsDouble (double* value) const override;
    bool GetValueAsString (AAX_IString* value) const override;

    T Get() const;
    void Set (const T& value);

private:
    char mIdentifier[kAAX_ParameterIdentifierMaxSize];
    std::atomic<T> mValue;
};

/** The library's parameter: a value in real units, exchanged with the host as a normalized value
    through a cloned taper, shown as text through a cloned display. */
template <typename T>
class AAX_CParameter : public AAX_IParameter
{
public:
    AAX_CParameter (AAX_CParamID identifier, const AAX_IString& name, T defaultValue,
                    const AAX_ITaperDelegate<T>& taperDelegate, const AAX_IDisplayDelegate<T>& displayDelegate,
                    bool automatable);
    ~AAX_CParameter() override;

    AAX_CParameter (const AAX_CParameter&) = delete;
    AAX_CParameter& operator= (const AAX_CParameter&) = delete;

    AAX_IParameterValue* CloneValue() const override;

    AAX_CParamID Identifier() const override;
    void SetName (const AAX_CString& name) override;
    const AAX_CString& Name() const override;
    void AddShortenedName (const AAX_CString& name) override;
    const AAX_CString& ShortenedName (int32_t iNumCharacters) const override;
    void ClearShortenedNames() override;

    bool Automatable() const override;
    void SetAutomationDelegate (AAX_IAutomationDelegate* iAutomationDelegate) override;
    void Touch() override;
    void Release() override;

    void SetNormalizedValue (double newNormalizedValue) override;
    double GetNormalizedValue() const override;
    void SetNormalizedDefaultValue (double normalizedDefault) override;
    double GetNormalizedDefaultValue() const override;
    void SetToDefaultValue() override;

    void SetNumberOfSteps (uint32_t numSteps) override;
    uint32_t GetNumberOfSteps() const override;
    uint32_t GetStepValue() const override;
    double GetNormalizedValueFromStep (uint32_t iStep) const override;
    uint32_t GetStepValueFromNormalizedValue (double normalizedValue) const override;
    void SetStepValue (uint32_t iStep) override;

    bool GetValueString (AAX_CString* valueString) const override;
    bool GetValueString (int32_t iMaxNumChars, AAX_CString* valueString) const override;

    bool GetNormalizedValueFromBool (bool value, double* normalizedValue) const override;
    bool GetNormalizedValueFromInt32 (int32_t value, double* normalizedValue) const override;
    bool GetNormalizedValueFromFloat (float value, double* normalizedValue) const override;
    bool GetNormalizedValueFromDouble (double value, double* normalizedValue) const override;
    bool GetNormalizedValueFromString (const AAX_CString& valueString, double* normalizedValue) const override;

    bool GetBoolFromNormalizedValue (double normalizedValue, bool* value) const override;
    bool GetInt32FromNormalizedValue (double normalizedValue, int32_t* value) const override;
    bool GetFloatFromNormalizedValue (double normalizedValue, float* value) const override;
    bool GetDoubleFromNormalizedValue (double normalizedValue, double* value) const override;
    bool GetStringFromNormalizedValue (double normalizedValue, AAX_CString& valueString) const override;
    bool GetStringFromNormalizedValue (double normalizedValue, int32_t iMaxNumChars, AAX_CString& valueString) const override;

    bool SetValueFromString (const AAX_CString& newValueString) override;

    bool GetValueAsBool (bool* value) const override;
    bool GetValueAsInt32 (int32_t* value) const override;
    bool GetValueAsFloat (float* value) const override;
    bool GetValueAsDouble (double* value) const override;
    bool GetValueAsString (AAX_IString* value) const override;

    bool SetValueWithBool (bool value) override;
    bool SetValueWithInt32 (int32_t value) override;
    bool SetValueWithFloat (float value) override;
    bool SetValueWithDouble (double value) override;
    bool SetValueWithString (const AAX_IString& value) override;

    void SetType (AAX_EParameterType iControlType) override;
    AAX_EParameterType GetType() const override;
    void SetOrientation (AAX_EParameterOrientation iOrientation) override;
    AAX_EParameterOrientation GetOrientation() const override;

    void SetTaperDelegate (AAX_ITaperDelegateBase& inTaperDelegate, bool inPreserveValue) override;
    void SetDisplayDelegate (AAX_IDisplayDelegateBase& inDisplayDelegate) override;

    void UpdateNormalizedValue (double newNormalizedValue) override;

private:
    /** The host road of every value change: touch, set request, release with a delegate;
        without one the value is applied at once. */
    void SetNormalizedValueThroughHost (double normalizedValue);

    // The typed conversions and setters: each succeeds only for the parameter's own type T.
    template <typename V>
    bool NormalizedValueFromTyped (V value, double* normalizedValue) const;
    template <typename V>
    bool TypedFromNormalizedValue (double normalizedValue, V* value) const;
    template <typename V>
    bool SetTypedValue (V value);

    AAX_CStringAbbreviations mNames;
    bool mAutomatable;
    uint32_t mNumSteps = 0;
    AAX_EParameterType mControlType = AAX_eParameterType_Continuous;
    AAX_EParameterOrientation mOrientation = AAX_eParameterOrientation_Default;
    std::unique_ptr<AAX_ITaperDelegate<T>> mTaperDelegate;
    std::unique_ptr<AAX_IDisplayDelegate<T>> mDisplayDelegate;
    AAX_IAutomationDelegate* mAutomationDelegate = nullptr;
    bool mNeedNotify = true;   // forces the next UpdateNormalizedValue to store and report
    AAX_CParameterValue<T> mValue;
    T mDefaultValue;
};

//==============================================================================
namespace AAX_ParameterDetail
{
    /** The source path that the parameter's assertion reports name. */
    inline constexpr char kAssertFile[] = "/Library/SDKs/AAX/Interfaces/AAX_CParameter";

    /** Writes value to out when the parameter's type is Wanted; false otherwise. */
    template <typename Wanted, typename T>
    bool writeIfOfType (const T& value, Wanted* out)
    {
        if constexpr (std::is_same_v<T, Wanted>)
        {
            if (out == nullptr)
                return false;

            *out = value;
            return true;
        }
        else
        {
            (void) value;
            (void) out;
            return false;
        }
    }
} // namespace AAX_ParameterDetail

//==============================================================================
template <typename T>
AAX_CParameterValue<T>::AAX_CParameterValue (AAX_CParamID identifier)
    : AAX_CParameterValue (identifier, T {})
{
}

template <typename T>
AAX_CParameterValue<T>::AAX_CParameterValue (AAX_CParamID identifier, const T& value)
    : mValue (value)
{
    const char* text = identifier != nullptr ? identifier : "";
    size_t length = std::strlen (text);

    if (length >= static_cast<size_t> (kAAX_ParameterIdentifierMaxSize))
    {
        AAX_CHostServices::HandleAssertFailure (AAX_ParameterDetail::kAssertFile, 191,
                                                "len < eParemeterDefaultMaxIdentifierSize", kAAX_AssertFlags_Default);
        length = static_cast<size_t> (kAAX_ParameterIdentifierMaxSize - 1);
    }

    std::memcpy (mIdentifier, text, length);
    mIdentifier[length] = '\0';
}

template <typename T>
AAX_CParameterValue<T>::AAX_CParameterValue (const AAX_CParameterValue& other)
    : AAX_IParameterValue(), mValue (other.Get())
{
    std::memcpy (mIdentifier, other.mIdentifier, sizeof (mIdentifier));
}

template <typename T>
AAX_CParameterValue<T>::~AAX_CParameterValue() = default;

template <typename T>
AAX_IParameterValue* AAX_CParameterValue<T>::Clone() const
{
    return new AAX_CParameterValue (*this);
}

template <typename T>
AAX_CParamID AAX_CParameterValue<T>::Identifier() const
{
    return mIdentifier;
}

template <typename T>
bool AAX_CParameterValue<T>::GetValueAsBool (bool* value) const
{
    return AAX_ParameterDetail::writeIfOfType (Get(), value);
}

template <typename T>
bool AAX_CParameterValue<T>::GetValueAsInt32 (int32_t* value) const
{
    return AAX_ParameterDetail::writeIfOfType (Get(), value);
}

template <typename T>
bool AAX_CParameterValue<T>::GetValueAsFloat (float* value) const
{
    return AAX_ParameterDetail::writeIfOfType (Get(), value);
}

template <typename T>
bool AAX_CParameterValue<T>::GetValueAsDouble (double* value) const
{
    return AAX_ParameterDetail::writeIfOfType (Get(), value);
}

template <typename T>
bool AAX_CParameterValue<T>::GetValueAsString (AAX_IString*) const
{
    return false;
}

template <typename T>
T AAX_CParameterValue<T>::Get() const
{
    return mValue.load (std::memory_order_relaxed);
}

template <typename T>
void AAX_CParameterValue<T>::Set (const T& value)
{
    mValue.store (value, std::memory_order_relaxed);
}

//==============================================================================
template <typename T>
AAX_CParameter<T>::AAX_CParameter (AAX_CParamID identifier, const AAX_IString& name, T defaultValue,
                                   const AAX_ITaperDelegate<T>& taperDelegate,
                                   const AAX_IDisplayDelegate<T>& displayDelegate, bool automatable)
    : mNames (AAX_CString (name.Get())),
      mAutomatable (automatable),
      mTaperDelegate (taperDelegate.Clone()),
      mDisplayDelegate (displayDelegate.Clone()),
      mValue (identifier),
      mDefaultValue (defaultValue)
{
    switch (mControlType)
    {
        case AAX_eParameterType_Continuous: SetNumberOfSteps (128); break;
        case AAX_eParameterType_Discrete:   SetNumberOfSteps (2); break;
        default:
            AAX_CHostServices::HandleAssertFailure (AAX_ParameterDetail::kAssertFile, 696, "0", kAAX_AssertFlags_Default);
            break;
    }

    SetToDefaultValue();
}

template <typename T>
AAX_CParameter<T>::~AAX_CParameter()
{
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->UnregisterParameter (Identifier());
}

template <typename T>
AAX_IParameterValue* AAX_CParameter<T>::CloneValue() const
{
    return new AAX_CParameterValue<T> (mValue.Identifier(), mValue.Get());
}

template <typename T>
AAX_CParamID AAX_CParameter<T>::Identifier() const
{
    return mValue.Identifier();
}

template <typename T>
void AAX_CParameter<T>::SetName (const AAX_CString& name)
{
    mNames.SetPrimary (name);
}

template <typename T>
const AAX_CString& AAX_CParameter<T>::Name() const
{
    return mNames.Primary();
}

template <typename T>
void AAX_CParameter<T>::AddShortenedName (const AAX_CString& name)
{
    mNames.Add (name);
}

template <typename T>
const AAX_CString& AAX_CParameter<T>::ShortenedName (int32_t iNumCharacters) const
{
    return mNames.Get (iNumCharacters);
}

template <typename T>
void AAX_CParameter<T>::ClearShortenedNames()
{
    mNames.Clear();
}

template <typename T>
bool AAX_CParameter<T>::Automatable() const
{
    return mAutomatable;
}

template <typename T>
void AAX_CParameter<T>::SetAutomationDelegate (AAX_IAutomationDelegate* iAutomationDelegate)
{
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->UnregisterParameter (Identifier());

    mAutomationDelegate = iAutomationDelegate;

    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->RegisterParameter (Identifier());
}

template <typename T>
void AAX_CParameter<T>::Touch()
{
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->PostTouchRequest (Identifier());
}

template <typename T>
void AAX_CParameter<T>::Release()
{
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->PostReleaseRequest (Identifier());
}

template <typename T>
void AAX_CParameter<T>::SetNormalizedValueThroughHost (double normalizedValue)
{
    if (mAutomationDelegate != nullptr)
    {
        // The host records the change and answers with UpdateNormalizedValue.
        Touch();
        mAutomationDelegate->PostSetValueRequest (Identifier(), normalizedValue);
        Release();
    }
    else
    {
        mNeedNotify = true;
        UpdateNormalizedValue (normalizedValue);
    }
}

template <typename T>
void AAX_CParameter<T>::SetNormalizedValue (double newNormalizedValue)
{
    SetNormalizedValueThroughHost (mTaperDelegate->RealToNormalized (mTaperDelegate->NormalizedToReal (newNormalizedValue)));
}

template <typename T>
double AAX_CParameter<T>::GetNormalizedValue() const
{
    return mTaperDelegate->RealToNormalized (mValue.Get());
}

template <typename T>
void AAX_CParameter<T>::SetNormalizedDefaultValue (double normalizedDefault)
{
    mDefaultValue = mTaperDelegate->ConstrainRealValue (mTaperDelegate->NormalizedToReal (normalizedDefault));
}

template <typename T>
double AAX_CParameter<T>::GetNormalizedDefaultValue() const
{
    return mTaperDelegate->RealToNormalized (mDefaultValue);
}

template <typename T>
void AAX_CParameter<T>::SetToDefaultValue()
{
    SetNormalizedValueThroughHost (mTaperDelegate->RealToNormalized (mDefaultValue));
}

template <typename T>
void AAX_CParameter<T>::SetNumberOfSteps (uint32_t numSteps)
{
    if (numSteps == 0)
    {
        AAX_CHostServices::HandleAssertFailure (AAX_ParameterDetail::kAssertFile, 831, "0 < numSteps", kAAX_AssertFlags_Default);
        return;
    }

    mNumSteps = numSteps;
}

template <typename T>
uint32_t AAX_CParameter<T>::GetNumberOfSteps() const
{
    return mNumSteps;
}

template <typename T>
uint32_t AAX_CParameter<T>::GetStepValue() const
{
    return GetStepValueFromNormalizedValue (GetNormalizedValue());
}

template <typename T>
double AAX_CParameter<T>::GetNormalizedValueFromStep (uint32_t iStep) const
{
    if (mNumSteps < 2)
        return 0.0;

    const double stepSize = 1.0 / static_cast<double> (mNumSteps - 1);
    return std::clamp (static_cast<double> (iStep) * stepSize, 0.0, 1.0);
}

template <typename T>
uint32_t AAX_CParameter<T>::GetStepValueFromNormalizedValue (double normalizedValue) const
{
    if (mNumSteps < 2)
        return 0;

    const double stepSize = 1.0 / static_cast<double> (mNumSteps - 1);
    const double step = normalizedValue / stepSize + 0.5;

    if (! (step > 0.0))   // also a NaN
        return 0;

    return static_cast<uint32_t> (std::min (step, static_cast<double> (mNumSteps - 1)));
}

template <typename T>
void AAX_CParameter<T>::SetStepValue (uint32_t iStep)
{
    if (mNumSteps >= 2)
        SetNormalizedValue (GetNormalizedValueFromStep (iStep));
}

template <typename T>
bool AAX_CParameter<T>::GetValueString (AAX_CString* valueString) const
{
    return mDisplayDelegate->ValueToString (mValue.Get(), valueString);
}

template <typename T>
bool AAX_CParameter<T>::GetValueString (int32_t iMaxNumChars, AAX_CString* valueString) const
{
    return mDisplayDelegate->ValueToString (mValue.Get(), iMaxNumChars, valueString);
}

template <typename T>
template <typename V>
bool AAX_CParameter<T>::NormalizedValueFromTyped (V value, double* normalizedValue) const
{
    if constexpr (std::is_same_v<T, V>)
    {
        if (normalizedValue == nullptr)
            return false;

        *normalizedValue = mTaperDelegate->RealToNormalized (value);
        return true;
    }
    else
    {
        (void) value;
        (void) normalizedValue;
        return false;
    }
}

template <typename T>
template <typename V>
bool AAX_CParameter<T>::TypedFromNormalizedValue (double normalizedValue, V* value) const
{
    if constexpr (std::is_same_v<T, V>)
        return AAX_ParameterDetail::writeIfOfType (mTaperDelegate->NormalizedToReal (normalizedValue), value);
    else
    {
        (void) normalizedValue;
        (void) value;
        return false;
    }
}

template <typename T>
template <typename V>
bool AAX_CParameter<T>::SetTypedValue (V value)
{
    if constexpr (std::is_same_v<T, V>)
    {
        SetNormalizedValueThroughHost (mTaperDelegate->RealToNormalized (value));
        return true;
    }
    else
    {
        (void) value;
        return false;
    }
}

template <typename T>
bool AAX_CParameter<T>::GetNormalizedValueFromBool (bool value, double* normalizedValue) const
{
    return NormalizedValueFromTyped (value, normalizedValue);
}

template <typename T>
bool AAX_CParameter<T>::GetNormalizedValueFromInt32 (int32_t value, double* normalizedValue) const
{
    return NormalizedValueFromTyped (value, normalizedValue);
}

template <typename T>
bool AAX_CParameter<T>::GetNormalizedValueFromFloat (float value, double* normalizedValue) const
{
    return NormalizedValueFromTyped (value, normalizedValue);
}

template <typename T>
bool AAX_CParameter<T>::GetNormalizedValueFromDouble (double value, double* normalizedValue) const
{
    return NormalizedValueFromTyped (value, normalizedValue);
}

template <typename T>
bool AAX_CParameter<T>::GetNormalizedValueFromString (const AAX_CString& valueString, double* normalizedValue) const
{
    T value {};

    if (! mDisplayDelegate->StringToValue (valueString, &value))
        return false;

    if (normalizedValue != nullptr)
        *normalizedValue = mTaperDelegate->RealToNormalized (value);

    return true;
}

template <typename T>
bool AAX_CParameter<T>::GetBoolFromNormalizedValue (double normalizedValue, bool* value) const
{
    return TypedFromNormalizedValue (normalizedValue, value);
}

template <typename T>
bool AAX_CParameter<T>::GetInt32FromNormalizedValue (double normalizedValue, int32_t* value) const
{
    return TypedFromNormalizedValue (normalizedValue, value);
}

template <typename T>
bool AAX_CParameter<T>::GetFloatFromNormalizedValue (double normalizedValue, float* value) const
{
    return TypedFromNormalizedValue (normalizedValue, value);
}

template <typename T>
bool AAX_CParameter<T>::GetDoubleFromNormalizedValue (double normalizedValue, double* value) const
{
    return TypedFromNormalizedValue (normalizedValue, value);
}

template <typename T>
bool AAX_CParameter<T>::GetStringFromNormalizedValue (double normalizedValue, AAX_CString& valueString) const
{
    const T value = mTaperDelegate->NormalizedToReal (normalizedValue);

    return mDisplayDelegate->ValueToString (value, &valueString)
        && ! (value > mTaperDelegate->GetMaximumValue() || mTaperDelegate->GetMinimumValue() > value);
}

template <typename T>
bool AAX_CParameter<T>::GetStringFromNormalizedValue (double normalizedValue, int32_t iMaxNumChars,
                                                      AAX_CString& valueString) const
{
    const T value = mTaperDelegate->NormalizedToReal (normalizedValue);

    return mDisplayDelegate->ValueToString (value, iMaxNumChars, &valueString)
        && ! (value > mTaperDelegate->GetMaximumValue() || mTaperDelegate->GetMinimumValue() > value);
}

template <typename T>
bool AAX_CParameter<T>::SetValueFromString (const AAX_CString& newValueString)
{
    T value {};

    if (! mDisplayDelegate->StringToValue (newValueString, &value))
        return false;

    SetNormalizedValueThroughHost (mTaperDelegate->RealToNormalized (value));
    return true;
}

template <typename T>
bool AAX_CParameter<T>::GetValueAsBool (bool* value) const
{
    return mValue.GetValueAsBool (value);
}

template <typename T>
bool AAX_CParameter<T>::GetValueAsInt32 (int32_t* value) const
{
    return mValue.GetValueAsInt32 (value);
}

template <typename T>
bool AAX_CParameter<T>::GetValueAsFloat (float* value) const
{
    return mValue.GetValueAsFloat (value);
}

template <typename T>
bool AAX_CParameter<T>::GetValueAsDouble (double* value) const
{
    return mValue.GetValueAsDouble (value);
}

template <typename T>
bool AAX_CParameter<T>::GetValueAsString (AAX_IString* value) const
{
    if (value == nullptr)
        return false;

    AAX_CString text;
    const bool written = GetValueString (&text);

    if (written)
        *value = text;

    return written;
}

template <typename T>
bool AAX_CParameter<T>::SetValueWithBool (bool value)
{
    return SetTypedValue (value);
}

template <typename T>
bool AAX_CParameter<T>::SetValueWithInt32 (int32_t value)
{
    return SetTypedValue (value);
}

template <typename T>
bool AAX_CParameter<T>::SetValueWithFloat (float value)
{
    return SetTypedValue (value);
}

template <typename T>
bool AAX_CParameter<T>::SetValueWithDouble (double value)
{
    return SetTypedValue (value);
}

template <typename T>
bool AAX_CParameter<T>::SetValueWithString (const AAX_IString& value)
{
    return SetValueFromString (AAX_CString (value));
}

template <typename T>
void AAX_CParameter<T>::SetType (AAX_EParameterType iControlType)
{
    mControlType = iControlType;
}

template <typename T>
AAX_EParameterType AAX_CParameter<T>::GetType() const
{
    return mControlType;
}

template <typename T>
void AAX_CParameter<T>::SetOrientation (AAX_EParameterOrientation iOrientation)
{
    mOrientation = iOrientation;
}

template <typename T>
AAX_EParameterOrientation AAX_CParameter<T>::GetOrientation() const
{
    return mOrientation;
}

template <typename T>
void AAX_CParameter<T>::SetTaperDelegate (AAX_ITaperDelegateBase& inTaperDelegate, bool inPreserveValue)
{
    // A taper of another value type cannot map this parameter's values.
    auto* taper = dynamic_cast<AAX_ITaperDelegate<T>*> (&inTaperDelegate);

    if (taper == nullptr)
        return;

    const double oldNormalizedValue = GetNormalizedValue();
    mTaperDelegate.reset (taper->Clone());
    mNeedNotify = true;

    if (inPreserveValue)
        SetNormalizedValueThroughHost (mTaperDelegate->RealToNormalized (mValue.Get()));
    else
        UpdateNormalizedValue (oldNormalizedValue);
}

template <typename T>
void AAX_CParameter<T>::SetDisplayDelegate (AAX_IDisplayDelegateBase& inDisplayDelegate)
{
    auto* display = dynamic_cast<AAX_IDisplayDelegate<T>*> (&inDisplayDelegate);

    if (display == nullptr)
        return;

    mDisplayDelegate.reset (display->Clone());

    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->PostCurrentValue (Identifier(), GetNormalizedValue());
}

template <typename T>
void AAX_CParameter<T>::UpdateNormalizedValue (double newNormalizedValue)
{
    const T newValue = mTaperDelegate->NormalizedToReal (newNormalizedValue);

    if (! mNeedNotify && newValue == mValue.Get())
        return;

    mValue.Set (newValue);

    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->PostCurrentValue (Identifier(), newNormalizedValue);

    mNeedNotify = false;
}
