#pragma once
// Module loading with the platform's names, over the dynamic loader. Paths may separate
// folders with '\' or '/', and name files as the platform does: each folder and file name
// is the exact name where that exists, else a name that differs from it only in the case of
// the letters A to Z (the first in byte order where there are several). A module freed to
// no reference is unloaded, and a later load loads it afresh.
#if defined(_WIN32)  // the platform's own declarations
#include <windows.h>
#else
#include "platform/win_types.h"

struct ModuleHandleTag;
using HMODULE = ModuleHandleTag*;
using HINSTANCE = HMODULE;
using FARPROC = void (*)();

// The ANSI calls below take paths of fewer characters only (the platform's default, without
// its opt-in to long paths); longer ones fail with ERROR_FILENAME_EXCED_RANGE.
constexpr DWORD MAX_PATH = 260;

// Loads the module that the name finds and adds one reference. Null when none is found or
// the file found cannot be loaded. A full path names one file. A relative path, or a file
// name alone, is sought by the platform's standard search, of which these steps are kept,
// in this order; the first file found is the one loaded:
//   1. a file name alone: the loaded modules, by file name (case ignored);
//   2. the host program's own folder;
//   3. a file name alone: the system's folders, which here are the dynamic loader's own
//      search for a file name (LD_LIBRARY_PATH, the run path, its cache and the default
//      folders), names matched exactly;
//   4. the working folder.
// Not kept, as they mean nothing here: DLL redirection, API sets, side-by-side manifests,
// the known DLLs, package dependencies, the 16-bit system and Windows folders, the folders
// of PATH, and the system's folders for a relative path that names a folder. ".DLL" is not
// added to a name without an extension.
HMODULE LoadLibraryA(LPCSTR fileName);
// Releases one reference; the module is unloaded with its last one. Null releases nothing.
BOOL FreeLibrary(HMODULE module);
// The address of an exported symbol of the module, or null.
FARPROC GetProcAddress(HMODULE module, LPCSTR procName);
// The loaded module whose file name (case ignored) or full path matches, with no new
// reference; null names the main program. Null when no such module is loaded.
HMODULE GetModuleHandleA(LPCSTR moduleName);
// The flags of GetModuleHandleExA.
constexpr DWORD GET_MODULE_HANDLE_EX_FLAG_PIN = 0x1;
constexpr DWORD GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT = 0x2;
constexpr DWORD GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS = 0x4;
// As GetModuleHandleA, or, with GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, the loaded module
// (the main program included) that holds the address passed as the name, code or data. Adds
// one reference unless GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT is given. Sets *module
// and answers TRUE; otherwise sets it to null and answers FALSE with ERROR_MOD_NOT_FOUND
// (no such module), or ERROR_INVALID_PARAMETER: no place for the handle, unknown flags,
// or PIN with UNCHANGED_REFCOUNT. PIN is not offered here (nothing uses it) and is refused
// the same way.
BOOL GetModuleHandleExA(DWORD flags, LPCSTR moduleName, HMODULE* module);
// Copies the module's full path into the buffer; answers its length, 0 on failure. Null
// names the main program. A path that does not fit is cut to size - 1 characters and
// terminated, and the answer is size, with ERROR_INSUFFICIENT_BUFFER, as the platform
// does (some of its versions, and Wine, leave the cut path unterminated).
// The path is that of the file loaded, absolute and normal, whatever the working folder is
// now: the path as loaded, made normal as text only ('.', '..' and doubled separators
// folded, links not followed). The main program's path is the one the kernel recorded, with
// links resolved. Without /proc neither that path nor that of another module loaded by a
// relative name can be had (platform/loader/linux/loaded_modules.h says which can).
DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size);
// This platform has no short names: the short form of a path is the path itself. Answers
// the path's length when it fits the buffer (copied, terminated), else the size needed
// with the terminator; 0 when the path is missing.
DWORD GetShortPathNameA(LPCSTR longPath, LPSTR shortPath, DWORD size);
#endif

// Casts a looked-up entry point to its real type (through an untyped pointer, as the
// platform's FARPROC has a return type of its own).
template <typename Function>
Function EntryPointAs(FARPROC address)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}
