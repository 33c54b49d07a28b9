#include "AAX_CheckedResult.h"
#include "AAX_Exception.h"
#include "tests/aax/support/FakeHostServices.h"

#include <gtest/gtest.h>

namespace quindle::test::aax
{
TEST (CheckedResult, AcceptedResultThrowsNothingAndTracesNothing)
{
    ScopedHostServices services;

    AAX_CheckedResult result;
    EXPECT_NO_THROW (result = AAX_SUCCESS);
    EXPECT_NO_THROW (AAX_CheckedResult { AAX_SUCCESS });

    EXPECT_EQ (result.Result(), AAX_SUCCESS);
    EXPECT_EQ (result.LastError(), AAX_SUCCESS);
    EXPECT_TRUE (services.host.traces.empty());
}

TEST (CheckedResult, RejectedAssignmentThrowsTracesAndKeepsTheCodeAsLastError)
{
    ScopedHostServices services;
    AAX_CheckedResult result;

    try
    {
        result = AAX_ERROR_NULL_OBJECT;
        FAIL() << "a failing result must throw";
    }
    catch (const AAX::Exception::ResultError& error)
    {
        EXPECT_EQ (error.Result(), AAX_ERROR_NULL_OBJECT);
        EXPECT_EQ (error.What(), "AAX_ERROR_NULL_OBJECT (-20004)");
    }

    EXPECT_EQ (result.Result(), AAX_SUCCESS) << "the current result is reset once the failure is raised";
    EXPECT_EQ (result.LastError(), AAX_ERROR_NULL_OBJECT);

    ASSERT_EQ (services.host.traces.size(), 1u);
    EXPECT_EQ (services.host.traces[0].priority, 0x04000000);
    EXPECT_EQ (services.host.traces[0].text, "AAX_CheckedResult - throwing AAX_ERROR_NULL_OBJECT (-20004)");

    // The object stays usable: a later success is accepted.
    EXPECT_NO_THROW (result = AAX_SUCCESS);
}

TEST (CheckedResult, ConstructionChecksAtOnceAndThrowsWithoutHostServices)
{
    // No host-services object: the trace is dropped, the exception still comes.
    EXPECT_THROW (AAX_CheckedResult { AAX_ERROR_UNIMPLEMENTED }, AAX::Exception::ResultError);
    EXPECT_THROW (AAX_CheckedResult { 1 }, AAX::Exception::Any) << "positive codes are not accepted either";
}
} // namespace quindle::test::aax
