#pragma once
// Module loading with the platform's names, over the dynamic loader. Paths may separate
// folders with '\' or '/'. A module freed to no reference is unloaded, and a later load
// loads it afresh.
#include "platform/win_types.h"

struct ModuleHandleTag;
using HMODULE = ModuleHandleTag*;
using HINSTANCE = HMODULE;
using FARPROC = void (*)();

// Loads the module at the path (relative paths resolve from the working folder, bare
// names through the loader's search) and adds one reference. Null when it cannot be loaded.
HMODULE LoadLibraryA(LPCSTR fileName);
// Releases one reference; the module is unloaded with its last one. Null releases nothing.
BOOL FreeLibrary(HMODULE module);
// The address of an exported symbol of the module, or null.
FARPROC GetProcAddress(HMODULE module, LPCSTR procName);
// The loaded module whose file name (case ignored) or full path matches, with no new
// reference; null names the main program. Null when no such module is loaded.
HMODULE GetModuleHandleA(LPCSTR moduleName);
// Copies the module's full path into the buffer, cut to size - 1 characters and always
// terminated; answers the characters copied, 0 on failure. Null names the main program.
DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size);
// This platform has no short names: the short form of a path is the path itself. Answers
// the path's length when it fits the buffer (copied, terminated), else the size needed
// with the terminator; 0 when the path is missing.
DWORD GetShortPathNameA(LPCSTR longPath, LPSTR shortPath, DWORD size);

// Casts a looked-up entry point to its real type.
template <typename Function>
Function EntryPointAs(FARPROC address)
{
    return reinterpret_cast<Function>(address);
}
