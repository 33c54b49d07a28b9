#pragma once

#include "AAX_CHostServices.h"
#include "AAX_Errors.h"

#include <string>
#include <vector>

namespace quindle::test::aax
{
    /** Records what reaches the host's trace and assertion facilities. */
    struct FakeHostServices : AAX_IHostServices
    {
        struct TraceLine
        {
            int32_t priority;
            std::string text;
        };

        struct Assertion
        {
            std::string file;
            int32_t line;
            std::string expression;
            int32_t flags;
        };

        AAX_Result HandleAssertFailure (const char* file, int32_t line, const char* note, int32_t flags) const override
        {
            assertions.push_back ({ file, line, note, flags });
            return result;
        }

        AAX_Result Trace (int32_t priority, const char* message) const override
        {
            traces.push_back ({ priority, message });
            return result;
        }

        AAX_Result StackTrace (int32_t, int32_t, const char*) const override { return result; }

        AAX_Result result = AAX_SUCCESS;
        mutable std::vector<TraceLine> traces;
        mutable std::vector<Assertion> assertions;
    };

    /** Installs a FakeHostServices as the process-wide host-services object for one scope. */
    struct ScopedHostServices
    {
        ScopedHostServices() { sHostServices = &host; }
        ~ScopedHostServices() { sHostServices = nullptr; }

        ScopedHostServices (const ScopedHostServices&) = delete;
        ScopedHostServices& operator= (const ScopedHostServices&) = delete;

        FakeHostServices host;
    };
} // namespace quindle::test::aax
