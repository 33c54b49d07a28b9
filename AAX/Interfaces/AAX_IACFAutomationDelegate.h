#pragma once

#include "AAX_ACF.h"

/** The host's automation delegate, first version. */
class AAX_IACFAutomationDelegate : public IACFUnknown
{
public:
    virtual AAX_Result RegisterParameter (AAX_CParamID iParameterID) = 0;
    virtual AAX_Result UnregisterParameter (AAX_CParamID iParameterID) = 0;
    virtual AAX_Result PostSetValueRequest (AAX_CParamID iParameterID, double normalizedValue) const = 0;
    virtual AAX_Result PostCurrentValue (AAX_CParamID iParameterID, double normalizedValue) const = 0;
    virtual AAX_Result PostTouchRequest (AAX_CParamID iParameterID) = 0;
    virtual AAX_Result PostReleaseRequest (AAX_CParamID iParameterID) = 0;
    virtual AAX_Result GetTouchState (AAX_CParamID iParameterID, AAX_CBoolean* oTouched) = 0;

protected:
    ~AAX_IACFAutomationDelegate() = default;
};
