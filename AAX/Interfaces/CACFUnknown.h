#pragma once

#include "AAX_ACF.h"

#include <atomic>

/** The reference-counted base of every object the host reaches through the component model.
    Its public QueryInterface, AddRef and Release (implemented by the interface bases) go to the
    outer unknown, which is the object's own private unknown unless the object is aggregated.
    The reference count is changed only atomically, so references may be taken and released on
    any thread; the object is deleted on the thread whose Release reaches 0. */
class CACFUnknown
{
public:
    /** A stand-alone object: its outer unknown is its own private unknown. */
    CACFUnknown();
    /** An object aggregated into pUnkOuter, whose identity and lifetime it then shares; a null
        outer unknown gives a stand-alone object. */
    explicit CACFUnknown (IACFUnknown* pUnkOuter);
    virtual ~CACFUnknown();

    CACFUnknown (const CACFUnknown&) = delete;
    CACFUnknown& operator= (const CACFUnknown&) = delete;

    /** Called once the host has made the object; does nothing by default. */
    virtual ACFRESULT InitializeInstance (IACFUnknown* pUnkHost);
    /** Called by the Release that brings the count to 0, before the memory is reclaimed. */
    virtual void FinalRelease();
    /** Deletes the object through its virtual destructor. */
    virtual void ReclaimMemory();
    /** Answers IID_IACFUnknown with the private unknown; every other ID with ACF_E_NOINTERFACE. */
    virtual ACFRESULT InternalQueryInterface (const acfIID& riid, void** ppvObjOut);
    virtual ACFUInt32 InternalAddRef();
    virtual ACFUInt32 InternalRelease();

    /** The unknown that the public operations go to. */
    IACFUnknown* GetOuterUnknown() const noexcept { return m_pUnkOuter; }
    /** The non-delegating unknown, which reaches this object's own count. */
    IACFUnknown* GetPrivateUnknown() noexcept { return &m_PrivateUnknown; }

    /** Live CACFUnknown objects in the process; 0 exactly when none is alive. */
    static std::atomic<int32_t> m_ActiveObjects;

protected:
    /** Writes iface to *ppvObjOut and adds the reference the caller then owns. */
    static ACFRESULT HandOutInterface (IACFUnknown* iface, void** ppvObjOut);

private:
    /** The non-delegating unknown nested in every object. */
    class PrivateUnknown : public IACFUnknown
    {
    public:
        explicit PrivateUnknown (CACFUnknown* owner) noexcept : m_This (owner) {}

        ACFRESULT QueryInterface (const acfIID& riid, void** ppvObjOut) override;
        ACFUInt32 AddRef() override;
        ACFUInt32 Release() override;

        virtual ~PrivateUnknown() = default;

    private:
        CACFUnknown* m_This;
    };

    std::atomic<int32_t> m_cRef { 0 };
    IACFUnknown* m_pUnkOuter;
    PrivateUnknown m_PrivateUnknown;
};
