#pragma once

#include "AAX_Enums.h"
#include "AAX_UIDs.h"

/** The host's information about one feature. */
class AAX_IACFFeatureInfo : public IACFUnknown
{
public:
    virtual AAX_Result SupportLevel (AAX_ESupportLevel& oSupportLevel) const = 0;
    /** Hands out a host property map with the feature's properties (one reference). */
    virtual AAX_Result AcquireProperties (IACFUnknown** outProperties) = 0;

protected:
    ~AAX_IACFFeatureInfo() = default;
};
