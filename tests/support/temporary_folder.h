#pragma once
// A new, empty folder of the caller's own in the temporary folder. mkdtemp makes it under a
// name no other folder has, so nothing an earlier run left behind can be met in it.
#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

// Named "<prefix>-" and six characters. The name never holds "XEQ" or "xeq", which the
// module would take for its installation's folder.
inline std::filesystem::path NewTemporaryFolder(const std::string& prefix)
{
    namespace fs = std::filesystem;
    for (;;) {
        std::string pattern = (fs::temp_directory_path() / (prefix + "-XXXXXX")).string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw fs::filesystem_error("cannot make a temporary folder", pattern,
                                       std::error_code(errno, std::generic_category()));
        const std::string name = fs::path(pattern).filename().string();
        if (name.find("XEQ") == std::string::npos && name.find("xeq") == std::string::npos)
            return fs::canonical(pattern);
        fs::remove(pattern);
    }
}
