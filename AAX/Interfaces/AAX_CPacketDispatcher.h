#pragma once

#include "AAX_Errors.h"

#include <atomic>
#include <map>
#include <memory>
#include <pthread.h>
#include <string>
#include <utility>
#include <vector>

class AAX_IController;
class AAX_IEffectParameters;

/** The coefficient data posted into one field of the algorithm's context. */
class AAX_CPacket
{
public:
    /** A growable byte block, 8 zero bytes when created and never empty. */
    class SPacketData
    {
    public:
        SPacketData();
        /** Resizes the block to exactly size bytes (new bytes are zero) and returns its start. */
        void* Get (uint32_t size);
        const void* Get() const;

    private:
        std::vector<uint8_t> mData;
    };

    explicit AAX_CPacket (AAX_CFieldIndex inFieldIndex);

    AAX_CFieldIndex GetID() const;
    bool IsDirty() const;
    void SetDirty (bool inDirty);
    uint32_t GetSize() const;
    /** Resizes the data to sizeof (T), records that size and returns the data as a T. */
    template <typename T>
    T* GetPtr();
    const void* GetData() const;

private:
    AAX_CFieldIndex mID;
    bool mDirty = true;
    uint32_t mDataSize = 0;
    SPacketData mPacketData;
};

/** Fills a packet from a parameter. */
class AAX_IPacketHandler
{
public:
    AAX_IPacketHandler() = default;
    AAX_IPacketHandler (const AAX_IPacketHandler&) = default; // Clone copies
    AAX_IPacketHandler& operator= (const AAX_IPacketHandler&) = default;
    virtual ~AAX_IPacketHandler() = default;

    /** A new heap copy, owned by the caller. */
    virtual AAX_IPacketHandler* Clone() const = 0;
    virtual AAX_Result Call (AAX_CParamID inParamID, AAX_CPacket& ioPacket) const = 0;
};

/** A packet handler bound to a member operation of a worker object. */
template <class TWorker>
class AAX_CPacketHandler : public AAX_IPacketHandler
{
public:
    typedef AAX_Result (TWorker::*ProcPtr) (AAX_CPacket&);
    typedef AAX_Result (TWorker::*ProcWithIDPtr) (AAX_CParamID, AAX_CPacket&);

    AAX_CPacketHandler (TWorker* inWorker, ProcPtr inProc);
    AAX_CPacketHandler (TWorker* inWorker, ProcWithIDPtr inProcWithID);

    AAX_IPacketHandler* Clone() const override;
    /** The two-argument member when set, else the one-argument member, else
        AAX_ERROR_NULL_OBJECT. */
    AAX_Result Call (AAX_CParamID inParamID, AAX_CPacket& ioPacket) const override;

private:
    TWorker* mWorker;
    ProcPtr mProc = nullptr;
    ProcWithIDPtr mProcWithID = nullptr;
};

/** The dispatcher's lock: a mutex that records its owning thread, so that the owner re-entering
    the dispatcher from a handler never blocks on its own lock. */
class AAX_CMutex
{
public:
    /** A new lock, or null when the mutex cannot be initialised. */
    static std::unique_ptr<AAX_CMutex> Create();
    ~AAX_CMutex();

    AAX_CMutex (const AAX_CMutex&) = delete;
    AAX_CMutex& operator= (const AAX_CMutex&) = delete;

    /** Locks unless the calling thread owns the lock already; true when this call locked. */
    bool Lock();
    /** Unlocks when the calling thread is the owner. */
    void Unlock();

private:
    AAX_CMutex();

    std::atomic<pthread_t> mOwner {};   // zero when free
    pthread_mutex_t mMutex;
};

/** Holds the dispatcher's lock for a scope, unless the thread held it already. */
class AAX_StLock_Guard
{
public:
    explicit AAX_StLock_Guard (AAX_CMutex* inLock);
    ~AAX_StLock_Guard();

    AAX_StLock_Guard (const AAX_StLock_Guard&) = delete;
    AAX_StLock_Guard& operator= (const AAX_StLock_Guard&) = delete;

private:
    AAX_CMutex* mLock;
    bool mLocked = false;
};

/** Ties parameters to coefficient packets: marks them dirty on updates and posts the dirty ones
    through the controller when the host asks for coefficients. */
class AAX_CPacketDispatcher
{
public:
    AAX_CPacketDispatcher();
    ~AAX_CPacketDispatcher();

    AAX_CPacketDispatcher (const AAX_CPacketDispatcher&) = delete;
    AAX_CPacketDispatcher& operator= (const AAX_CPacketDispatcher&) = delete;

    void Initialize (AAX_IController* inPlugInController, AAX_IEffectParameters* inEffectParameters);

    /** Ties paramID to the packet of fieldIndex (made on first use) with a clone of inHandler;
        a null handler fills the packet with GenerateSingleValuePacket. */
    AAX_Result RegisterPacket (AAX_CParamID paramID, AAX_CFieldIndex fieldIndex,
                               const AAX_IPacketHandler* inHandler = nullptr);
    AAX_Result SetDirty (AAX_CParamID paramID, bool inDirty = true);
    AAX_Result Dispatch();

    /** Writes the parameter's value into the packet: bool, float or int32 as 4 bytes, double
        as 8. */
    AAX_Result GenerateSingleValuePacket (AAX_CParamID paramID, AAX_CPacket& ioPacket);

private:
    typedef std::pair<AAX_CPacket*, AAX_IPacketHandler*> PacketHandlerPair;

    std::map<AAX_CFieldIndex, AAX_CPacket*> mPacketsHolder;              // owns the packets
    std::multimap<std::string, PacketHandlerPair> mPacketsHandlers;      // owns the handler clones
    AAX_IController* mController = nullptr;
    AAX_IEffectParameters* mEffectParameters = nullptr;
    std::unique_ptr<AAX_CMutex> mLockHandle;
};

//==============================================================================
template <typename T>
T* AAX_CPacket::GetPtr()
{
    mDataSize = static_cast<uint32_t> (sizeof (T));
    return static_cast<T*> (mPacketData.Get (mDataSize));
}

template <class TWorker>
AAX_CPacketHandler<TWorker>::AAX_CPacketHandler (TWorker* inWorker, ProcPtr inProc)
    : mWorker (inWorker), mProc (inProc)
{
}

template <class TWorker>
AAX_CPacketHandler<TWorker>::AAX_CPacketHandler (TWorker* inWorker, ProcWithIDPtr inProcWithID)
    : mWorker (inWorker), mProcWithID (inProcWithID)
{
}

template <class TWorker>
AAX_IPacketHandler* AAX_CPacketHandler<TWorker>::Clone() const
{
    return new AAX_CPacketHandler (*this);
}

template <class TWorker>
AAX_Result AAX_CPacketHandler<TWorker>::Call (AAX_CParamID inParamID, AAX_CPacket& ioPacket) const
{
    if (mWorker != nullptr && mProcWithID != nullptr)
        return (mWorker->*mProcWithID) (inParamID, ioPacket);

    if (mWorker != nullptr && mProc != nullptr)
        return (mWorker->*mProc) (ioPacket);

    return AAX_ERROR_NULL_OBJECT;
}
