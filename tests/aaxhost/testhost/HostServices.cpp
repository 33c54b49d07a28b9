#include "tests/aaxhost/testhost/HostServices.h"

#include "AAX_IACFHostServices.h"
#include "AAX_UIDs.h"

namespace quindle::test::aaxhost
{
    class HostServices::Interface final : public Facet<AAX_IACFHostServices_V3, HostServices>
    {
    public:
        using Facet::Facet;

        AAX_Result Trace (int32_t priority, const char* message) override
        {
            return change ("Trace", [&] { owner().mTraces.push_back ({ priority, textOf (message) }); });
        }

        AAX_Result StackTrace (int32_t tracePriority, int32_t stackTracePriority, const char* message) override
        {
            return change ("StackTrace", [&] {
                owner().mStackTraces.push_back ({ tracePriority, stackTracePriority, textOf (message) });
            });
        }

        AAX_Result HandleAssertFailure (const char* file, int32_t line, const char* note, int32_t flags) override
        {
            return change ("HandleAssertFailure", [&] {
                owner().mAssertions.push_back ({ textOf (file), line, textOf (note), flags });
            });
        }
    };

    HostServices::HostServices (Host& host, Versions offered)
        : HostObject (host, "HostServices", offered)
    {
        offerFacets (*this, mFacets, { IID_IAAXHostServicesV1, IID_IAAXHostServicesV2, IID_IAAXHostServicesV3 });
    }

    HostServices::~HostServices() = default;

    std::vector<HostServices::Trace> HostServices::traces() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mTraces;
    }

    std::vector<std::string> HostServices::traceTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& trace : traces())
            texts.push_back (trace.text);
        return texts;
    }

    std::vector<HostServices::StackTrace> HostServices::stackTraces() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mStackTraces;
    }

    std::vector<HostServices::Assertion> HostServices::assertions() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mAssertions;
    }

    void HostServices::clear()
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        mTraces.clear();
        mStackTraces.clear();
        mAssertions.clear();
    }
} // namespace quindle::test::aaxhost
