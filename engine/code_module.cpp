// The code module's module-wide handle, its release, and the loading of an engine module by
// base name.
#include "engine/code_module.h"

#include "dictionary/engine_blocks.h"
#include "engine/install_prefix.h"

HMODULE CodeModuleHandle = nullptr;

namespace {

// The file loaded for the module, whole; empty when it cannot be had.
std::string ModuleFile(HMODULE module)
{
    for (DWORD size = MAX_PATH; size <= (DWORD{1} << 20); size *= 2) {
        std::string file(size, '\0');
        const DWORD length = GetModuleFileNameA(module, file.data(), size);
        if (length == 0)
            return {};
        if (length < size) {
            file.resize(length);
            return file;
        }
    }
    return {};
}

}  // namespace

void ReleaseCodeModule()
{
    if (CodeModuleHandle == nullptr)
        return;
    const std::string file = ModuleFile(CodeModuleHandle);
    FreeLibrary(CodeModuleHandle);
    // Another reference may hold the module loaded, and its blocks with it. Where that
    // cannot be told, the blocks are taken to be gone.
    if (file.empty() || GetModuleHandleA(file.c_str()) == nullptr)
        ForgetEngineBlocks();
}

HMODULE LoadEngineModule(const std::optional<std::string>& installPrefix, std::string_view baseName)
{
    if (!installPrefix)
        return nullptr;
    return LoadLibraryA(EngineModulePath(*installPrefix, baseName).c_str());
}
