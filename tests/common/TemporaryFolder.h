#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>
#include <stdlib.h>

namespace quindle::test
{
/** A fresh, empty folder in the system's temporary folder, removed with all it holds when the
    object goes. */
class TemporaryFolder
{
public:
    /** `prefix` begins the folder's name, e.g. "quindle-test-home". */
    explicit TemporaryFolder (const std::string& prefix)
    {
        auto pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();

        if (mkdtemp (pattern.data()) == nullptr)
            throw std::runtime_error ("cannot create a temporary folder " + pattern);

        folder = pattern;
    }

    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all (folder, ignored);
    }

    TemporaryFolder (const TemporaryFolder&) = delete;
    TemporaryFolder& operator= (const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const noexcept { return folder; }

private:
    std::filesystem::path folder;
};
} // namespace quindle::test
