#pragma once

#include "AAX_Enums.h"
#include "AAX_IHostServices.h"

/** The process-wide host-services object: made by the start-up entry point, deleted at
    shutdown, null outside that window. Read without a lock by every trace and assertion. */
extern AAX_IHostServices* sHostServices;

/** Sends trace lines and assertion failures to the host. Without a host-services object every
    report is dropped with AAX_SUCCESS. Callable from any thread. */
class AAX_CHostServices
{
public:
    AAX_CHostServices() = delete;

    /** printf-style: the text is formatted into 512 bytes on the caller's stack; a longer text
        is cut at 511 characters. Returns the host's result, or -20051 when the text cannot be
        formatted. Pass variable texts as "%s" arguments, never as the format. */
    static AAX_Result Trace (AAX_ETracePriorityHost iPriority, const char* iFormat, ...)
#if defined (__GNUC__)
        __attribute__ ((format (printf, 2, 3)))
#endif
        ;

    static AAX_Result HandleAssertFailure (const char* iFile, int32_t iLine, const char* iExpression, int32_t iFlags);

    static constexpr int32_t kTraceBufferSize = 512;
};
