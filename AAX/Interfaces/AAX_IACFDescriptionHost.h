#pragma once

#include "AAX_UIDs.h"

/** The host's answers, at description time, about the features it offers. */
class AAX_IACFDescriptionHost : public IACFUnknown
{
public:
    /** Hands out the host's feature-info object for inFeatureID (one reference). */
    virtual AAX_Result AcquireFeatureProperties (const AAX_Feature_UID& inFeatureID, IACFUnknown** outFeatureProperties) = 0;

protected:
    ~AAX_IACFDescriptionHost() = default;
};
