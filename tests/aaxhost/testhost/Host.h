#pragma once

#include "tests/aaxhost/testhost/CallLog.h"
#include "tests/aaxhost/testhost/HostObject.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace quindle::test::aaxhost
{
    class ComponentFactory;
    class DescriptionHost;
    class HostDefinition;
    class HostServices;
    class Router;

    /** Which versions each host interface offers (Versions::none() hides it) and where the
        description host can be found. Fixed for the life of a Host; objects made later through
        the factory take their versions from here. */
    struct HostOptions
    {
        Versions componentFactory = Versions::all();
        Versions collection = Versions::all();
        Versions pluginDefinition = Versions::all();
        Versions effectDescriptor = Versions::all();
        Versions componentDescriptor = Versions::all();
        Versions propertyMap = Versions::all();
        Versions pageTable = Versions::all();
        Versions descriptionHost = Versions::all();
        Versions hostDefinition = Versions::all();
        Versions featureInfo = Versions::all();
        Versions hostServices = Versions::all();

        /** The objects that answer queries for the description host besides the host unknown. */
        bool descriptionHostFromUnknown = true;
        bool descriptionHostFromFactory = false;
        bool descriptionHostFromPropertyMaps = false;
    };

    /** A stand-in for the AAX host, written from what the plug-in library expects of one. It
        offers the host unknown that start-up, registration and the description-time wrappers
        are given, a component factory that makes every host component the library creates,
        and the process-wide host services; Instance adds the run-time objects of one plug-in
        instance. Everything the plug-in does to it is recorded: calls in the log, references,
        releases, and what each object was told. Misuse that a real host might crash on (null
        out pointers, over-releases, foreign objects) is answered with an error and listed in
        problems(). */
    class Host
    {
    public:
        explicit Host (HostOptions options = {});
        ~Host();

        Host (const Host&) = delete;
        Host& operator= (const Host&) = delete;

        const HostOptions& options() const noexcept { return mOptions; }

        /** The host unknown for ACFStartup, ACFRegisterPlugin and the description wrappers; no
            reference is taken for the caller. */
        IACFUnknown* unknown() const noexcept;
        HostObject& hostUnknown() const noexcept;

        ComponentFactory& factory() const noexcept { return *mFactory; }
        DescriptionHost& descriptionHost() const noexcept { return *mDescriptionHost; }
        HostDefinition& hostDefinition() const noexcept { return *mHostDefinition; }
        HostServices& services() const noexcept { return *mServices; }

        /** Every call the plug-in made into this host and its instances. */
        CallLog& log() noexcept { return mLog; }

        struct ReleaseEvent
        {
            std::string object;
            int version;
        };
        /** Every Release the plug-in called, in order, with the version it was called through. */
        std::vector<ReleaseEvent> releases() const;

        /** References the plug-in (or a test) holds on objects of this host. */
        int outstandingReferences() const;
        /** The objects with outstanding references and their counts, for failure messages. */
        std::string describeReferences() const;

        /** What the plug-in did wrong to the host; empty when it behaved. */
        std::vector<std::string> problems() const;
        void problem (std::string description);

        /** The objects of type T, in creation order. */
        template <class T>
        std::vector<T*> objects() const
        {
            const std::lock_guard<std::mutex> lock (mMutex);
            std::vector<T*> found;
            for (const auto& object : mObjects)
                if (auto* typed = dynamic_cast<T*> (object.get()))
                    found.push_back (typed);
            return found;
        }

        /** The object behind an interface pointer the plug-in passed in, if it is one of ours
            and of type T. */
        template <class T>
        T* find (const void* iface) const
        {
            return dynamic_cast<T*> (ownerOf (iface));
        }

        /** find, noting a problem when the plug-in passed an object that is not one of ours. */
        template <class T>
        T* resolve (const std::string& where, const void* iface)
        {
            T* found = find<T> (iface);
            if (iface != nullptr && found == nullptr)
                problem (where + ": an object this host did not make");
            return found;
        }

        /** Makes a host object that this host owns from now on. */
        template <class T, class... Args>
        T& make (Args&&... args)
        {
            auto object = std::make_unique<T> (*this, std::forward<Args> (args)...);
            T& made = *object;
            const std::lock_guard<std::mutex> lock (mMutex);
            mObjects.push_back (std::move (object));
            return made;
        }

        // Called by the host objects.
        void registerInterface (const IACFUnknown* iface, HostObject& owner);
        void noteRelease (const HostObject& object, int version);

    private:
        HostObject* ownerOf (const void* iface) const;

        const HostOptions mOptions;
        CallLog mLog;

        mutable std::mutex mMutex;
        std::vector<std::unique_ptr<HostObject>> mObjects;
        std::vector<std::pair<const void*, HostObject*>> mInterfaces;
        std::vector<ReleaseEvent> mReleases;
        std::vector<std::string> mProblems;

        Router* mUnknown = nullptr;
        ComponentFactory* mFactory = nullptr;
        DescriptionHost* mDescriptionHost = nullptr;
        HostDefinition* mHostDefinition = nullptr;
        HostServices* mServices = nullptr;
    };
} // namespace quindle::test::aaxhost
