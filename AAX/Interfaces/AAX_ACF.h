#pragma once

// The host's component model as the library sees it: 16-byte IDs, result values and the
// reference-counted root interface. The host calls every interface through its vtable, so the
// order of the virtual operations below is part of the contract with the host. The interfaces
// have no virtual destructor: objects are destroyed only through Release.

#include "AAX.h"

#include <cstdint>
#include <cstring>

/** A 16-byte interface or component ID in GUID layout. */
struct _acfUID
{
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};

typedef _acfUID acfUID;
typedef _acfUID acfIID;
typedef _acfUID acfCLSID;

inline bool operator== (const _acfUID& a, const _acfUID& b) noexcept
{
    return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3
        && std::memcmp (a.Data4, b.Data4, sizeof (a.Data4)) == 0;
}

inline bool operator!= (const _acfUID& a, const _acfUID& b) noexcept { return ! (a == b); }

typedef int32_t ACFRESULT;
typedef uint32_t ACFUInt32;

// Component-model results beside the library's own codes.
constexpr ACFRESULT ACF_OK = 0;
constexpr ACFRESULT ACF_E_UNEXPECTED = static_cast<ACFRESULT> (0x8000FFFFu);   // an exception reached an exported function
constexpr ACFRESULT ACF_E_NOINTERFACE = static_cast<ACFRESULT> (0x80000004u);  // the object lacks the interface
constexpr ACFRESULT ACF_E_POINTER = static_cast<ACFRESULT> (0x80000005u);      // a call through an empty host-interface pointer

inline bool ACFFAILED (ACFRESULT result) noexcept { return result < 0; }
inline bool ACFSUCCEEDED (ACFRESULT result) noexcept { return result >= 0; }

/** The root of every interface that crosses the boundary to the host. */
class IACFUnknown
{
public:
    virtual ACFRESULT QueryInterface (const acfIID& iid, void** ppOut) = 0;
    virtual ACFUInt32 AddRef() = 0;
    virtual ACFUInt32 Release() = 0;

protected:
    ~IACFUnknown() = default;
};

/** The host's factory of host components. */
class IACFComponentFactory : public IACFUnknown
{
public:
    /** Creates the host component compID and hands out its interface iid with one reference. */
    virtual ACFRESULT CreateComponent (const acfCLSID& compID, IACFUnknown* pUnkOuter,
                                       const acfIID& iid, void** ppOut) = 0;

protected:
    ~IACFComponentFactory() = default;
};

/** The host's description of itself; the library only passes it on. */
class IACFDefinition : public IACFUnknown
{
protected:
    ~IACFDefinition() = default;
};

/** The definition of the plug-in that registration hands back to the host. */
class IACFPluginDefinition : public IACFDefinition
{
protected:
    ~IACFPluginDefinition() = default;
};

/** The definition of one registered component; the library registers none of its own. */
class IACFComponentDefinition : public IACFDefinition
{
protected:
    ~IACFComponentDefinition() = default;
};
