#include "AAX_CPacketDispatcher.h"

#include "AAX_IController.h"
#include "AAX_IEffectParameters.h"
#include "AAX_IParameter.h"

#include <new>
#include <stdexcept>

AAX_CPacket::SPacketData::SPacketData()
    : mData (8, 0)
{
}

void* AAX_CPacket::SPacketData::Get (uint32_t size)
{
    mData.resize (size);
    return mData.data();
}

const void* AAX_CPacket::SPacketData::Get() const
{
    return mData.data();
}

AAX_CPacket::AAX_CPacket (AAX_CFieldIndex inFieldIndex)
    : mID (inFieldIndex)
{
}

AAX_CFieldIndex AAX_CPacket::GetID() const
{
    return mID;
}

bool AAX_CPacket::IsDirty() const
{
    return mDirty;
}

void AAX_CPacket::SetDirty (bool inDirty)
{
    mDirty = inDirty;
}

uint32_t AAX_CPacket::GetSize() const
{
    return mDataSize;
}

const void* AAX_CPacket::GetData() const
{
    return mPacketData.Get();
}

//==============================================================================
AAX_CMutex::AAX_CMutex()
{
    if (pthread_mutex_init (&mMutex, nullptr) != 0)
        throw std::runtime_error ("mutex initialisation failed");
}

std::unique_ptr<AAX_CMutex> AAX_CMutex::Create()
{
    try
    {
        return std::unique_ptr<AAX_CMutex> (new AAX_CMutex());
    }
    catch (...)
    {
        return nullptr;
    }
}

AAX_CMutex::~AAX_CMutex()
{
    pthread_mutex_destroy (&mMutex);
}

bool AAX_CMutex::Lock()
{
    const pthread_t self = pthread_self();

    // Only this thread ever stores its own ID here, so it reads its own ID exactly when it
    // holds the mutex already.
    if (pthread_equal (mOwner.load(), self))
        return false;

    if (pthread_mutex_lock (&mMutex) != 0)
        return false;

    mOwner.store (self);
    return true;
}

void AAX_CMutex::Unlock()
{
    if (! pthread_equal (mOwner.load(), pthread_self()))
        return;

    mOwner.store (pthread_t {});
    pthread_mutex_unlock (&mMutex);
}

AAX_StLock_Guard::AAX_StLock_Guard (AAX_CMutex* inLock)
    : mLock (inLock)
{
    if (mLock != nullptr)
        mLocked = mLock->Lock();
}

AAX_StLock_Guard::~AAX_StLock_Guard()
{
    if (mLocked)
        mLock->Unlock();
}

//==============================================================================
AAX_CPacketDispatcher::AAX_CPacketDispatcher()
    : mLockHandle (AAX_CMutex::Create())
{
}

AAX_CPacketDispatcher::~AAX_CPacketDispatcher()
{
    const AAX_StLock_Guard guard (mLockHandle.get());

    for (auto& entry : mPacketsHandlers)
        delete entry.second.second;

    for (auto& entry : mPacketsHolder)
        delete entry.second;
}

void AAX_CPacketDispatcher::Initialize (AAX_IController* inPlugInController, AAX_IEffectParameters* inEffectParameters)
{
    const AAX_StLock_Guard guard (mLockHandle.get());
    mController = inPlugInController;
    mEffectParameters = inEffectParameters;
}

AAX_Result AAX_CPacketDispatcher::RegisterPacket (AAX_CParamID paramID, AAX_CFieldIndex fieldIndex,
                                                  const AAX_IPacketHandler* inHandler)
{
    if (paramID == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    if (fieldIndex < 0)
        return AAX_ERROR_INVALID_FIELD_INDEX;

    const AAX_CPacketHandler<AAX_CPacketDispatcher> singleValueHandler (this, &AAX_CPacketDispatcher::GenerateSingleValuePacket);
    std::unique_ptr<AAX_IPacketHandler> handler ((inHandler != nullptr ? inHandler : &singleValueHandler)->Clone());

    if (handler == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    const AAX_StLock_Guard guard (mLockHandle.get());

    auto& packet = mPacketsHolder[fieldIndex];

    if (packet == nullptr)
        packet = new AAX_CPacket (fieldIndex);

    mPacketsHandlers.emplace (paramID, PacketHandlerPair (packet, handler.get()));
    handler.release();
    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::SetDirty (AAX_CParamID paramID, bool inDirty)
{
    if (paramID == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    const AAX_StLock_Guard guard (mLockHandle.get());
    const auto range = mPacketsHandlers.equal_range (paramID);

    for (auto entry = range.first; entry != range.second; ++entry)
        entry->second.first->SetDirty (inDirty);

    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::Dispatch()
{
    const AAX_StLock_Guard guard (mLockHandle.get());

    // Without a controller nothing can be posted: the packets stay dirty for the next one.
    if (mController == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    AAX_Result result = AAX_SUCCESS;

    for (auto& entry : mPacketsHandlers)
    {
        AAX_CPacket& packet = *entry.second.first;

        if (! packet.IsDirty())
            continue;

        // A failed handler is not retried until its parameter changes again.
        if (entry.second.second->Call (entry.first.c_str(), packet) == AAX_SUCCESS)
            result = mController->PostPacket (packet.GetID(), packet.GetData(), packet.GetSize());

        packet.SetDirty (false);
    }

    return result;
}

AAX_Result AAX_CPacketDispatcher::GenerateSingleValuePacket (AAX_CParamID paramID, AAX_CPacket& ioPacket)
{
    AAX_IParameter* parameter = nullptr;

    if (mEffectParameters == nullptr || mEffectParameters->GetParameter (paramID, &parameter) != AAX_SUCCESS
        || parameter == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    bool boolValue = false;
    float floatValue = 0.0f;
    int32_t intValue = 0;
    double doubleValue = 0.0;

    if (parameter->GetValueAsBool (&boolValue))
        *ioPacket.GetPtr<int32_t>() = boolValue ? 1 : 0;
    else if (parameter->GetValueAsFloat (&floatValue))
        *ioPacket.GetPtr<float>() = floatValue;
    else if (parameter->GetValueAsInt32 (&intValue))
        *ioPacket.GetPtr<int32_t>() = intValue;
    else if (parameter->GetValueAsDouble (&doubleValue))
        *ioPacket.GetPtr<double>() = doubleValue;
    else
        return AAX_ERROR_NULL_OBJECT;

    return AAX_SUCCESS;
}
