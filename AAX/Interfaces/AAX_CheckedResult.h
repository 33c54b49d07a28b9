#pragma once

#include "AAX_Errors.h"

#include <set>

/** Holds a result and throws AAX::Exception::ResultError, after tracing it, as soon as a result
    outside the accepted set ({AAX_SUCCESS}) is put into it. */
class AAX_CheckedResult
{
public:
    AAX_CheckedResult();
    AAX_CheckedResult (AAX_Result result);   // checks at once
    AAX_CheckedResult& operator= (AAX_Result result);   // checks at once

    /** Throws when the current result is not accepted; the rejected code then moves to the last
        error and the current result becomes AAX_SUCCESS. */
    void Check();

    AAX_Result Result() const noexcept { return mCurResult; }
    AAX_Result LastError() const noexcept { return mLastError; }

private:
    AAX_Result mCurResult = AAX_SUCCESS;
    AAX_Result mLastError = AAX_SUCCESS;
    std::set<AAX_Result> mAcceptedResults { AAX_SUCCESS };
};
