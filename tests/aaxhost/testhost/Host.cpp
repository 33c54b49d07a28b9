#include "tests/aaxhost/testhost/Host.h"

#include "tests/aaxhost/testhost/ComponentFactory.h"
#include "tests/aaxhost/testhost/Definitions.h"
#include "tests/aaxhost/testhost/DescriptionHost.h"
#include "tests/aaxhost/testhost/HostServices.h"
#include "tests/aaxhost/testhost/Router.h"

#include <algorithm>
#include <numeric>

namespace quindle::test::aaxhost
{
    Host::Host (HostOptions options)
        : mOptions (options)
    {
        mUnknown = &make<Router> ("HostUnknown");
        mServices = &make<HostServices> (mOptions.hostServices);
        mDescriptionHost = &make<DescriptionHost>();
        mHostDefinition = &make<HostDefinition> (mOptions.hostDefinition);
        mFactory = &make<ComponentFactory>();

        mUnknown->alsoAsk (*mFactory);
        if (mOptions.descriptionHostFromUnknown)
            mUnknown->alsoAsk (*mDescriptionHost);
        mUnknown->alsoAsk (*mHostDefinition);

        if (mOptions.descriptionHostFromFactory)
            mFactory->alsoAsk (*mDescriptionHost);
    }

    Host::~Host() = default;

    IACFUnknown* Host::unknown() const noexcept
    {
        return mUnknown->unknown();
    }

    HostObject& Host::hostUnknown() const noexcept
    {
        return *mUnknown;
    }

    std::vector<Host::ReleaseEvent> Host::releases() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mReleases;
    }

    int Host::outstandingReferences() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return std::accumulate (mObjects.begin(), mObjects.end(), 0,
                                [] (int sum, const auto& object) { return sum + object->references(); });
    }

    std::string Host::describeReferences() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        std::string text;
        for (const auto& object : mObjects)
            if (object->references() != 0)
                text += object->name() + ": " + std::to_string (object->references()) + "\n";
        return text.empty() ? "no references outstanding" : text;
    }

    std::vector<std::string> Host::problems() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mProblems;
    }

    void Host::problem (std::string description)
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        mProblems.push_back (std::move (description));
    }

    void Host::registerInterface (const IACFUnknown* iface, HostObject& owner)
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        mInterfaces.emplace_back (iface, &owner);
    }

    void Host::noteRelease (const HostObject& object, int version)
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        mReleases.push_back ({ object.name(), version });
    }

    HostObject* Host::ownerOf (const void* iface) const
    {
        if (iface == nullptr)
            return nullptr;

        const std::lock_guard<std::mutex> lock (mMutex);
        const auto found = std::find_if (mInterfaces.begin(), mInterfaces.end(), [&] (const auto& entry) { return entry.first == iface; });
        return found != mInterfaces.end() ? found->second : nullptr;
    }
} // namespace quindle::test::aaxhost
