// LoadLibraryA, FreeLibrary, GetProcAddress, GetModuleHandleA, GetModuleHandleExA,
// GetModuleFileNameA and GetShortPathNameA over the dynamic loader.
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
    if (copied == text.size())
        return static_cast<DWORD>(copied);
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
}

BOOL FailedHandleRequest(HMODULE* module, DWORD error)
{
    if (module != nullptr)
        *module = nullptr;
    SetLastError(error);
    return FALSE;
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
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT, moduleName, &module);
    return module;
}

BOOL GetModuleHandleExA(DWORD flags, LPCSTR moduleName, HMODULE* module)
{
    constexpr DWORD offered = GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT | GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS;
    if (module == nullptr || (flags & ~offered) != 0)
        return FailedHandleRequest(module, ERROR_INVALID_PARAMETER);
    void* handle = nullptr;
    if ((flags & GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS) != 0)
        handle = OpenModuleHolding(moduleName);
    else if (moduleName == nullptr)
        handle = dlopen(nullptr, RTLD_NOW);
    else
        handle = OpenLoadedModule(WithForwardSlashes(moduleName));
    if (handle == nullptr)
        return FailedHandleRequest(module, ERROR_MOD_NOT_FOUND);
    // The look-up took a reference; it is given back unless the caller asked for one.
    if ((flags & GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT) != 0)
        dlclose(handle);
    *module = static_cast<HMODULE>(handle);
    return TRUE;
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
