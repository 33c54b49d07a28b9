#pragma once

#include "AAX_ACF.h"
#include "AAX_Enums.h"

/** The host's page-table copies, first version. Each copies into the host page table that
    oPageTable holds (may be null). */
class AAX_IACFPageTableController : public IACFUnknown
{
public:
    virtual AAX_Result CopyTableForEffect (AAX_CPropertyValue inManufacturerID, AAX_CPropertyValue inProductID,
                                           AAX_CPropertyValue inPlugInID, uint32_t inTableType, int32_t inTablePageSize,
                                           IACFUnknown* oPageTable) const = 0;
    virtual AAX_Result CopyTableOfLayoutForEffect (const char* inEffectID, const char* inLayoutName, uint32_t inTableType,
                                                   int32_t inTablePageSize, IACFUnknown* oPageTable) const = 0;

protected:
    ~AAX_IACFPageTableController() = default;
};

/** Second version: copies from a page-table file. */
class AAX_IACFPageTableController_V2 : public AAX_IACFPageTableController
{
public:
    virtual AAX_Result CopyTableForEffectFromFile (const char* inPageTableFilePath, AAX_ETextEncoding inFilePathEncoding,
                                                   AAX_CPropertyValue inManufacturerID, AAX_CPropertyValue inProductID,
                                                   AAX_CPropertyValue inPlugInID, uint32_t inTableType, int32_t inTablePageSize,
                                                   IACFUnknown* oPageTable) const = 0;
    virtual AAX_Result CopyTableOfLayoutFromFile (const char* inPageTableFilePath, AAX_ETextEncoding inFilePathEncoding,
                                                  const char* inLayoutName, uint32_t inTableType, int32_t inTablePageSize,
                                                  IACFUnknown* oPageTable) const = 0;

protected:
    ~AAX_IACFPageTableController_V2() = default;
};
