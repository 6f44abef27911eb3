// Paths on the file system: the working folder, and names looked up in their folders.
#include "platform/paths/linux/file_system_paths.h"

#include "platform/paths/linux/path_text.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>

namespace {

bool Exists(const std::string& path)
{
    struct stat status {};
    return lstat(path.c_str(), &status) == 0;
}

// The first name in byte order in the folder that equals the name without regard to case.
std::optional<std::string> NameIgnoringCase(const std::string& folder, std::string_view name)
{
    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr)
        return std::nullopt;
    std::optional<std::string> first;
    while (const dirent* entry = readdir(directory)) {
        const std::string_view candidate(entry->d_name);
        if (SameNameIgnoringCase(candidate, name) && (!first || candidate < *first))
            first = std::string(candidate);
    }
    closedir(directory);
    return first;
}

}  // namespace

std::string FullPath(std::string_view path)
{
    if (!path.empty() && path.front() == '/')
        return LexicallyNormal(path);
    // Of any length: the working folder may lie deeper than the longest path a system call
    // takes, and a relative path can still climb out of it to a file.
    const std::unique_ptr<char, decltype(&std::free)> folder(getcwd(nullptr, 0), &std::free);
    if (folder == nullptr)
        return {};
    return LexicallyNormal(JoinedPath(folder.get(), path));
}

std::optional<std::string> ExistingPath(std::string_view absolutePath)
{
    if (absolutePath.empty() || absolutePath.front() != '/')
        return std::nullopt;
    std::string found = "/";
    for (const std::string_view component : PathComponents(absolutePath)) {
        const std::string exact = JoinedPath(found, component);
        if (Exists(exact)) {
            found = exact;
            continue;
        }
        const auto match = NameIgnoringCase(found, component);
        if (!match)
            return std::nullopt;
        found = JoinedPath(found, *match);
    }
    return found;
}
