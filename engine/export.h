#pragma once
// Marks what the module exports; everything else of the module stays hidden. A PE module
// exports and imports by explicit marks (visibility does nothing there): the system's own
// code is built with QUILL_BUILDING_MODULE and exports, a host imports.
#if defined(_WIN32)
#if defined(QUILL_BUILDING_MODULE)
#define QUILL_EXPORT __declspec(dllexport)
#else
#define QUILL_EXPORT __declspec(dllimport)
#endif
#define QUILL_HIDDEN
#else
#define QUILL_EXPORT __attribute__((visibility("default")))
#define QUILL_HIDDEN __attribute__((visibility("hidden")))
#endif
