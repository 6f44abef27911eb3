// Paths as text: separators, components, normal form and the comparison of file names.
#include "platform/paths/linux/path_text.h"

#include <algorithm>

namespace {

char LowerCaseLetter(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string WithForwardSlashes(std::string_view path)
{
    std::string result(path);
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

std::vector<std::string_view> PathComponents(std::string_view path)
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

std::string JoinedPath(std::string_view folder, std::string_view name)
{
    std::string path(folder);
    if (path.empty() || path.back() != '/')
        path += '/';
    path += name;
    return path;
}

std::string_view FileNameOf(std::string_view path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view FolderOf(std::string_view path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
}

std::string LexicallyNormal(std::string_view path)
{
    const bool absolute = !path.empty() && path.front() == '/';
    std::vector<std::string_view> kept;
    for (const std::string_view component : PathComponents(path)) {
        if (component == ".")
            continue;
        if (component == ".." && !kept.empty() && kept.back() != "..")
            kept.pop_back();
        else if (component != ".." || !absolute)
            kept.push_back(component);
    }
    std::string result = absolute ? "/" : "";
    for (const std::string_view component : kept)
        result = result.empty() ? std::string(component) : JoinedPath(result, component);
    return result.empty() ? "." : result;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerCaseLetter(x) == LowerCaseLetter(y); });
}
