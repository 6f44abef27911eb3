// The module's own path, and the installation prefix and engine module paths taken from it.
#include "engine/install_prefix.h"

#include <algorithm>
#include <vector>

namespace {
// An address inside the module that holds this code.
const char AddressInThisModule = 0;
}  // namespace

HMODULE OwnModule()
{
    HMODULE self = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            &AddressInThisModule, &self))
        return nullptr;
    return self;
}

DWORD GetModulePath(HMODULE module, char* buffer, int size)
{
    if (module == nullptr || buffer == nullptr || size <= 0)
        return 0;
    std::vector<char> path(static_cast<std::size_t>(size), '\0');
    const DWORD length = GetModuleFileNameA(module, path.data(), static_cast<DWORD>(size));
    if (length == 0)
        return 0;
    if (length < static_cast<DWORD>(size)) {
        GetShortPathNameA(path.data(), path.data(), static_cast<DWORD>(size));
    } else {
        // Cut: some versions of the platform leave the text unterminated, and what is left
        // names another file or none, whose short form is not this module's.
        path.back() = '\0';
    }
    std::copy(path.begin(), path.end(), buffer);
    return length;
}

DWORD GetOwnModulePath(char* buffer, int size) { return GetModulePath(OwnModule(), buffer, size); }

std::optional<std::string> InstallPrefixOfModule(HMODULE module)
{
    // Start with the platform's path size and grow until the whole path fits.
    for (int size = 256; size <= (1 << 20); size *= 2) {
        std::vector<char> buffer(static_cast<std::size_t>(size), '\0');
        const DWORD length = GetModulePath(module, buffer.data(), size);
        if (length == 0)
            return std::nullopt;
        if (length < static_cast<DWORD>(size))
            return InstallPrefixOf(buffer.data());
    }
    return std::nullopt;
}

std::optional<std::string> InstallPrefix() { return InstallPrefixOfModule(OwnModule()); }

std::string InstallPrefixOf(std::string_view modulePath)
{
    auto position = modulePath.find("XEQ");
    if (position == std::string_view::npos)
        position = modulePath.find("xeq");
    if (position == std::string_view::npos)
        return {};
    return std::string(modulePath.substr(0, position));
}

std::string EngineModulePath(std::string_view installPrefix, std::string_view baseName)
{
    std::string path(installPrefix);
    path += "XEQ\\";
    path += baseName;
    path += ".DLL";
    return path;
}
