#pragma once

// What every versioned host wrapper does: obtain the host's interface versions once, and
// forward an operation to one version or answer for it when the host lacks that version.

#include "ACFPtr.h"
#include "AAX_Errors.h"
#include "AAX_IPropertyMap.h"
#include "AAX_UIDs.h"

#include <memory>
#include <set>
#include <utility>

namespace AAX_VWrapperSupport
{
    // What an operation answers when the host lacks the interface version it belongs to.

    /** There is no host object to call: the answer of most operations of a first version (and
        of the host services' assertion report, a third version's). */
    constexpr AAX_Result kNoHostObject = AAX_ERROR_NULL_OBJECT;
    /** The running host does not implement the operation: the answer of the operations that
        only later versions offer, and of every page-table operation and the view container's
        mouse operations, first version included. */
    constexpr AAX_Result kNotImplementedByHost = AAX_ERROR_UNIMPLEMENTED;

    template <typename T>
    struct NoDeduce
    {
        using type = T;
    };

    /** Calls operation on the host's interface with the arguments unchanged, or returns absent
        when the host lacks that version. */
    template <class Held, class Result, class Interface, class... Params, class... Args>
    Result Forward (const ACFPtr<Held>& held, typename NoDeduce<Result>::type absent,
                    Result (Interface::*operation) (Params...) const, Args&&... args)
    {
        return held.isNull() ? absent : (held.get()->*operation) (std::forward<Args> (args)...);
    }

    template <class Held, class Result, class Interface, class... Params, class... Args>
    Result Forward (const ACFPtr<Held>& held, typename NoDeduce<Result>::type absent,
                    Result (Interface::*operation) (Params...), Args&&... args)
    {
        return held.isNull() ? absent : (held.get()->*operation) (std::forward<Args> (args)...);
    }

    /** Keeps what a host call wrote into out only when the call succeeded; returns whether it
        did. A failed query, creation or acquisition hands out no reference, so whatever a
        broken host wrote there anyway is forgotten, never released: releasing it could free an
        object the host still uses, forgetting it costs at most a leak. */
    template <class T>
    bool KeepIfSucceeded (bool succeeded, ACFPtr<T>& out)
    {
        if (! succeeded)
            out.Forget();

        return succeeded;
    }

    /** Asks object for another version of an interface; a failed query leaves out empty. */
    template <class T>
    void QueryHostObject (IACFUnknown* object, const acfIID& iid, ACFPtr<T>& out)
    {
        if (object != nullptr)
            KeepIfSucceeded (ACFSUCCEEDED (object->QueryInterface (iid, out.GetOutPtr())), out);
    }

    /** Asks the host unknown for its component factory; false when the query fails. A query
        that succeeds without handing out a factory is a broken host, met as a call through an
        empty pointer: it throws ACF_E_POINTER, which the exported functions catch. Every
        creator that asks here runs at start-up or while the plug-in is described. */
    inline bool QueryFactory (IACFUnknown* hostUnknown, ACFPtr<IACFComponentFactory>& factory)
    {
        if (hostUnknown == nullptr
            || ! KeepIfSucceeded (ACFSUCCEEDED (hostUnknown->QueryInterface (IID_IACFComponentFactory, factory.GetOutPtr())),
                                  factory))
            return false;

        if (factory.isNull())
            throw ACF_E_POINTER;

        return true;
    }

    /** Creates the host component through factory, handing out its interface iid; a failed
        creation leaves out empty. An empty factory throws ACF_E_POINTER. */
    template <class T>
    void CreateHostObject (const ACFPtr<IACFComponentFactory>& factory, const acfCLSID& component, const acfIID& iid, ACFPtr<T>& out)
    {
        KeepIfSucceeded (ACFSUCCEEDED (factory->CreateComponent (component, nullptr, iid, out.GetOutPtr())), out);
    }

    /** The same through the host unknown's factory, which is released afterwards. Without a
        factory out stays empty. */
    template <class T>
    void CreateHostObject (IACFUnknown* hostUnknown, const acfCLSID& component, const acfIID& iid, ACFPtr<T>& out)
    {
        ACFPtr<IACFComponentFactory> factory;
        if (QueryFactory (hostUnknown, factory))
            CreateHostObject (factory, component, iid, out);
    }

    /** What the host receives in place of a library map: the map's host object (null for none). */
    inline IACFUnknown* HostObjectOf (AAX_IPropertyMap* map)
    {
        return map != nullptr ? map->GetIUnknown() : nullptr;
    }

    /** What the host receives in place of a library descriptor: its first-version host object
        (null for none, or for a descriptor that is not one of the library's wrappers). */
    template <class Wrapper, class Interface>
    IACFUnknown* HostObjectOf (Interface* descriptor)
    {
        const auto* wrapper = dynamic_cast<const Wrapper*> (descriptor);
        return wrapper != nullptr ? wrapper->GetIUnknown() : nullptr;
    }

    /** Files a wrapper made for a caller in its maker's owned set, which deletes it later. */
    template <class Wrapper>
    Wrapper* Own (std::set<Wrapper*>& owned, std::unique_ptr<Wrapper> wrapper)
    {
        if (wrapper == nullptr)
            return nullptr;

        owned.insert (wrapper.get());
        return wrapper.release();
    }

    template <class Wrapper>
    void DeleteOwned (std::set<Wrapper*>& owned)
    {
        for (auto* wrapper : owned)
            delete wrapper;
        owned.clear();
    }
} // namespace AAX_VWrapperSupport
