#pragma once

// The threads of this process as the kernel lists them, to see what a loaded bundle started and
// whether it left anything running.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace quindle::test::aaxhost
{
/** The name of every thread of this process, sorted. */
inline std::vector<std::string> threadNames()
{
    std::vector<std::string> names;

    for (const auto& task : std::filesystem::directory_iterator ("/proc/self/task"))
    {
        std::string name;
        std::getline (std::ifstream (task.path() / "comm"), name);
        names.push_back (name);
    }

    std::sort (names.begin(), names.end());
    return names;
}
} // namespace quindle::test::aaxhost
