#pragma once

#include "AAX_ACF.h"

/** The host's collection of effect descriptions. */
class AAX_IACFCollection : public IACFUnknown
{
public:
    virtual AAX_Result AddEffect (const char* inEffectID, IACFUnknown* inEffectDescriptor) = 0;
    virtual AAX_Result SetManufacturerName (const char* inPackageName) = 0;
    virtual AAX_Result AddPackageName (const char* inPackageName) = 0;
    virtual AAX_Result SetPackageVersion (uint32_t inVersion) = 0;
    virtual AAX_Result SetProperties (IACFUnknown* inProperties) = 0;

protected:
    ~AAX_IACFCollection() = default;
};
