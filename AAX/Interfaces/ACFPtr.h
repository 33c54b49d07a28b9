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

    /** Empties the pointer without releasing: for what a host wrote into it during a query or
        creation that failed, which hands out no reference. */
    void Forget() noexcept { mPtr = nullptr; }

    /** Throws ACF_E_POINTER when empty. */
    T* operator->() const;

    T* get() const noexcept { return mPtr; }
    bool isNull() const noexcept { return mPtr == nullptr; }
    explicit operator bool() const noexcept { return mPtr != nullptr; }

private:
    T* mPtr = nullptr;
};

//==============================================================================
template <class T>
ACFPtr<T>::ACFPtr (T* p)
    : mPtr (p)
{
    if (mPtr != nullptr)
        mPtr->AddRef();
}

template <class T>
ACFPtr<T>::ACFPtr (const ACFPtr& other)
    : ACFPtr (other.mPtr)
{
}

template <class T>
ACFPtr<T>::~ACFPtr()
{
    if (mPtr != nullptr)
        mPtr->Release();
}

template <class T>
ACFPtr<T>& ACFPtr<T>::operator= (T* p)
{
    if (p == mPtr)
        return *this;

    // Take the new reference before giving up the old one: releasing first could destroy p when
    // the old interface was the last holder of both.
    if (p != nullptr)
        p->AddRef();

    T* old = mPtr;
    mPtr = p;

    if (old != nullptr)
        old->Release();

    return *this;
}

template <class T>
ACFPtr<T>& ACFPtr<T>::operator= (const ACFPtr& other)
{
    return *this = other.mPtr;
}

template <class T>
void** ACFPtr<T>::GetOutPtr()
{
    *this = nullptr;
    return reinterpret_cast<void**> (&mPtr);
}

template <class T>
T* ACFPtr<T>::operator->() const
{
    if (mPtr == nullptr)
        throw ACF_E_POINTER;

    return mPtr;
}
