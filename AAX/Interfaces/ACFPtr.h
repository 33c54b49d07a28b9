#pragma once

#include "AAX_ACF.h"

/** Owns one reference to a host interface and releases it when destroyed. Calling through an
    empty ACFPtr throws the integer ACF_E_POINTER, which the exported functions catch. */
template <class T>
class ACFPtr
{
public:
    ACFPtr() noexcept = default;
    /** Takes a reference of its own on p (null gives an empty pointer). */
    explicit ACFPtr (T* p);
    ACFPtr (const ACFPtr& other);
    ~ACFPtr();

    /** Releases the old interface and takes a reference of its own on p; p equal to the held
        interface changes nothing. */
    ACFPtr& operator= (T* p);
    ACFPtr& operator= (const ACFPtr& other);

    /** The out argument of a query or a creation: releases what is held and empties the pointer
        first; the host's reference then belongs to this pointer. */
    void** GetOutPtr();

    /** Throws ACF_E_POINTER when empty. */
    T* operator->() const;

    T* get() const noexcept { return mPtr; }
    bool isNull() const noexcept { return mPtr == nullptr; }
    explicit operator bool() const noexcept { return mPtr != nullptr; }

private:
    T* mPtr = nullptr;
};
