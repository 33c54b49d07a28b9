#pragma once

#include "tests/aaxhost/testhost/Versions.h"

#include "AAX_ACF.h"
#include "AAX_Errors.h"
#include "AAX_IString.h"

#include <atomic>
#include <initializer_list>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <type_traits>
#include <vector>

namespace quindle::test::aaxhost
{
    class Host;

    /** One object of the test host as the plug-in reaches it: reference counted, answering
        queries for the interface versions it offers, each version through an interface object
        of its own (a facet) so that the host sees which version the plug-in called. The Host
        owns every object until it is destroyed, so what the plug-in did stays readable after
        the plug-in has released it. */
    class HostObject
    {
    public:
        HostObject (Host& host, std::string name, Versions offered);
        virtual ~HostObject();

        HostObject (const HostObject&) = delete;
        HostObject& operator= (const HostObject&) = delete;

        /** The object's kind as the call log names it ("Controller", "PropertyMap", ...). */
        const std::string& name() const noexcept { return mName; }
        Host& host() const noexcept { return mHost; }

        /** Which versions queries are answered for, from now on. */
        void offer (Versions versions);
        Versions offered() const;
        /** A broken host: queries for an offered version report success and hand out null. */
        void answerQueriesWithNull (bool answerWithNull) noexcept { mAnswerWithNull = answerWithNull; }
        /** A broken host: a query or hand-out that fails still writes one of this object's
            interfaces (or the object's it would have handed out) into the out pointer, without
            a reference for it. */
        void failWithAnInterface (bool failWithInterface) noexcept { mFailWithInterface = failWithInterface; }
        bool failsWithAnInterface() const noexcept { return mFailWithInterface; }

        /** Makes an operation (by name) answer result from now on; AAX_SUCCESS restores the
            normal answer. Out arguments are written only for AAX_SUCCESS. */
        void setResult (const std::string& operation, AAX_Result result);

        /** Queries this object does not answer itself are passed on to other, in order. */
        void alsoAsk (HostObject& other);

        /** References handed out and not yet given back. */
        int references() const noexcept { return mReferences.load(); }
        /** How often the plug-in asked this object for iid, answered or not. */
        int queries (const acfIID& iid) const;

        /** The object as an IACFUnknown (its first facet), without taking a reference. */
        IACFUnknown* unknown() const noexcept;

        // The unknown behind every facet.
        ACFRESULT QueryInterface (const acfIID& iid, void** out);
        ACFUInt32 AddRef();
        ACFUInt32 Release (int version);

        /** Logs a call through one version and returns its result (the forced one, or
            AAX_SUCCESS). */
        AAX_Result record (int version, const char* operation) const;
        /** A null argument that the host would write through or read: a problem, answered with
            AAX_ERROR_NULL_ARGUMENT. */
        AAX_Result nullArgument (const char* operation) const;

    protected:
        /** Queries for iid hand out iface when version is offered. iface is the facet as the
            interface that iid names. */
        void answer (const acfIID& iid, int version, IACFUnknown* iface);
        /** Makes one facet per version and answers ids[k - 1] with the facet of version k. */
        template <class FacetType, class Owner>
        void offerFacets (Owner& owner, std::vector<std::unique_ptr<FacetType>>& facets, std::initializer_list<acfIID> ids)
        {
            int version = 0;
            for (const auto& iid : ids)
            {
                facets.push_back (std::make_unique<FacetType> (owner, ++version));
                answer (iid, version, facets.back().get());
            }
        }

        /** Last resort for queries nobody answered; the default answers none. */
        virtual ACFRESULT queryFurther (const acfIID& iid, void** out);

        /** Guards the records of the derived classes (the plug-in may call from any thread). */
        mutable std::mutex mMutex;

    private:
        template <class, class>
        friend class Facet;

        struct Answer
        {
            acfIID iid;
            int version;
            IACFUnknown* iface;
        };

        ACFRESULT answerOwn (const Answer& answer, void** out);

        Host& mHost;
        const std::string mName;
        std::atomic<bool> mAnswerWithNull { false };
        std::atomic<bool> mFailWithInterface { false };
        std::atomic<int> mReferences { 0 };
        std::vector<Answer> mAnswers;
        std::vector<HostObject*> mAlsoAsk;

        mutable std::mutex mStateMutex;
        Versions mOffered;
        std::map<std::string, AAX_Result> mForcedResults;
        std::vector<std::pair<acfIID, int>> mQueries;
    };

    //==============================================================================
    /** What every facet does: the unknown goes to the owner, calls are logged with the facet's
        version, and answers are written through the plug-in's out pointers. */
    template <class Interface, class Owner>
    class Facet : public Interface
    {
    public:
        Facet (Owner& owner, int version) noexcept : mOwner (owner), mVersion (version) {}
        virtual ~Facet() = default;

        Facet (const Facet&) = delete;
        Facet& operator= (const Facet&) = delete;

        ACFRESULT QueryInterface (const acfIID& iid, void** out) override { return mOwner.QueryInterface (iid, out); }
        ACFUInt32 AddRef() override { return mOwner.AddRef(); }
        ACFUInt32 Release() override { return mOwner.Release (mVersion); }

    protected:
        Owner& owner() const noexcept { return mOwner; }

        AAX_Result call (const char* operation) const { return mOwner.record (mVersion, operation); }

        /** Logs the call and, on success, writes value through out. */
        template <typename Out, typename Value>
        AAX_Result reply (const char* operation, Out* out, const Value& value) const
        {
            const AAX_Result result = call (operation);
            return result != AAX_SUCCESS ? result : put (operation, out, value);
        }

        /** Writes value through out; a null out is the plug-in's fault. */
        template <typename Out, typename Value>
        AAX_Result put (const char* operation, Out* out, const Value& value) const
        {
            if (out == nullptr)
                return mOwner.nullArgument (operation);

            assign (*out, value);
            return AAX_SUCCESS;
        }

        /** Logs the call and, on success, applies change to the owner's records under its lock;
            change may return a result of its own. */
        template <typename Change>
        AAX_Result change (const char* operation, Change&& apply) const
        {
            const AAX_Result result = call (operation);
            if (result != AAX_SUCCESS)
                return result;

            const std::lock_guard<std::mutex> lock (mOwner.mMutex);
            if constexpr (std::is_void_v<decltype (apply())>)
            {
                apply();
                return AAX_SUCCESS;
            }
            else
            {
                return apply();
            }
        }

        /** Logs the call and hands out object's unknown with a reference of its own (nothing for
            a null object or a failing result, unless the owner fails with an interface). */
        AAX_Result handOut (const char* operation, IACFUnknown** out, HostObject* object) const
        {
            const AAX_Result result = call (operation);
            if (out == nullptr)
                return result != AAX_SUCCESS ? result : mOwner.nullArgument (operation);

            *out = nullptr;
            if (result == AAX_SUCCESS && object != nullptr)
            {
                object->AddRef();
                *out = object->unknown();
            }
            else if (mOwner.failsWithAnInterface() && object != nullptr)
            {
                *out = object->unknown();
            }

            return result;
        }

    private:
        template <typename Out, typename Value>
        static void assign (Out& out, const Value& value) { out = static_cast<Out> (value); }
        static void assign (AAX_IString& out, const std::string& value) { out.Set (value.c_str()); }

        Owner& mOwner;
        const int mVersion;
    };

    /** A copy of a NUL-terminated text from the plug-in; null reads as empty. */
    inline std::string textOf (const char* text) { return text != nullptr ? text : ""; }
} // namespace quindle::test::aaxhost
