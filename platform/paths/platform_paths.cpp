#include "platform/paths/platform_paths.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

std::vector<std::string_view> Components(std::string_view path)
{
    std::vector<std::string_view> components;
    while (!path.empty()) {
        const auto slash = path.find('/');
        const std::string_view component = path.substr(0, slash);
        if (!component.empty())
            components.push_back(component);
        if (slash == std::string_view::npos)
            break;
        path.remove_prefix(slash + 1);
    }
    return components;
}

std::string Joined(const std::string& folder, std::string_view name)
{
    std::string path = folder;
    if (path.empty() || path.back() != '/')
        path += '/';
    path += name;
    return path;
}

char LowerCaseLetter(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

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

std::string WithForwardSlashes(std::string_view path)
{
    std::string result(path);
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

std::string LexicallyNormal(std::string_view path)
{
    const bool absolute = !path.empty() && path.front() == '/';
    std::vector<std::string_view> kept;
    for (const std::string_view component : Components(path)) {
        if (component == ".")
            continue;
        if (component == ".." && !kept.empty() && kept.back() != "..")
            kept.pop_back();
        else if (component != ".." || !absolute)
            kept.push_back(component);
    }
    std::string result = absolute ? "/" : "";
    for (const std::string_view component : kept)
        result = result.empty() ? std::string(component) : Joined(result, component);
    return result.empty() ? "." : result;
}

std::string FullPath(std::string_view path)
{
    if (!path.empty() && path.front() == '/')
        return LexicallyNormal(path);
    // Of any length: the working folder may lie deeper than the longest path a system call
    // takes, and a relative path can still climb out of it to a file.
    const std::unique_ptr<char, decltype(&std::free)> folder(getcwd(nullptr, 0), &std::free);
    if (folder == nullptr)
        return {};
    return LexicallyNormal(Joined(folder.get(), path));
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerCaseLetter(x) == LowerCaseLetter(y); });
}

std::optional<std::string> ExistingPath(std::string_view absolutePath)
{
    if (absolutePath.empty() || absolutePath.front() != '/')
        return std::nullopt;
    std::string found = "/";
    for (const std::string_view component : Components(absolutePath)) {
        const std::string exact = Joined(found, component);
        if (Exists(exact)) {
            found = exact;
            continue;
        }
        const auto match = NameIgnoringCase(found, component);
        if (!match)
            return std::nullopt;
        found = Joined(found, *match);
    }
    return found;
}
