// The exported functions are thin shells: the library's twin's result passes through unchanged
// and nothing the twin throws reaches the host. The twins here are stand-ins that record their
// arguments or throw on request; this executable does not link the library.

#include "AAX_Exports.cpp"
#include "AAX_UIDs.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

namespace
{
    /** What every stand-in twin does; the default returns 7. Each records its arguments: the
        pointers by address, the component index and the class and interface IDs by value. */
    std::function<ACFRESULT()> twinBehaviour = [] { return 7; };
    std::vector<uintptr_t> twinArguments;
    std::vector<acfUID> twinIDs;

    uintptr_t argument (const void* pointer) { return reinterpret_cast<uintptr_t> (pointer); }

    ACFRESULT runTwin (std::initializer_list<uintptr_t> arguments, std::initializer_list<acfUID> ids = {})
    {
        twinArguments.assign (arguments);
        twinIDs.assign (ids);
        return twinBehaviour();
    }
}

ACFRESULT AAXStartup (IACFUnknown* host) { return runTwin ({ argument (host) }); }
ACFRESULT AAXRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** out) { return runTwin ({ argument (host), argument (out) }); }
ACFRESULT AAXRegisterComponent (IACFUnknown* host, ACFUInt32 index, IACFComponentDefinition** out)
{
    return runTwin ({ argument (host), index, argument (out) });
}
ACFRESULT AAXGetClassFactory (IACFUnknown* host, const acfCLSID& clsid, const acfIID& iid, void** out)
{
    return runTwin ({ argument (host), argument (out) }, { clsid, iid });
}
ACFRESULT AAXCanUnloadNow (IACFUnknown* host) { return runTwin ({ argument (host) }); }
ACFRESULT AAXShutdown (IACFUnknown* host) { return runTwin ({ argument (host) }); }
ACFRESULT AAXGetSDKVersion (uint64_t* out) { return runTwin ({ argument (out) }); }

// The twins above stand in for the library's, so they live in the global namespace.
namespace quindle::test::aax
{
namespace
{
    struct Export
    {
        const char* name;
        std::function<ACFRESULT()> call;
        std::vector<uintptr_t> arguments;   // what the twin must receive
        std::vector<acfUID> ids = {};
    };

    IACFUnknown* const kHost = reinterpret_cast<IACFUnknown*> (0x1000);
    constexpr ACFUInt32 kComponentIndex = 3;
    void* outSlot = nullptr;
    uint64_t version = 0;
    const auto kOut = argument (&outSlot);

    // Distinct class and interface IDs, so that swapping them shows.
    const Export kExports[] = {
        { "ACFStartup", [] { return ACFStartup (kHost); }, { argument (kHost) } },
        { "ACFRegisterPlugin", [] { return ACFRegisterPlugin (kHost, reinterpret_cast<IACFPluginDefinition**> (&outSlot)); },
          { argument (kHost), kOut } },
        { "ACFRegisterComponent",
          [] { return ACFRegisterComponent (kHost, kComponentIndex, reinterpret_cast<IACFComponentDefinition**> (&outSlot)); },
          { argument (kHost), kComponentIndex, kOut } },
        { "ACFGetClassFactory", [] { return ACFGetClassFactory (kHost, IID_IAAXEffectParametersV1, IID_IACFComponentFactory, &outSlot); },
          { argument (kHost), kOut }, { IID_IAAXEffectParametersV1, IID_IACFComponentFactory } },
        { "ACFCanUnloadNow", [] { return ACFCanUnloadNow (kHost); }, { argument (kHost) } },
        { "ACFShutdown", [] { return ACFShutdown (kHost); }, { argument (kHost) } },
        { "ACFGetSDKVersion", [] { return ACFGetSDKVersion (&version); }, { argument (&version) } },
    };

    struct Thrower
    {
        const char* name;
        std::function<ACFRESULT()> behaviour;
    };

    struct LibraryStyleException
    {
        virtual ~LibraryStyleException() = default;
    };
}

TEST (Exports, PassTheTwinsResultAndArgumentsThrough)
{
    twinBehaviour = [] { return -20009; };

    for (const auto& e : kExports)
    {
        SCOPED_TRACE (e.name);
        twinArguments.clear();
        EXPECT_EQ (e.call(), -20009);
        EXPECT_EQ (twinArguments, e.arguments);
        EXPECT_EQ (twinIDs, e.ids);
    }
}

TEST (Exports, NoExceptionOfAnyTypeReachesTheHost)
{
    const Thrower throwers[] = {
        { "an integer (empty host-interface pointer)", []() -> ACFRESULT { throw static_cast<int32_t> (0x80000005u); } },
        { "a standard exception", []() -> ACFRESULT { throw std::runtime_error ("boom"); } },
        { "a class outside the standard family", []() -> ACFRESULT { throw LibraryStyleException(); } },
    };

    for (const auto& thrower : throwers)
    {
        twinBehaviour = thrower.behaviour;

        for (const auto& e : kExports)
        {
            SCOPED_TRACE (std::string (e.name) + " with " + thrower.name);
            EXPECT_EQ (e.call(), static_cast<ACFRESULT> (0x8000FFFFu));
        }
    }
}
} // namespace quindle::test::aax
