#pragma once

#include "ACFPtr.h"
#include "AAX_IACFAutomationDelegate.h"
#include "AAX_IAutomationDelegate.h"

/** Forwards parameter registration and automation requests to the host's automation delegate. */
class AAX_VAutomationDelegate : public AAX_IAutomationDelegate
{
public:
    /** pUnknown is the host's automation-delegate object (or null). */
    explicit AAX_VAutomationDelegate (IACFUnknown* pUnknown);
    ~AAX_VAutomationDelegate() override;

    AAX_Result RegisterParameter (AAX_CParamID iParameterID) override;
    AAX_Result UnregisterParameter (AAX_CParamID iParameterID) override;
    AAX_Result PostSetValueRequest (AAX_CParamID iParameterID, double normalizedValue) const override;
    AAX_Result PostCurrentValue (AAX_CParamID iParameterID, double normalizedValue) const override;
    AAX_Result PostTouchRequest (AAX_CParamID iParameterID) override;
    AAX_Result PostReleaseRequest (AAX_CParamID iParameterID) override;
    AAX_Result GetTouchState (AAX_CParamID iParameterID, AAX_CBoolean* oTouched) override;

private:
    ACFPtr<AAX_IACFAutomationDelegate> mIAutomationDelegate;
};
