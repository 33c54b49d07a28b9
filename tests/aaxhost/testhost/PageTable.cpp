#include "tests/aaxhost/testhost/PageTable.h"

#include "AAX_IACFPageTable.h"
#include "AAX_UIDs.h"

#include <iterator>

namespace quindle::test::aaxhost
{
    namespace
    {
        template <typename Container>
        bool isIndexOf (int32_t index, const Container& container) noexcept
        {
            return index >= 0 && static_cast<size_t> (index) < container.size();
        }

        /** The entry at position index of a map, or end. */
        template <typename Map>
        auto entryAt (const Map& map, int32_t index)
        {
            return isIndexOf (index, map) ? std::next (map.begin(), index) : map.end();
        }

        constexpr AAX_Result kDone = AAX_SUCCESS;
        constexpr AAX_Result kRefused = AAX_ERROR_INVALID_ARGUMENT;
    }

    class PageTable::Interface final : public Facet<AAX_IACFPageTable_V2, PageTable>
    {
    public:
        using Facet::Facet;

        AAX_Result Clear() override
        {
            return change ("Clear", [&] { pages().clear(); });
        }

        AAX_Result Empty (AAX_CBoolean& out) const override
        {
            return change ("Empty", [&] { out = pages().empty() ? 1 : 0; });
        }

        AAX_Result GetNumPages (int32_t& out) const override
        {
            return change ("GetNumPages", [&] { out = static_cast<int32_t> (pages().size()); });
        }

        AAX_Result InsertPage (int32_t page) override
        {
            return change ("InsertPage", [&] {
                if (page < 0 || static_cast<size_t> (page) > pages().size())
                    return kRefused;
                pages().insert (pages().begin() + page, std::vector<std::string>());
                return kDone;
            });
        }

        AAX_Result RemovePage (int32_t page) override
        {
            return onPage ("RemovePage", page, [&] (std::vector<std::string>&) {
                pages().erase (pages().begin() + page);
                return kDone;
            });
        }

        AAX_Result GetNumMappedParameterIDs (int32_t page, int32_t& out) const override
        {
            return onPage ("GetNumMappedParameterIDs", page, [&] (std::vector<std::string>& slots) {
                out = static_cast<int32_t> (slots.size());
                return kDone;
            });
        }

        AAX_Result ClearMappedParameter (int32_t page, int32_t slot) override
        {
            return onSlot ("ClearMappedParameter", page, slot, [] (std::string& id) { id.clear(); });
        }

        AAX_Result GetMappedParameterID (int32_t page, int32_t slot, AAX_IString& out) const override
        {
            return onSlot ("GetMappedParameterID", page, slot, [&] (std::string& id) { out.Set (id.c_str()); });
        }

        AAX_Result MapParameterID (AAX_CParamID parameterID, int32_t page, int32_t slot) override
        {
            return onPage ("MapParameterID", page, [&] (std::vector<std::string>& slots) {
                if (slot < 0)
                    return kRefused;
                if (static_cast<size_t> (slot) >= slots.size())
                    slots.resize (static_cast<size_t> (slot) + 1);
                slots[static_cast<size_t> (slot)] = textOf (parameterID);
                return kDone;
            });
        }

        AAX_Result GetNumParametersWithNameVariations (int32_t& out) const override
        {
            return change ("GetNumParametersWithNameVariations", [&] { out = static_cast<int32_t> (variations().size()); });
        }

        AAX_Result GetNameVariationParameterIDAtIndex (int32_t index, AAX_IString& out) const override
        {
            return change ("GetNameVariationParameterIDAtIndex", [&] {
                const auto entry = entryAt (variations(), index);
                if (entry == variations().end())
                    return kRefused;
                out.Set (entry->first.c_str());
                return kDone;
            });
        }

        AAX_Result GetNumNameVariationsForParameter (AAX_CParamID parameterID, int32_t& out) const override
        {
            return change ("GetNumNameVariationsForParameter", [&] {
                const auto entry = variations().find (textOf (parameterID));
                out = entry != variations().end() ? static_cast<int32_t> (entry->second.size()) : 0;
            });
        }

        AAX_Result GetParameterNameVariationAtIndex (AAX_CParamID parameterID, int32_t index, AAX_IString& outName,
                                                     int32_t& outLength) const override
        {
            return onVariations ("GetParameterNameVariationAtIndex", parameterID, [&] (const auto& byLength) {
                const auto entry = entryAt (byLength, index);
                if (entry == byLength.end())
                    return kRefused;
                outName.Set (entry->second.c_str());
                outLength = entry->first;
                return kDone;
            });
        }

        AAX_Result GetParameterNameVariationOfLength (AAX_CParamID parameterID, int32_t length, AAX_IString& outName) const override
        {
            return onVariations ("GetParameterNameVariationOfLength", parameterID, [&] (const auto& byLength) {
                const auto entry = byLength.find (length);
                if (entry == byLength.end())
                    return kRefused;
                outName.Set (entry->second.c_str());
                return kDone;
            });
        }

        AAX_Result ClearParameterNameVariations() override
        {
            return change ("ClearParameterNameVariations", [&] { variations().clear(); });
        }

        AAX_Result ClearNameVariationsForParameter (AAX_CParamID parameterID) override
        {
            return change ("ClearNameVariationsForParameter", [&] { variations().erase (textOf (parameterID)); });
        }

        AAX_Result SetParameterNameVariation (AAX_CParamID parameterID, const AAX_IString& name, int32_t length) override
        {
            return change ("SetParameterNameVariation",
                           [&] { variations()[textOf (parameterID)][length] = textOf (name.Get()); });
        }

    private:
        decltype (Contents::pages)& pages() const { return owner().mContents.pages; }
        decltype (Contents::nameVariations)& variations() const { return owner().mContents.nameVariations; }

        template <typename Apply>
        AAX_Result onPage (const char* operation, int32_t page, Apply&& apply) const
        {
            return change (operation, [&] {
                return isIndexOf (page, pages()) ? apply (pages()[static_cast<size_t> (page)]) : kRefused;
            });
        }

        template <typename Apply>
        AAX_Result onSlot (const char* operation, int32_t page, int32_t slot, Apply&& apply) const
        {
            return onPage (operation, page, [&] (std::vector<std::string>& slots) {
                if (! isIndexOf (slot, slots))
                    return kRefused;
                apply (slots[static_cast<size_t> (slot)]);
                return kDone;
            });
        }

        template <typename Apply>
        AAX_Result onVariations (const char* operation, AAX_CParamID parameterID, Apply&& apply) const
        {
            return change (operation, [&] {
                const auto entry = variations().find (textOf (parameterID));
                return entry != variations().end() ? apply (entry->second) : kRefused;
            });
        }
    };

    PageTable::PageTable (Host& host, Versions offered)
        : HostObject (host, "PageTable", offered)
    {
        offerFacets (*this, mFacets, { IID_IAAXPageTableV1, IID_IAAXPageTableV2 });
    }

    PageTable::~PageTable() = default;

    PageTable::Contents PageTable::contents() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mContents;
    }

    void PageTable::setContents (Contents contents)
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        mContents = std::move (contents);
    }
} // namespace quindle::test::aaxhost
