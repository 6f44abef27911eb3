#pragma once
// Marks what the module exports: COrvelEngine's members, but not its destructor, which the
// host reaches through the object's virtual slot only; everything else of the module stays
// hidden. An ELF module exports the class by its visibility (QUILL_EXPORTED_CLASS), less
// the members marked QUILL_HIDDEN. A PE module exports and imports by explicit marks, and a
// mark on the class would export every member: there each exported member is marked
// (QUILL_EXPORTED), exported by the system's own code (built with QUILL_BUILDING_MODULE) and
// imported by a host.
#if defined(_WIN32)
#if defined(QUILL_BUILDING_MODULE)
#define QUILL_EXPORTED __declspec(dllexport)
#else
#define QUILL_EXPORTED __declspec(dllimport)
#endif
#define QUILL_EXPORTED_CLASS
#define QUILL_HIDDEN
#else
#define QUILL_EXPORTED
#define QUILL_EXPORTED_CLASS __attribute__((visibility("default")))
#define QUILL_HIDDEN __attribute__((visibility("hidden")))
#endif
