// The exported functions are thin shells: the library's twin's result passes through unchanged
// and nothing the twin throws reaches the host. The twins here are stand-ins that record their
// arguments or throw on request; this executable does not link the library.

#include "AAX_Exports.cpp"
#include "AAX_UIDs.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace
{
    /** What every stand-in twin does; the default returns 7 and records nothing. */
    std::function<ACFRESULT()> twinBehaviour = [] { return 7; };
    std::vector<const void*> twinArguments;

    ACFRESULT runTwin (std::initializer_list<const void*> arguments)
    {
        twinArguments.assign (arguments);
        return twinBehaviour();
    }
}

ACFRESULT AAXStartup (IACFUnknown* host) { return runTwin ({ host }); }
ACFRESULT AAXRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** out) { return runTwin ({ host, out }); }
ACFRESULT AAXRegisterComponent (IACFUnknown* host, ACFUInt32, IACFComponentDefinition** out) { return runTwin ({ host, out }); }
ACFRESULT AAXGetClassFactory (IACFUnknown* host, const acfCLSID& clsid, const acfIID& iid, void** out) { return runTwin ({ host, &clsid, &iid, out }); }
ACFRESULT AAXCanUnloadNow (IACFUnknown* host) { return runTwin ({ host }); }
ACFRESULT AAXShutdown (IACFUnknown* host) { return runTwin ({ host }); }
ACFRESULT AAXGetSDKVersion (uint64_t* out) { return runTwin ({ out }); }

namespace
{
    struct Export
    {
        const char* name;
        std::function<ACFRESULT()> call;
    };

    IACFUnknown* const kHost = reinterpret_cast<IACFUnknown*> (0x1000);
    void* outSlot = nullptr;
    uint64_t version = 0;

    const Export kExports[] = {
        { "ACFStartup", [] { return ACFStartup (kHost); } },
        { "ACFRegisterPlugin", [] { return ACFRegisterPlugin (kHost, reinterpret_cast<IACFPluginDefinition**> (&outSlot)); } },
        { "ACFRegisterComponent", [] { return ACFRegisterComponent (kHost, 0, reinterpret_cast<IACFComponentDefinition**> (&outSlot)); } },
        { "ACFGetClassFactory", [] { return ACFGetClassFactory (kHost, IID_IACFUnknown, IID_IACFUnknown, &outSlot); } },
        { "ACFCanUnloadNow", [] { return ACFCanUnloadNow (kHost); } },
        { "ACFShutdown", [] { return ACFShutdown (kHost); } },
        { "ACFGetSDKVersion", [] { return ACFGetSDKVersion (&version); } },
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
        ASSERT_FALSE (twinArguments.empty());
    }

    EXPECT_EQ (twinArguments[0], &version) << "the out argument is the caller's";
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
