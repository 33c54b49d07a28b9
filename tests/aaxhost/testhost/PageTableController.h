#pragma once

#include "tests/aaxhost/testhost/HostObject.h"
#include "tests/aaxhost/testhost/PageTable.h"

#include "AAX_Enums.h"

#include <vector>

namespace quindle::test::aaxhost
{
    /** The host's page-table copies (two versions). Every copy is recorded with its arguments; a
        copy into one of this host's page tables fills it with source, a copy into none fails
        with AAX_ERROR_NULL_OBJECT. */
    class PageTableController : public HostObject
    {
    public:
        PageTableController (Host& host, Versions offered);
        ~PageTableController() override;

        struct Copy
        {
            std::string operation;      // "CopyTableForEffect", "CopyTableOfLayoutForEffect", ...
            std::string effectID;
            std::string layoutName;
            std::string filePath;
            AAX_ETextEncoding filePathEncoding = AAX_eTextEncoding_Undefined;
            AAX_CPropertyValue manufacturerID = 0;
            AAX_CPropertyValue productID = 0;
            AAX_CPropertyValue plugInID = 0;
            uint32_t tableType = 0;
            int32_t tablePageSize = 0;
            const IACFUnknown* table = nullptr;   // as the plug-in passed it
        };

        /** What a successful copy writes into the plug-in's table. */
        PageTable::Contents source;

        std::vector<Copy> copies() const;

    private:
        class Interface;
        /** Records the copy and, when the host answers success, fills the table. */
        AAX_Result copyInto (Copy copy, AAX_Result result);

        std::vector<std::unique_ptr<Interface>> mFacets;
        std::vector<Copy> mCopies;
    };
} // namespace quindle::test::aaxhost
