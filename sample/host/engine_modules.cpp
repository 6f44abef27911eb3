#include "sample/host/engine_modules.h"

#include "engine/code_module.h"
#include "engine/install_prefix.h"

#if defined(_WIN32)
#include <filesystem>
#else
#include "platform/paths/platform_paths.h"
#endif

namespace {
// The engine module's file as the host names it, and whether it is there, found as the
// module's loader finds a full path: names match without case. On the platform its own
// file system matches them so.
struct EngineModuleFile {
    std::string Path;
    bool Exists;
};

EngineModuleFile FindEngineModuleFile(const std::string& path)
{
#if defined(_WIN32)
    std::error_code error;
    return {path, std::filesystem::is_regular_file(path, error)};
#else
    std::string file = WithForwardSlashes(path);
    const bool exists = ExistingPath(FullPath(file)).has_value();
    return {std::move(file), exists};
#endif
}
}  // namespace

std::string MissingEngineModule()
{
    const struct {
        const char* BaseName;
        const char* Role;
    } modules[] = {{CodeModuleBaseName, "code"}, {DesignModuleBaseName, "design"}};
    for (const auto& module : modules) {
        const EngineModuleFile file = FindEngineModuleFile(EngineModulePath(InstallPrefix(), module.BaseName));
        if (!file.Exists)
            return "there is no " + std::string(module.Role) + " module at '" + file.Path + "'";
    }
    return {};
}
