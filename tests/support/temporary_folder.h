#pragma once
// A new, empty folder of the caller's own in the temporary folder, made under a name no other
// folder has (creating a folder fails where one exists), so nothing an earlier run left
// behind can be met in it.
#include <filesystem>
#include <random>
#include <string>

// Named "<prefix>-" and eight lower-case letters and digits without 'x', so the name never
// holds "XEQ" or "xeq" (which the module would take for its installation's folder), whether
// or not the file system tells case.
inline std::filesystem::path NewTemporaryFolder(const std::string& prefix)
{
    namespace fs = std::filesystem;
    constexpr char Characters[] = "abcdefghijklmnopqrstuvwyz0123456789";
    std::random_device random;
    for (;;) {
        std::string name = prefix + "-";
        for (int i = 0; i < 8; ++i)
            name += Characters[random() % (sizeof Characters - 1)];
        const fs::path folder = fs::temp_directory_path() / name;
        if (fs::create_directory(folder))
            return fs::canonical(folder);
    }
}
