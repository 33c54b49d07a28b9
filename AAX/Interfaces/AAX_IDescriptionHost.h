#pragma once

#include "AAX_IFeatureInfo.h"

/** What the host offers at description time. */
class AAX_IDescriptionHost
{
public:
    virtual ~AAX_IDescriptionHost() = default;

    /** A new feature-info object owned by the caller; null when the host has none for the ID. */
    virtual const AAX_IFeatureInfo* AcquireFeatureProperties (const AAX_Feature_UID& inFeatureID) const = 0;
};
