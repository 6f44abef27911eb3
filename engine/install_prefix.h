#pragma once
// Where the installation lies: the text of the module's own path before its "XEQ" folder.
#include "platform/win_types.h"

#include <string>
#include <string_view>

// This module's own file name, under which the platform knows it once loaded.
inline constexpr char OwnModuleFileName[] = "QuillSTMech.dll";

// Fills the buffer with this module's full path in short form, cut to size - 1
// characters. Answers the path's length as read, size when it was cut, or 0 when the path
// cannot be had; on failure the buffer is left as it was.
DWORD GetOwnModulePath(char* buffer, int size);

// The text of the module's own path before its first "XEQ", or else before its first
// "xeq"; empty when neither occurs or the path cannot be had. Paths of any length.
std::string InstallPrefix();
// The same, for a given module path.
std::string InstallPrefixOf(std::string_view modulePath);

// The file of the engine module with the given base name: InstallPrefix + "XEQ\" + base
// name + ".DLL". The folder is always written in upper case.
std::string EngineModulePath(std::string_view installPrefix, std::string_view baseName);
