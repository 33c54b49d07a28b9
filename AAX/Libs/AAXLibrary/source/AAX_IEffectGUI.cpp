#include "AAX_IEffectGUI.h"

#include "AAX_UIDs.h"

ACFRESULT AAX_IEffectGUI::QueryInterface (const acfIID& riid, void** ppvObjOut)
{
    return GetOuterUnknown()->QueryInterface (riid, ppvObjOut);
}

ACFUInt32 AAX_IEffectGUI::AddRef()
{
    return GetOuterUnknown()->AddRef();
}

ACFUInt32 AAX_IEffectGUI::Release()
{
    return GetOuterUnknown()->Release();
}

ACFRESULT AAX_IEffectGUI::InternalQueryInterface (const acfIID& riid, void** ppvObjOut)
{
    if (ppvObjOut != nullptr && riid == IID_IAAXEffectGUIV1)
        return HandOutInterface (static_cast<AAX_IACFEffectGUI*> (this), ppvObjOut);

    return CACFUnknown::InternalQueryInterface (riid, ppvObjOut);
}

AAX_IEffectGUI::~AAX_IEffectGUI() = default;
