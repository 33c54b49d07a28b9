#include "AAX_VViewContainer.h"

#include "AAX_VWrapperSupport.h"

using namespace AAX_VWrapperSupport;

// Without a view there is nothing to size: SetViewSize then succeeds, and every other
// operation of a missing version answers AAX_ERROR_UNIMPLEMENTED.

AAX_VViewContainer::AAX_VViewContainer (IACFUnknown* pUnknown)
{
    QueryHostObject (pUnknown, IID_IAAXViewContainerV1, mIViewContainer);
    QueryHostObject (pUnknown, IID_IAAXViewContainerV2, mIViewContainerV2);
    QueryHostObject (pUnknown, IID_IAAXViewContainerV3, mIViewContainerV3);
}

AAX_VViewContainer::~AAX_VViewContainer() = default;

int32_t AAX_VViewContainer::GetType()
{
    return Forward (mIViewContainer, AAX_eViewContainer_Type_NULL, &AAX_IACFViewContainer::GetType);
}

void* AAX_VViewContainer::GetPtr()
{
    return Forward (mIViewContainer, nullptr, &AAX_IACFViewContainer::GetPtr);
}

AAX_Result AAX_VViewContainer::GetModifiers (uint32_t* outModifiers)
{
    return Forward (mIViewContainer, kNotImplementedByHost, &AAX_IACFViewContainer::GetModifiers, outModifiers);
}

AAX_Result AAX_VViewContainer::SetViewSize (AAX_Point& inSize)
{
    return Forward (mIViewContainer, AAX_SUCCESS, &AAX_IACFViewContainer::SetViewSize, inSize);
}

AAX_Result AAX_VViewContainer::HandleParameterMouseDown (AAX_CParamID inParamID, uint32_t inModifiers)
{
    return Forward (mIViewContainer, kNotImplementedByHost, &AAX_IACFViewContainer::HandleParameterMouseDown, inParamID,
                    inModifiers);
}

AAX_Result AAX_VViewContainer::HandleParameterMouseDrag (AAX_CParamID inParamID, uint32_t inModifiers)
{
    return Forward (mIViewContainer, kNotImplementedByHost, &AAX_IACFViewContainer::HandleParameterMouseDrag, inParamID,
                    inModifiers);
}

AAX_Result AAX_VViewContainer::HandleParameterMouseUp (AAX_CParamID inParamID, uint32_t inModifiers)
{
    return Forward (mIViewContainer, kNotImplementedByHost, &AAX_IACFViewContainer::HandleParameterMouseUp, inParamID,
                    inModifiers);
}

AAX_Result AAX_VViewContainer::HandleParameterMouseEnter (AAX_CParamID inParamID, uint32_t inModifiers)
{
    return Forward (mIViewContainerV3, kNotImplementedByHost, &AAX_IACFViewContainer_V3::HandleParameterMouseEnter, inParamID,
                    inModifiers);
}

AAX_Result AAX_VViewContainer::HandleParameterMouseExit (AAX_CParamID inParamID, uint32_t inModifiers)
{
    return Forward (mIViewContainerV3, kNotImplementedByHost, &AAX_IACFViewContainer_V3::HandleParameterMouseExit, inParamID,
                    inModifiers);
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseDown (const AAX_CParamID* inParamIDs, uint32_t inNumOfParams,
                                                                  uint32_t inModifiers)
{
    return Forward (mIViewContainerV2, kNotImplementedByHost, &AAX_IACFViewContainer_V2::HandleMultipleParametersMouseDown,
                    inParamIDs, inNumOfParams, inModifiers);
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseDrag (const AAX_CParamID* inParamIDs, uint32_t inNumOfParams,
                                                                  uint32_t inModifiers)
{
    return Forward (mIViewContainerV2, kNotImplementedByHost, &AAX_IACFViewContainer_V2::HandleMultipleParametersMouseDrag,
                    inParamIDs, inNumOfParams, inModifiers);
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseUp (const AAX_CParamID* inParamIDs, uint32_t inNumOfParams,
                                                                uint32_t inModifiers)
{
    return Forward (mIViewContainerV2, kNotImplementedByHost, &AAX_IACFViewContainer_V2::HandleMultipleParametersMouseUp,
                    inParamIDs, inNumOfParams, inModifiers);
}
