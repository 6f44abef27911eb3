#pragma once
// The modules that the dynamic loader holds, with their paths and names as the platform
// gives them.
#include <string>
#include <string_view>

// The absolute, normal path of the file loaded for a module, of which the loader keeps the
// name and the module holds the address: the path as loaded, links not followed. An
// absolute name is that path. A relative one names the file from the working folder of the
// moment the module was loaded, which may have changed since: the working folder when the
// module holding this code was loaded, joined with the name, where that names the file
// mapped (the same device and inode), or, without /proc to tell, where the module is the
// one holding this code. Otherwise the path the kernel keeps for the mapping, with links
// resolved. A name without a folder names no file: the loader gives every file it opened a
// folder. Empty when no absolute path can be had; never guessed.
std::string LoadedModulePath(const char* loaderName, const void* addressInModule);

// The absolute path of the main program, as the kernel recorded it.
std::string MainProgramPath();

// A new reference to the loaded module whose file name matches the name without regard to
// case, or, when the name holds a folder, whose full path does; null when none is loaded.
// The name separates folders with '/'.
void* OpenLoadedModule(std::string_view name);

// A new reference to the loaded module (the main program included) whose segments hold the
// address; null when none does.
void* OpenModuleHolding(const void* address);
