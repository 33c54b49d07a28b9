#pragma once

#include "AAX_IString.h"

#include <string>

namespace quindle::test::aaxhost
{
    /** The host's own string for the plug-in to write texts into (IDs, names, value texts), as a
        host passes one to calls taking an AAX_IString. */
    class HostString final : public AAX_IString
    {
    public:
        HostString() = default;
        explicit HostString (std::string text) : mText (std::move (text)) {}

        uint32_t Length() const override { return static_cast<uint32_t> (mText.size()); }
        uint32_t MaxLength() const override { return kMaxLength; }
        const char* Get() const override { return mText.c_str(); }
        void Set (const char* text) override { mText = text != nullptr ? text : ""; }
        AAX_IString& operator= (const AAX_IString& other) override { Set (other.Get()); return *this; }
        AAX_IString& operator= (const char* text) override { Set (text); return *this; }

        const std::string& text() const noexcept { return mText; }

    private:
        static constexpr uint32_t kMaxLength = 0xFFFFFFFEu;
        std::string mText;
    };
} // namespace quindle::test::aaxhost
