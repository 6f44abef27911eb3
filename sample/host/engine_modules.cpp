// The engine modules that the module would load.
#include "sample/host/engine_modules.h"

#include "engine/code_module.h"
#include "engine/install_prefix.h"

std::string MissingEngineModule()
{
    const struct {
        const char* BaseName;
        const char* Role;
    } modules[] = {{CodeModuleBaseName, "code"}, {DesignModuleBaseName, "design"}};
    // The prefix of the module this host loaded, as the module takes it.
    const auto installPrefix = InstallPrefixOfModule(GetModuleHandleA("QuillSTMech.dll"));
    if (!installPrefix)
        return "the module's own path cannot be had, so it loads no engine module";
    for (const auto& module : modules) {
        // Sought by the loader's own search, as the module seeks it; loading a module that
        // the run loaded already only adds a reference, given back at once.
        const std::string file = EngineModulePath(*installPrefix, module.BaseName);
        HMODULE found = LoadLibraryA(file.c_str());
        if (found == nullptr)
            return "there is no " + std::string(module.Role) + " module at '" + file + "'";
        FreeLibrary(found);
    }
    return {};
}
