#pragma once

#include "AAX_IACFEffectParameters.h"
#include "CACFUnknown.h"

/** Joins the host's data-model interface to the reference-counted base and answers the four
    data-model interface IDs with the object's own interface pointer. */
class AAX_IEffectParameters : public AAX_IACFEffectParameters_V4, public CACFUnknown
{
public:
    ACFRESULT QueryInterface (const acfIID& riid, void** ppvObjOut) override;
    ACFUInt32 AddRef() override;
    ACFUInt32 Release() override;

    ACFRESULT InternalQueryInterface (const acfIID& riid, void** ppvObjOut) override;

    ~AAX_IEffectParameters() override;
};
