#include "sample/host/engine_modules.h"

#include "engine/code_module.h"
#include "engine/install_prefix.h"

#include <algorithm>
#include <filesystem>

namespace {
// The module's path with the platform's folder separator as this file system writes it.
std::string EngineModuleFile(const char* baseName)
{
    std::string path = EngineModulePath(InstallPrefix(), baseName);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}
}  // namespace

std::string MissingEngineModule()
{
    const struct {
        const char* BaseName;
        const char* Role;
    } modules[] = {{CodeModuleBaseName, "code"}, {DesignModuleBaseName, "design"}};
    for (const auto& module : modules) {
        const std::string file = EngineModuleFile(module.BaseName);
        std::error_code error;
        if (!std::filesystem::exists(file, error))
            return "there is no " + std::string(module.Role) + " module at '" + file + "'";
    }
    return {};
}
