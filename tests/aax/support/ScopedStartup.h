#pragma once

#include "AAX_Init.h"
#include "tests/aaxhost/testhost/TestHost.h"

namespace quindle::test::aax
{
    /** The library started with a test host for one scope, so traces and assertion reports
        reach host.services(). */
    struct ScopedStartup
    {
        explicit ScopedStartup (aaxhost::Host& host) { AAXStartup (host.unknown()); }
        ~ScopedStartup() { AAXShutdown (nullptr); }

        ScopedStartup (const ScopedStartup&) = delete;
        ScopedStartup& operator= (const ScopedStartup&) = delete;
    };
} // namespace quindle::test::aax
