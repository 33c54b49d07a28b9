#include "AAX_CHostServices.h"
#include "tests/aax/support/FakeHostServices.h"

#include <gtest/gtest.h>

#include <string>

namespace quindle::test::aax
{
TEST (HostServices, ReportsAreDroppedWithSuccessWithoutHostServices)
{
    ASSERT_EQ (sHostServices, nullptr);
    EXPECT_EQ (AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "lost %d", 1), AAX_SUCCESS);
    EXPECT_EQ (AAX_CHostServices::HandleAssertFailure ("file", 1, "0", 1), AAX_SUCCESS);
    EXPECT_EQ (AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, nullptr), AAX_SUCCESS)
        << "nothing is formatted without a host";
}

TEST (HostServices, TraceFormatsAndPassesTheHostsResultBack)
{
    ScopedHostServices services;
    services.host.result = -20004;

    EXPECT_EQ (AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "caught: %s (%d)", "boom", 7), -20004);

    ASSERT_EQ (services.host.traces.size(), 1u);
    EXPECT_EQ (services.host.traces[0].priority, 0x08000000);
    EXPECT_EQ (services.host.traces[0].text, "caught: boom (7)");
}

TEST (HostServices, OverlongTraceIsCutTo511CharactersNotRefused)
{
    ScopedHostServices services;

    struct Case
    {
        size_t length;
        size_t sent;
    };

    for (const Case c : { Case { 511, 511 }, Case { 512, 511 }, Case { 600, 511 }, Case { 5000, 511 } })
    {
        SCOPED_TRACE (c.length);
        services.host.traces.clear();
        const std::string text (c.length, 'x');

        EXPECT_EQ (AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "%s", text.c_str()), AAX_SUCCESS);
        ASSERT_EQ (services.host.traces.size(), 1u);
        EXPECT_EQ (services.host.traces[0].text, text.substr (0, c.sent));
    }
}

TEST (HostServices, TextWithFormatCharactersPassedAsArgumentArrivesVerbatim)
{
    ScopedHostServices services;
    const char* what = "bad %s %n %d%% text";

    AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "AAXRegisterPlugin exception caught: %s", what);

    ASSERT_EQ (services.host.traces.size(), 1u);
    EXPECT_EQ (services.host.traces[0].text, std::string ("AAXRegisterPlugin exception caught: ") + what);
}

TEST (HostServices, NullFormatIsAFormattingFailureNotACrash)
{
    ScopedHostServices services;

    EXPECT_EQ (AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, nullptr), -20051);
    EXPECT_TRUE (services.host.traces.empty());
}

TEST (HostServices, AssertionFailureReachesTheHostUnchanged)
{
    ScopedHostServices services;
    services.host.result = 5;

    EXPECT_EQ (AAX_CHostServices::HandleAssertFailure ("/Library/SDKs/AAX/Interfaces/AAX_CParameter", 831, "0 < numSteps", 1), 5);

    ASSERT_EQ (services.host.assertions.size(), 1u);
    const auto& assertion = services.host.assertions[0];
    EXPECT_EQ (assertion.file, "/Library/SDKs/AAX/Interfaces/AAX_CParameter");
    EXPECT_EQ (assertion.line, 831);
    EXPECT_EQ (assertion.expression, "0 < numSteps");
    EXPECT_EQ (assertion.flags, 1);
}
} // namespace quindle::test::aax
