// The module's own path, and the installation prefix and engine module paths taken from it.
#include "engine/install_prefix.h"

#include "platform/loader/module_loading.h"

#include <vector>

DWORD GetOwnModulePath(char* buffer, int size)
{
    if (buffer == nullptr || size <= 0)
        return 0;
    HMODULE self = GetModuleHandleA(OwnModuleFileName);
    if (self == nullptr)
        return 0;
    std::vector<char> path(static_cast<std::size_t>(size), '\0');
    const DWORD length = GetModuleFileNameA(self, path.data(), static_cast<DWORD>(size));
    if (length == 0)
        return 0;
    GetShortPathNameA(path.data(), path.data(), static_cast<DWORD>(size));
    std::copy(path.begin(), path.end(), buffer);
    return length;
}

std::string InstallPrefix()
{
    // Start with the platform's path size and grow until the whole path fits.
    for (int size = 256; size <= (1 << 20); size *= 2) {
        std::vector<char> buffer(static_cast<std::size_t>(size), '\0');
        const DWORD length = GetOwnModulePath(buffer.data(), size);
        if (length == 0)
            return {};
        if (length < static_cast<DWORD>(size))
            return InstallPrefixOf(buffer.data());
    }
    return {};
}

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
