#include "tests/aaxhost/testhost/PageTableController.h"

#include "tests/aaxhost/testhost/Host.h"

#include "AAX_IACFPageTableController.h"
#include "AAX_UIDs.h"

namespace quindle::test::aaxhost
{
    class PageTableController::Interface final : public Facet<AAX_IACFPageTableController_V2, PageTableController>
    {
    public:
        using Facet::Facet;

        AAX_Result CopyTableForEffect (AAX_CPropertyValue manufacturerID, AAX_CPropertyValue productID, AAX_CPropertyValue plugInID,
                                       uint32_t tableType, int32_t tablePageSize, IACFUnknown* table) const override
        {
            Copy copy = plain ("CopyTableForEffect", tableType, tablePageSize, table);
            setIDs (copy, manufacturerID, productID, plugInID);
            return copyAs (std::move (copy));
        }

        AAX_Result CopyTableOfLayoutForEffect (const char* effectID, const char* layoutName, uint32_t tableType,
                                               int32_t tablePageSize, IACFUnknown* table) const override
        {
            Copy copy = plain ("CopyTableOfLayoutForEffect", tableType, tablePageSize, table);
            copy.effectID = textOf (effectID);
            copy.layoutName = textOf (layoutName);
            return copyAs (std::move (copy));
        }

        AAX_Result CopyTableForEffectFromFile (const char* filePath, AAX_ETextEncoding encoding, AAX_CPropertyValue manufacturerID,
                                               AAX_CPropertyValue productID, AAX_CPropertyValue plugInID, uint32_t tableType,
                                               int32_t tablePageSize, IACFUnknown* table) const override
        {
            Copy copy = plain ("CopyTableForEffectFromFile", tableType, tablePageSize, table);
            setFile (copy, filePath, encoding);
            setIDs (copy, manufacturerID, productID, plugInID);
            return copyAs (std::move (copy));
        }

        AAX_Result CopyTableOfLayoutFromFile (const char* filePath, AAX_ETextEncoding encoding, const char* layoutName,
                                              uint32_t tableType, int32_t tablePageSize, IACFUnknown* table) const override
        {
            Copy copy = plain ("CopyTableOfLayoutFromFile", tableType, tablePageSize, table);
            setFile (copy, filePath, encoding);
            copy.layoutName = textOf (layoutName);
            return copyAs (std::move (copy));
        }

    private:
        static Copy plain (const char* operation, uint32_t tableType, int32_t tablePageSize, const IACFUnknown* table)
        {
            Copy copy;
            copy.operation = operation;
            copy.tableType = tableType;
            copy.tablePageSize = tablePageSize;
            copy.table = table;
            return copy;
        }

        static void setIDs (Copy& copy, AAX_CPropertyValue manufacturerID, AAX_CPropertyValue productID, AAX_CPropertyValue plugInID)
        {
            copy.manufacturerID = manufacturerID;
            copy.productID = productID;
            copy.plugInID = plugInID;
        }

        static void setFile (Copy& copy, const char* filePath, AAX_ETextEncoding encoding)
        {
            copy.filePath = textOf (filePath);
            copy.filePathEncoding = encoding;
        }

        AAX_Result copyAs (Copy copy) const
        {
            const AAX_Result result = call (copy.operation.c_str());
            return owner().copyInto (std::move (copy), result);
        }
    };

    PageTableController::PageTableController (Host& host, Versions offered)
        : HostObject (host, "PageTableController", offered)
    {
        offerFacets (*this, mFacets, { IID_IAAXPageTableController, IID_IAAXPageTableControllerV2 });
    }

    PageTableController::~PageTableController() = default;

    std::vector<PageTableController::Copy> PageTableController::copies() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mCopies;
    }

    AAX_Result PageTableController::copyInto (Copy copy, AAX_Result result)
    {
        auto* table = host().resolve<PageTable> ("PageTableController::" + copy.operation, copy.table);
        {
            const std::lock_guard<std::mutex> lock (mMutex);
            mCopies.push_back (std::move (copy));
        }

        if (result != AAX_SUCCESS)
            return result;
        if (table == nullptr)
            return AAX_ERROR_NULL_OBJECT;

        table->setContents (source);
        return AAX_SUCCESS;
    }
} // namespace quindle::test::aaxhost
