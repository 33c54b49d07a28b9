#pragma once

#include "AAX.h"

/** The string interface that crosses the boundary to the host. The host calls it through its
    vtable, so the order of the operations below is the contract. */
class AAX_IString
{
public:
    virtual ~AAX_IString() = default;

    /** The number of bytes, without the terminator. */
    virtual uint32_t Length() const = 0;
    virtual uint32_t MaxLength() const = 0;
    /** The NUL-terminated bytes; valid until the next change. */
    virtual const char* Get() const = 0;
    virtual void Set (const char* iString) = 0;
    virtual AAX_IString& operator= (const AAX_IString& iOther) = 0;
    virtual AAX_IString& operator= (const char* iString) = 0;

protected:
    AAX_IString() = default;
    AAX_IString (const AAX_IString&) = default;
};
