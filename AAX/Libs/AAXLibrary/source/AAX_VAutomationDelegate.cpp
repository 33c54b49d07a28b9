#include "AAX_VAutomationDelegate.h"

#include "AAX_VWrapperSupport.h"

using namespace AAX_VWrapperSupport;

AAX_VAutomationDelegate::AAX_VAutomationDelegate (IACFUnknown* pUnknown)
{
    QueryHostObject (pUnknown, IID_IAAXAutomationDelegateV1, mIAutomationDelegate);
}

AAX_VAutomationDelegate::~AAX_VAutomationDelegate() = default;

AAX_Result AAX_VAutomationDelegate::RegisterParameter (AAX_CParamID iParameterID)
{
    return Forward (mIAutomationDelegate, kNoHostObject, &AAX_IACFAutomationDelegate::RegisterParameter,
                    iParameterID);
}

AAX_Result AAX_VAutomationDelegate::UnregisterParameter (AAX_CParamID iParameterID)
{
    return Forward (mIAutomationDelegate, kNoHostObject, &AAX_IACFAutomationDelegate::UnregisterParameter,
                    iParameterID);
}

AAX_Result AAX_VAutomationDelegate::PostSetValueRequest (AAX_CParamID iParameterID, double normalizedValue) const
{
    return Forward (mIAutomationDelegate, kNoHostObject, &AAX_IACFAutomationDelegate::PostSetValueRequest,
                    iParameterID, normalizedValue);
}

AAX_Result AAX_VAutomationDelegate::PostCurrentValue (AAX_CParamID iParameterID, double normalizedValue) const
{
    return Forward (mIAutomationDelegate, kNoHostObject, &AAX_IACFAutomationDelegate::PostCurrentValue,
                    iParameterID, normalizedValue);
}

AAX_Result AAX_VAutomationDelegate::PostTouchRequest (AAX_CParamID iParameterID)
{
    return Forward (mIAutomationDelegate, kNoHostObject, &AAX_IACFAutomationDelegate::PostTouchRequest, iParameterID);
}

AAX_Result AAX_VAutomationDelegate::PostReleaseRequest (AAX_CParamID iParameterID)
{
    return Forward (mIAutomationDelegate, kNoHostObject, &AAX_IACFAutomationDelegate::PostReleaseRequest,
                    iParameterID);
}

AAX_Result AAX_VAutomationDelegate::GetTouchState (AAX_CParamID iParameterID, AAX_CBoolean* oTouched)
{
    return Forward (mIAutomationDelegate, kNoHostObject, &AAX_IACFAutomationDelegate::GetTouchState, iParameterID,
                    oTouched);
}
