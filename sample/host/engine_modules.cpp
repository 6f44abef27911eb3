// The engine modules that the module would load.
#include "sample/host/engine_modules.h"

#include "engine/code_module.h"
#include "engine/install_prefix.h"
#include "platform/paths/file_system_paths.h"
#include "platform/paths/path_text.h"

std::string MissingEngineModule()
{
    const struct {
        const char* BaseName;
        const char* Role;
    } modules[] = {{CodeModuleBaseName, "code"}, {DesignModuleBaseName, "design"}};
    for (const auto& module : modules) {
        // Found as the module's loader finds a full path: names match without case.
        const std::string file = WithForwardSlashes(EngineModulePath(InstallPrefix(), module.BaseName));
        if (!ExistingPath(FullPath(file)))
            return "there is no " + std::string(module.Role) + " module at '" + file + "'";
    }
    return {};
}
