#pragma once

#include "AAX_ACF.h"

/** The host's trace facility, first version. */
class AAX_IACFHostServices : public IACFUnknown
{
public:
    virtual AAX_Result Trace (int32_t iPriority, const char* iMessage) = 0;

protected:
    ~AAX_IACFHostServices() = default;
};

/** Second version: stack traces. */
class AAX_IACFHostServices_V2 : public AAX_IACFHostServices
{
public:
    virtual AAX_Result StackTrace (int32_t iTracePriority, int32_t iStackTracePriority, const char* iMessage) = 0;

protected:
    ~AAX_IACFHostServices_V2() = default;
};

/** Third version: assertion reports. */
class AAX_IACFHostServices_V3 : public AAX_IACFHostServices_V2
{
public:
    virtual AAX_Result HandleAssertFailure (const char* iFile, int32_t iLine, const char* iNote, int32_t iFlags) = 0;

protected:
    ~AAX_IACFHostServices_V3() = default;
};
