#include "AAX_IEffectParameters.h"

#include "AAX_UIDs.h"

ACFRESULT AAX_IEffectParameters::QueryInterface (const acfIID& riid, void** ppvObjOut)
{
    return GetOuterUnknown()->QueryInterface (riid, ppvObjOut);
}

ACFUInt32 AAX_IEffectParameters::AddRef()
{
    return GetOuterUnknown()->AddRef();
}

ACFUInt32 AAX_IEffectParameters::Release()
{
    return GetOuterUnknown()->Release();
}

ACFRESULT AAX_IEffectParameters::InternalQueryInterface (const acfIID& riid, void** ppvObjOut)
{
    // Every version answers with the same pointer: the versions form one vtable.
    if (ppvObjOut != nullptr
        && (riid == IID_IAAXEffectParametersV1 || riid == IID_IAAXEffectParametersV2
            || riid == IID_IAAXEffectParametersV3 || riid == IID_IAAXEffectParametersV4))
        return HandOutInterface (static_cast<AAX_IACFEffectParameters_V4*> (this), ppvObjOut);

    return CACFUnknown::InternalQueryInterface (riid, ppvObjOut);
}

AAX_IEffectParameters::~AAX_IEffectParameters() = default;
