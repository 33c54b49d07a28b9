#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

namespace quindle::test::aaxhost
{
    /** While it lives, the standard error of the whole process (a loaded bundle's included) goes
        to a file, so that a test can read what was written; what a crash or a sanitizer writes
        before it ends the process stays in the file for whoever looks. */
    class StandardErrorToFile
    {
    public:
        explicit StandardErrorToFile (std::string filePath) : path (std::move (filePath))
        {
            std::fflush (stderr);
            const int file = ::open (path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2 (file, STDERR_FILENO);
            ::close (file);
        }

        ~StandardErrorToFile()
        {
            flush();
            ::dup2 (original, STDERR_FILENO);
            ::close (original);
        }

        StandardErrorToFile (const StandardErrorToFile&) = delete;
        StandardErrorToFile& operator= (const StandardErrorToFile&) = delete;

        const std::string& filePath() const noexcept { return path; }

        /** Everything written so far. */
        std::string text() const
        {
            flush();
            std::ifstream file (path);
            return { std::istreambuf_iterator<char> (file), {} };
        }

    private:
        static void flush()
        {
            std::cerr.flush();
            std::fflush (stderr);
        }

        const std::string path;
        const int original = ::dup (STDERR_FILENO);
    };
} // namespace quindle::test::aaxhost
