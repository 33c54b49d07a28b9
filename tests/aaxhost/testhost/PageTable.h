#pragma once

#include "tests/aaxhost/testhost/HostObject.h"

#include <map>
#include <vector>

namespace quindle::test::aaxhost
{
    /** A host page table (two versions): pages of slots, each slot mapped to a parameter ID
        (empty when cleared), and name variations of parameters by length. Indices out of range
        are refused with AAX_ERROR_INVALID_ARGUMENT. */
    class PageTable : public HostObject
    {
    public:
        PageTable (Host& host, Versions offered);
        ~PageTable() override;

        struct Contents
        {
            std::vector<std::vector<std::string>> pages;
            std::map<std::string, std::map<int32_t, std::string>> nameVariations;   // by parameter ID, then length

            bool operator== (const Contents& other) const { return pages == other.pages && nameVariations == other.nameVariations; }
        };

        Contents contents() const;
        void setContents (Contents contents);

    private:
        class Interface;
        std::vector<std::unique_ptr<Interface>> mFacets;
        Contents mContents;
    };
} // namespace quindle::test::aaxhost
