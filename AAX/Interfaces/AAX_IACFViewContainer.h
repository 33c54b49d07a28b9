#pragma once

#include "AAX_ACF.h"

/** The host's view container, first version. */
class AAX_IACFViewContainer : public IACFUnknown
{
public:
    virtual int32_t GetType() = 0;
    virtual void* GetPtr() = 0;
    virtual AAX_Result GetModifiers (uint32_t* outModifiers) = 0;
    virtual AAX_Result SetViewSize (AAX_Point& inSize) = 0;
    virtual AAX_Result HandleParameterMouseDown (AAX_CParamID inParamID, uint32_t inModifiers) = 0;
    virtual AAX_Result HandleParameterMouseDrag (AAX_CParamID inParamID, uint32_t inModifiers) = 0;
    virtual AAX_Result HandleParameterMouseUp (AAX_CParamID inParamID, uint32_t inModifiers) = 0;

protected:
    ~AAX_IACFViewContainer() = default;
};

/** Second version: mouse events on several parameters at once. */
class AAX_IACFViewContainer_V2 : public AAX_IACFViewContainer
{
public:
    virtual AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID* inParamIDs, uint32_t inNumOfParams, uint32_t inModifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID* inParamIDs, uint32_t inNumOfParams, uint32_t inModifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID* inParamIDs, uint32_t inNumOfParams, uint32_t inModifiers) = 0;

protected:
    ~AAX_IACFViewContainer_V2() = default;
};

/** Third version: the mouse entering and leaving a parameter's control. */
class AAX_IACFViewContainer_V3 : public AAX_IACFViewContainer_V2
{
public:
    virtual AAX_Result HandleParameterMouseEnter (AAX_CParamID inParamID, uint32_t inModifiers) = 0;
    virtual AAX_Result HandleParameterMouseExit (AAX_CParamID inParamID, uint32_t inModifiers) = 0;

protected:
    ~AAX_IACFViewContainer_V3() = default;
};
