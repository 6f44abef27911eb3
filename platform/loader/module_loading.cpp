#include "platform/loader/module_loading.h"

#include <dlfcn.h>
#include <link.h>
#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// Both '\' and '/' separate folders, as on the platform.
std::string NormalisedPath(std::string_view path)
{
    std::string result(path);
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

std::string_view BaseName(std::string_view path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool SameFileName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

std::string AbsolutePath(const std::string& path)
{
    if (path.empty() || path.front() == '/')
        return path;
    std::string folder(4096, '\0');
    if (getcwd(folder.data(), folder.size()) == nullptr)
        return path;
    folder.resize(std::strlen(folder.c_str()));
    return folder + "/" + path;
}

std::string MainProgramPath()
{
    std::string path(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0)
        return {};
    path.resize(static_cast<std::size_t>(length));
    return path;
}

struct ModuleSearch {
    std::string wanted;  // normalised
    bool byFullPath;
    std::string found;
};

int MatchLoadedModule(dl_phdr_info* info, std::size_t, void* data)
{
    auto* search = static_cast<ModuleSearch*>(data);
    if (info->dlpi_name == nullptr || info->dlpi_name[0] == '\0')
        return 0;
    const std::string path = AbsolutePath(info->dlpi_name);
    const bool match = search->byFullPath ? SameFileName(path, search->wanted)
                                          : SameFileName(BaseName(path), search->wanted);
    if (match)
        search->found = info->dlpi_name;
    return match ? 1 : 0;
}

DWORD CopyCut(const std::string& text, LPSTR buffer, DWORD size)
{
    if (buffer == nullptr || size == 0)
        return 0;
    const std::size_t copied = std::min<std::size_t>(text.size(), size - 1);
    std::memmove(buffer, text.data(), copied);
    buffer[copied] = '\0';
    return copied < text.size() ? size : static_cast<DWORD>(copied);
}

}  // namespace

HMODULE LoadLibraryA(LPCSTR fileName)
{
    if (fileName == nullptr || fileName[0] == '\0')
        return nullptr;
    return static_cast<HMODULE>(dlopen(NormalisedPath(fileName).c_str(), RTLD_NOW | RTLD_LOCAL));
}

BOOL FreeLibrary(HMODULE module)
{
    if (module == nullptr)
        return FALSE;
    return dlclose(module) == 0 ? TRUE : FALSE;
}

FARPROC GetProcAddress(HMODULE module, LPCSTR procName)
{
    if (module == nullptr || procName == nullptr)
        return nullptr;
    void* address = dlsym(module, procName);
    FARPROC entry = nullptr;
    static_assert(sizeof entry == sizeof address);
    std::memcpy(&entry, &address, sizeof entry);
    return entry;
}

HMODULE GetModuleHandleA(LPCSTR moduleName)
{
    if (moduleName == nullptr)
        return static_cast<HMODULE>(dlopen(nullptr, RTLD_NOW));
    ModuleSearch search{NormalisedPath(moduleName), false, {}};
    search.byFullPath = search.wanted.find('/') != std::string::npos;
    if (search.byFullPath)
        search.wanted = AbsolutePath(search.wanted);
    if (dl_iterate_phdr(&MatchLoadedModule, &search) == 0)
        return nullptr;
    // The handle of a module already loaded; give back the reference this look-up took.
    void* handle = dlopen(search.found.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle != nullptr)
        dlclose(handle);
    return static_cast<HMODULE>(handle);
}

DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size)
{
    std::string path;
    link_map* map = nullptr;
    if (module != nullptr && dlinfo(module, RTLD_DI_LINKMAP, &map) == 0 && map != nullptr
        && map->l_name != nullptr && map->l_name[0] != '\0')
        path = AbsolutePath(map->l_name);
    else if (module == nullptr || map != nullptr)
        path = MainProgramPath();
    if (path.empty())
        return 0;
    return CopyCut(path, fileName, size);
}

DWORD GetShortPathNameA(LPCSTR longPath, LPSTR shortPath, DWORD size)
{
    if (longPath == nullptr)
        return 0;
    const std::string path(longPath);  // the source may be the destination itself
    if (path.size() + 1 > size || shortPath == nullptr)
        return static_cast<DWORD>(path.size() + 1);
    std::memmove(shortPath, path.c_str(), path.size() + 1);
    return static_cast<DWORD>(path.size());
}
