#include "AAX_CheckedResult.h"

#include "AAX_CHostServices.h"
#include "AAX_Exception.h"

AAX_CheckedResult::AAX_CheckedResult() = default;

AAX_CheckedResult::AAX_CheckedResult (AAX_Result result)
    : mCurResult (result)
{
    Check();
}

AAX_CheckedResult& AAX_CheckedResult::operator= (AAX_Result result)
{
    mCurResult = result;
    Check();
    return *this;
}

void AAX_CheckedResult::Check()
{
    if (mAcceptedResults.count (mCurResult) != 0)
        return;

    const AAX::Exception::ResultError error (mCurResult);
    mLastError = mCurResult;
    mCurResult = AAX_SUCCESS;

    AAX_CHostServices::Trace (AAX_eTracePriorityHost_Normal, "AAX_CheckedResult - throwing %s", error.What().c_str());
    throw error;
}
