#pragma once

// The library's exceptions. They exist only inside the library: every exported function
// catches them, so none reaches the host.

#include "AAX_Errors.h"

#include <string>

namespace AAX
{
    /** The name of a result code: its table name, "plug-in defined error" for the plug-in range,
        or "<unknown error code>". */
    std::string AsStringResult (AAX_Result result);

    namespace Exception
    {
        /** The library's exception base; not derived from std::exception. */
        class Any
        {
        public:
            explicit Any (const std::string& description);
            virtual ~Any();

            Any (const Any&) = default;
            Any (Any&&) = default;
            Any& operator= (const Any&) = default;
            Any& operator= (Any&&) = default;

            const std::string& Desc() const noexcept { return mDesc; }
            const std::string& What() const noexcept { return mWhat; }

            /** The description, then " func:" and the function, then " line:" and the line, each
                only when it is not empty. */
            static std::string CreateWhat (const std::string& description, const std::string& function,
                                           const std::string& line);

        private:
            std::string mDesc;
            std::string mFunction;
            std::string mLine;
            std::string mWhat;
        };

        /** A failing result code, raised by AAX_CheckedResult. */
        class ResultError : public Any
        {
        public:
            explicit ResultError (AAX_Result result);
            ~ResultError() override;

            ResultError (const ResultError&) = default;
            ResultError (ResultError&&) = default;
            ResultError& operator= (const ResultError&) = default;
            ResultError& operator= (ResultError&&) = default;

            AAX_Result Result() const noexcept { return mResult; }

            /** The code's name, " (", the code in signed decimal and ")". */
            static std::string FormatResult (AAX_Result result);

        private:
            AAX_Result mResult;
        };
    } // namespace Exception
} // namespace AAX
