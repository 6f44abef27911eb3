// LoadLibraryA, FreeLibrary, GetProcAddress, GetModuleHandleA and GetModuleFileNameA over
// the dynamic loader.
#include "platform/loader/module_loading.h"

#include "platform/last_error.h"
#include "platform/loader/linux/library_search.h"
#include "platform/loader/linux/loaded_modules.h"
#include "platform/paths/linux/path_text.h"

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

DWORD CopyCut(const std::string& text, LPSTR buffer, DWORD size)
{
    if (buffer == nullptr || size == 0)
        return 0;
    const std::size_t copied = std::min<std::size_t>(text.size(), size - 1);
    std::memmove(buffer, text.data(), copied);
    buffer[copied] = '\0';
    return copied < text.size() ? size : static_cast<DWORD>(copied);
}

// Whether the path is too long for the platform's ANSI calls; if so, says so as they do.
bool RefusedAsTooLong(LPCSTR path)
{
    if (std::strlen(path) < MAX_PATH)
        return false;
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return true;
}

}  // namespace

HMODULE LoadLibraryA(LPCSTR fileName)
{
    if (fileName == nullptr || fileName[0] == '\0' || RefusedAsTooLong(fileName))
        return nullptr;
    return static_cast<HMODULE>(LoadFoundLibrary(WithForwardSlashes(fileName)));
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
    // The handle of a module already loaded; give back the reference this look-up took.
    void* handle = OpenLoadedModule(WithForwardSlashes(moduleName));
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
        path = LoadedModulePath(map->l_name, map->l_ld);
    else if (module == nullptr || map != nullptr)
        path = MainProgramPath();
    if (path.empty())
        return 0;
    return CopyCut(path, fileName, size);
}

DWORD GetShortPathNameA(LPCSTR longPath, LPSTR shortPath, DWORD size)
{
    if (longPath == nullptr || RefusedAsTooLong(longPath))
        return 0;
    const std::string path(longPath);  // the source may be the destination itself
    if (path.size() + 1 > size || shortPath == nullptr)
        return static_cast<DWORD>(path.size() + 1);
    std::memmove(shortPath, path.c_str(), path.size() + 1);
    return static_cast<DWORD>(path.size());
}
