#pragma once
// Where the installation lies: the text of the module's own path before its "XEQ" folder.
#include "platform/loader/module_loading.h"

#include <optional>
#include <string>
#include <string_view>

// The module that holds this code, found by an address inside it: the right one whatever
// name it was loaded by and however many copies of it are loaded. Null when none is found.
HMODULE OwnModule();

// Fills the buffer with the module's full path: in short form when the whole path fits,
// else cut to size - 1 characters as read, and terminated. Answers the path's length as
// read, size when it was cut, or 0 when the path cannot be had; on failure the buffer is
// left as it was.
DWORD GetModulePath(HMODULE module, char* buffer, int size);
// The same for the module that holds this code.
DWORD GetOwnModulePath(char* buffer, int size);

// The text of the module's path before its first "XEQ", or else before its first "xeq";
// empty when neither occurs. None when the module's path cannot be had. Paths of any length.
std::optional<std::string> InstallPrefixOfModule(HMODULE module);
// The same for the module that holds this code.
std::optional<std::string> InstallPrefix();
// The same, for a given module path.
std::string InstallPrefixOf(std::string_view modulePath);

// The file of the engine module with the given base name: InstallPrefix + "XEQ\" + base
// name + ".DLL". The folder is always written in upper case.
std::string EngineModulePath(std::string_view installPrefix, std::string_view baseName);
