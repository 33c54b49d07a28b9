#include "tests/aaxhost/testhost/HostObject.h"

#include "tests/aaxhost/testhost/Host.h"

#include "AAX_UIDs.h"

#include <algorithm>

namespace quindle::test::aaxhost
{
    HostObject::HostObject (Host& host, std::string name, Versions offered)
        : mHost (host), mName (std::move (name)), mOffered (offered)
    {
    }

    HostObject::~HostObject() = default;

    void HostObject::offer (Versions versions)
    {
        const std::lock_guard<std::mutex> lock (mStateMutex);
        mOffered = versions;
    }

    Versions HostObject::offered() const
    {
        const std::lock_guard<std::mutex> lock (mStateMutex);
        return mOffered;
    }

    void HostObject::setResult (const std::string& operation, AAX_Result result)
    {
        const std::lock_guard<std::mutex> lock (mStateMutex);
        if (result == AAX_SUCCESS)
            mForcedResults.erase (operation);
        else
            mForcedResults[operation] = result;
    }

    int HostObject::queries (const acfIID& iid) const
    {
        const std::lock_guard<std::mutex> lock (mStateMutex);
        const auto found = std::find_if (mQueries.begin(), mQueries.end(), [&] (const auto& q) { return q.first == iid; });
        return found != mQueries.end() ? found->second : 0;
    }

    IACFUnknown* HostObject::unknown() const noexcept
    {
        return mAnswers.empty() ? nullptr : mAnswers.front().iface;
    }

    ACFRESULT HostObject::QueryInterface (const acfIID& iid, void** out)
    {
        if (out == nullptr)
            return nullArgument ("QueryInterface");

        *out = nullptr;

        {
            const std::lock_guard<std::mutex> lock (mStateMutex);
            const auto found = std::find_if (mQueries.begin(), mQueries.end(), [&] (const auto& q) { return q.first == iid; });
            if (found != mQueries.end())
                ++found->second;
            else
                mQueries.emplace_back (iid, 1);
        }

        if (iid == IID_IACFUnknown && ! mAnswers.empty())
            return answerOwn ({ iid, mAnswers.front().version, unknown() }, out);

        for (const auto& own : mAnswers)
            if (own.iid == iid && offered().offers (own.version))
                return answerOwn (own, out);

        for (auto* other : mAlsoAsk)
            if (other->QueryInterface (iid, out) == ACF_OK)
                return ACF_OK;

        const ACFRESULT result = queryFurther (iid, out);
        if (result != ACF_OK && mFailWithInterface)
            *out = unknown();

        return result;
    }

    ACFRESULT HostObject::answerOwn (const Answer& own, void** out)
    {
        if (! mAnswerWithNull)
        {
            AddRef();
            *out = own.iface;
        }

        return ACF_OK;
    }

    ACFUInt32 HostObject::AddRef()
    {
        return static_cast<ACFUInt32> (++mReferences);
    }

    ACFUInt32 HostObject::Release (int version)
    {
        mHost.noteRelease (*this, version);

        int count = --mReferences;
        if (count < 0)
        {
            mReferences = count = 0;
            mHost.problem (mName + ": released more often than referenced");
        }

        return static_cast<ACFUInt32> (count);
    }

    AAX_Result HostObject::record (int version, const char* operation) const
    {
        mHost.log().add ({ mName, version, operation });

        const std::lock_guard<std::mutex> lock (mStateMutex);
        const auto forced = mForcedResults.find (operation);
        return forced != mForcedResults.end() ? forced->second : AAX_SUCCESS;
    }

    AAX_Result HostObject::nullArgument (const char* operation) const
    {
        mHost.problem (mName + "::" + operation + ": null argument");
        return AAX_ERROR_NULL_ARGUMENT;
    }

    void HostObject::answer (const acfIID& iid, int version, IACFUnknown* iface)
    {
        mAnswers.push_back ({ iid, version, iface });
        mHost.registerInterface (iface, *this);
    }

    void HostObject::alsoAsk (HostObject& other)
    {
        mAlsoAsk.push_back (&other);
    }

    ACFRESULT HostObject::queryFurther (const acfIID&, void**)
    {
        return ACF_E_NOINTERFACE;
    }
} // namespace quindle::test::aaxhost
