#pragma once

#include "AAX_IDescriptionHost.h"
#include "AAX_IEffectDescriptor.h"

/** The collection of effect descriptions that registration fills. */
class AAX_ICollection
{
public:
    virtual ~AAX_ICollection() = default;

    /** A new effect descriptor owned by the collection; null when the host offers none. */
    virtual AAX_IEffectDescriptor* NewDescriptor() = 0;
    virtual AAX_Result AddEffect (const char* inEffectID, AAX_IEffectDescriptor* inEffectDescriptor) = 0;
    virtual AAX_Result SetManufacturerName (const char* inPackageName) = 0;
    virtual AAX_Result AddPackageName (const char* inPackageName) = 0;
    virtual AAX_Result SetPackageVersion (uint32_t inVersion) = 0;
    /** A new map owned by the collection; null when the host offers none. */
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result SetProperties (AAX_IPropertyMap* inProperties) = 0;
    /** The host's description services, or null when it offers none. */
    virtual AAX_IDescriptionHost* DescriptionHost() = 0;
    virtual const AAX_IDescriptionHost* DescriptionHost() const = 0;
    /** The host's definition of itself (no reference added), or null. */
    virtual IACFDefinition* HostDefinition() const = 0;
};
