#pragma once
// Members of the host link library are exported from its shared object. A PE module
// exports and imports by explicit marks: the library's own sources (built with CMake's
// UnmanagedEngineWrapper_lib_EXPORTS) export, the module and the host import.
#if defined(_WIN32)
#if defined(UnmanagedEngineWrapper_lib_EXPORTS)
#define LINK_API __declspec(dllexport)
#else
#define LINK_API __declspec(dllimport)
#endif
#else
#define LINK_API __attribute__((visibility("default")))
#endif
