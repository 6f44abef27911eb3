#pragma once
// Marks what the module exports: COrvelEngine's members, but not its destructor, which the
// host reaches through the object's virtual slot only; everything else of the module stays
// inside it.
//
// A PE module exports and imports by explicit marks, and a mark on the class would export
// every member: there each exported member is marked (QUILL_EXPORTED), exported by the
// system's own code (built with QUILL_BUILDING_MODULE) and imported by a host.
//
// An ELF module's exports are held by its version script (module/exports.map), which names
// COrvelEngine's members, vtable and type information and makes every other symbol local:
// the Fortran routines among them, which gfortran gives default visibility whatever it is
// told, and the GNU-unique symbols of the standard library's templates, which would keep
// the module from ever being unloaded. The script can only export what is visible: the
// system's code is compiled with hidden visibility, so the class is marked visible
// (QUILL_EXPORTED_CLASS), and the destructor hidden (QUILL_HIDDEN), which keeps it out of
// the dynamic symbol table whatever the script names.
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
