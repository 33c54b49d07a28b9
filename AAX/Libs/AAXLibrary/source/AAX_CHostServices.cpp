#include "AAX_CHostServices.h"

#include "AAX_Errors.h"

#include <cstdarg>
#include <cstdio>

AAX_IHostServices* sHostServices = nullptr;

AAX_Result AAX_CHostServices::Trace (AAX_ETracePriorityHost iPriority, const char* iFormat, ...)
{
    if (sHostServices == nullptr)
        return AAX_SUCCESS;

    if (iFormat == nullptr)
        return kAAX_Result_TraceFormatFailed;

    char message[kTraceBufferSize];

    va_list args;
    va_start (args, iFormat);
    const int written = std::vsnprintf (message, sizeof (message), iFormat, args);
    va_end (args);

    // A text longer than the buffer comes back cut and terminated: only a negative count is an
    // error.
    if (written < 0)
        return kAAX_Result_TraceFormatFailed;

    return sHostServices->Trace (iPriority, message);
}

AAX_Result AAX_CHostServices::HandleAssertFailure (const char* iFile, int32_t iLine, const char* iExpression, int32_t iFlags)
{
    if (sHostServices == nullptr)
        return AAX_SUCCESS;

    return sHostServices->HandleAssertFailure (iFile, iLine, iExpression, iFlags);
}
