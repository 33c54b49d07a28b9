#pragma once

#include "AAX_IPropertyMap.h"
#include "AAX_UIDs.h"

/** The host's information about one feature, as the description code sees it. */
class AAX_IFeatureInfo
{
public:
    virtual ~AAX_IFeatureInfo() = default;

    virtual AAX_Result SupportLevel (AAX_ESupportLevel& oSupportLevel) const = 0;
    /** A new map with the feature's properties, owned by the caller; null when there is none. */
    virtual const AAX_IPropertyMap* AcquireProperties() const = 0;
    virtual const AAX_Feature_UID& ID() const = 0;
};
