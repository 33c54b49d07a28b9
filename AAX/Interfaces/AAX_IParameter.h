#pragma once

#include "AAX_CString.h"
#include "AAX_Enums.h"
#include "AAX_IDisplayDelegate.h"
#include "AAX_ITaperDelegate.h"

class AAX_IAutomationDelegate;

/** Identifiers hold at most this many bytes including the terminator. */
constexpr int32_t kAAX_ParameterIdentifierMaxSize = 32;

/** A snapshot of one parameter's value. */
class AAX_IParameterValue
{
public:
    virtual ~AAX_IParameterValue() = default;

    /** A new heap copy, owned by the caller. */
    virtual AAX_IParameterValue* Clone() const = 0;
    virtual AAX_CParamID Identifier() const = 0;
    virtual bool GetValueAsBool (bool* value) const = 0;
    virtual bool GetValueAsInt32 (int32_t* value) const = 0;
    virtual bool GetValueAsFloat (float* value) const = 0;
    virtual bool GetValueAsDouble (double* value) const = 0;
    virtual bool GetValueAsString (AAX_IString* value) const = 0;
};

/** One parameter as the host sees it, reached by its string ID. Changes that the plug-in asks
    for go to the host first and take effect when the host answers with UpdateNormalizedValue. */
class AAX_IParameter
{
public:
    virtual ~AAX_IParameter() = default;

    /** A new snapshot of the value, owned by the caller. */
    virtual AAX_IParameterValue* CloneValue() const = 0;

    virtual AAX_CParamID Identifier() const = 0;
    virtual void SetName (const AAX_CString& name) = 0;
    virtual const AAX_CString& Name() const = 0;
    virtual void AddShortenedName (const AAX_CString& name) = 0;
    virtual const AAX_CString& ShortenedName (int32_t iNumCharacters) const = 0;
    virtual void ClearShortenedNames() = 0;

    virtual bool Automatable() const = 0;
    virtual void SetAutomationDelegate (AAX_IAutomationDelegate* iAutomationDelegate) = 0;
    virtual void Touch() = 0;
    virtual void Release() = 0;

    virtual void SetNormalizedValue (double newNormalizedValue) = 0;
    virtual double GetNormalizedValue() const = 0;
    virtual void SetNormalizedDefaultValue (double normalizedDefault) = 0;
    virtual double GetNormalizedDefaultValue() const = 0;
    virtual void SetToDefaultValue() = 0;

    virtual void SetNumberOfSteps (uint32_t numSteps) = 0;
    virtual uint32_t GetNumberOfSteps() const = 0;
    virtual uint32_t GetStepValue() const = 0;
    virtual double GetNormalizedValueFromStep (uint32_t iStep) const = 0;
    virtual uint32_t GetStepValueFromNormalizedValue (double normalizedValue) const = 0;
    virtual void SetStepValue (uint32_t iStep) = 0;

    virtual bool GetValueString (AAX_CString* valueString) const = 0;
    virtual bool GetValueString (int32_t iMaxNumChars, AAX_CString* valueString) const = 0;

    virtual bool GetNormalizedValueFromBool (bool value, double* normalizedValue) const = 0;
    virtual bool GetNormalizedValueFromInt32 (int32_t value, double* normalizedValue) const = 0;
    virtual bool GetNormalizedValueFromFloat (float value, double* normalizedValue) const = 0;
    virtual bool GetNormalizedValueFromDouble (double value, double* normalizedValue) const = 0;
    virtual bool GetNormalizedValueFromString (const AAX_CString& valueString, double* normalizedValue) const = 0;

    virtual bool GetBoolFromNormalizedValue (double normalizedValue, bool* value) const = 0;
    virtual bool GetInt32FromNormalizedValue (double normalizedValue, int32_t* value) const = 0;
    virtual bool GetFloatFromNormalizedValue (double normalizedValue, float* value) const = 0;
    virtual bool GetDoubleFromNormalizedValue (double normalizedValue, double* value) const = 0;
    virtual bool GetStringFromNormalizedValue (double normalizedValue, AAX_CString& valueString) const = 0;
    virtual bool GetStringFromNormalizedValue (double normalizedValue, int32_t iMaxNumChars, AAX_CString& valueString) const = 0;

    virtual bool SetValueFromString (const AAX_CString& newValueString) = 0;

    virtual bool GetValueAsBool (bool* value) const = 0;
    virtual bool GetValueAsInt32 (int32_t* value) const = 0;
    virtual bool GetValueAsFloat (float* value) const = 0;
    virtual bool GetValueAsDouble (double* value) const = 0;
    virtual bool GetValueAsString (AAX_IString* value) const = 0;

    virtual bool SetValueWithBool (bool value) = 0;
    virtual bool SetValueWithInt32 (int32_t value) = 0;
    virtual bool SetValueWithFloat (float value) = 0;
    virtual bool SetValueWithDouble (double value) = 0;
    virtual bool SetValueWithString (const AAX_IString& value) = 0;

    virtual void SetType (AAX_EParameterType iControlType) = 0;
    virtual AAX_EParameterType GetType() const = 0;
    virtual void SetOrientation (AAX_EParameterOrientation iOrientation) = 0;
    virtual AAX_EParameterOrientation GetOrientation() const = 0;

    virtual void SetTaperDelegate (AAX_ITaperDelegateBase& inTaperDelegate, bool inPreserveValue) = 0;
    virtual void SetDisplayDelegate (AAX_IDisplayDelegateBase& inDisplayDelegate) = 0;

    /** The host's answer: stores the value and reports it back to the host as current. */
    virtual void UpdateNormalizedValue (double newNormalizedValue) = 0;
};
