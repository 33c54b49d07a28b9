#pragma once

#include "AAX_IAutomationDelegate.h"
#include "AAX_IParameter.h"

#include <map>
#include <memory>

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

/** A snapshot of a typed parameter value with its identifier (at most 31 characters). */
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

    const T& Get() const;
    void Set (const T& value);

private:
    char mIdentifier[kAAX_ParameterIdentifierMaxSize];
    T mValue;
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
