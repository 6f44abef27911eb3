#pragma once
// The engine's modules, bound by name at run time. Only the code module's handle is kept,
// in one module-wide variable shared by every COrvelEngine object; entry points are
// looked up at every call.
#include "platform/loader/module_loading.h"

#include <optional>
#include <string>
#include <string_view>

inline constexpr char CodeModuleBaseName[] = "ASME";
inline constexpr char DesignModuleBaseName[] = "ORVEL";

extern HMODULE CodeModuleHandle;

// Releases one reference of the code module through CodeModuleHandle, which keeps its
// value; a null handle releases nothing. When that unloads the module, the blocks it handed
// over went with it, and are forgotten until ASMEZI hands blocks over again.
void ReleaseCodeModule();

// Loads the engine module with the given base name from the XEQ folder below the prefix.
// Without a prefix (the module's own path could not be had) nothing is loaded: an engine
// found from the working folder could be any installation's.
HMODULE LoadEngineModule(const std::optional<std::string>& installPrefix, std::string_view baseName);

// The entry point of the given name as a function of its real type, or null.
template <typename Function>
Function FindEntryPoint(HMODULE module, const char* name)
{
    return EntryPointAs<Function>(GetProcAddress(module, name));
}
