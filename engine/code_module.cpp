// The code module's module-wide handle and the loading of an engine module by base name.
#include "engine/code_module.h"

#include "engine/install_prefix.h"

HMODULE CodeModuleHandle = nullptr;

HMODULE LoadEngineModule(const std::optional<std::string>& installPrefix, std::string_view baseName)
{
    if (!installPrefix)
        return nullptr;
    return LoadLibraryA(EngineModulePath(*installPrefix, baseName).c_str());
}
