#pragma once

#include "AAX_IACFEffectGUI.h"
#include "CACFUnknown.h"

/** Joins the host's GUI interface to the reference-counted base and answers the GUI interface
    ID with the object's own interface pointer. */
class AAX_IEffectGUI : public AAX_IACFEffectGUI, public CACFUnknown
{
public:
    ACFRESULT QueryInterface (const acfIID& riid, void** ppvObjOut) override;
    ACFUInt32 AddRef() override;
    ACFUInt32 Release() override;

    ACFRESULT InternalQueryInterface (const acfIID& riid, void** ppvObjOut) override;

    ~AAX_IEffectGUI() override;
};
