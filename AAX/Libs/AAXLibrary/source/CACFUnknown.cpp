#include "CACFUnknown.h"

#include "AAX_Errors.h"
#include "AAX_UIDs.h"

std::atomic<int32_t> CACFUnknown::m_ActiveObjects { 0 };

CACFUnknown::CACFUnknown()
    : CACFUnknown (nullptr)
{
}

CACFUnknown::CACFUnknown (IACFUnknown* pUnkOuter)
    : m_pUnkOuter (pUnkOuter != nullptr ? pUnkOuter : &m_PrivateUnknown),
      m_PrivateUnknown (this)
{
    ++m_ActiveObjects;
}

CACFUnknown::~CACFUnknown()
{
    --m_ActiveObjects;
}

ACFRESULT CACFUnknown::InitializeInstance (IACFUnknown*)
{
    return ACF_OK;
}

void CACFUnknown::FinalRelease()
{
}

void CACFUnknown::ReclaimMemory()
{
    delete this;
}

ACFRESULT CACFUnknown::InternalQueryInterface (const acfIID& riid, void** ppvObjOut)
{
    if (ppvObjOut == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *ppvObjOut = nullptr;

    if (riid == IID_IACFUnknown)
        return HandOutInterface (&m_PrivateUnknown, ppvObjOut);

    return ACF_E_NOINTERFACE;
}

ACFUInt32 CACFUnknown::InternalAddRef()
{
    return static_cast<ACFUInt32> (++m_cRef);
}

ACFUInt32 CACFUnknown::InternalRelease()
{
    const int32_t count = --m_cRef;

    if (count == 0)
    {
        FinalRelease();
        ReclaimMemory();   // this object is gone from here on
    }

    return static_cast<ACFUInt32> (count);
}

ACFRESULT CACFUnknown::HandOutInterface (IACFUnknown* iface, void** ppvObjOut)
{
    *ppvObjOut = iface;
    iface->AddRef();
    return ACF_OK;
}

//==============================================================================
ACFRESULT CACFUnknown::PrivateUnknown::QueryInterface (const acfIID& riid, void** ppvObjOut)
{
    return m_This->InternalQueryInterface (riid, ppvObjOut);
}

ACFUInt32 CACFUnknown::PrivateUnknown::AddRef()
{
    return m_This->InternalAddRef();
}

ACFUInt32 CACFUnknown::PrivateUnknown::Release()
{
    return m_This->InternalRelease();
}
