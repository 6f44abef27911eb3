#pragma once
// What the tests need of the operating system beyond the standard library, the same on both
// builds: running a program as a child process, and reaching the modules loaded in this one.
#include <filesystem>
#include <string>
#include <vector>

// The variable through which the platform's loader finds modules by file name: PATH on
// Windows, LD_LIBRARY_PATH elsewhere.
extern const char* const LibrarySearchVariable;

// What differs between the platform and Linux for the tests: whether two file names that
// differ only in case name two files; whether the global allocation functions that a program
// replaces serve the modules it loads too (on the platform each module keeps its own run-time's);
// whether there is a /proc file system.
extern const bool FileNamesTellCase;
extern const bool ProgramAllocatorReachesModules;
extern const bool HasProcFileSystem;

// The environment entries with which a program finds its modules in the folder beside it
// that its run path names on Linux (and so none there); on the platform, whose loader does
// not look into such a folder, the library search path with that folder first.
std::vector<std::string> ModuleFolderOnSearchPath(const std::filesystem::path& folder);

// The running program's file.
std::filesystem::path ThisProgram();

struct ChildProgram {
    std::filesystem::path Program;
    std::vector<std::string> Arguments;
    // "NAME=value" entries that replace or add to this process's environment; of entries of
    // one name, the last counts.
    std::vector<std::string> Environment;
    // Empty: this process's working folder.
    std::filesystem::path WorkingFolder;
    // Whether the child runs without /proc (tests/support/without_proc.h); a machine that
    // allows it no such process gives the exit code NoPrivateNamespace.
    bool WithoutProc = false;
};

struct ChildRun {
    int ExitCode = -1;   // -1 when the child did not start or did not end normally
    std::string Output;  // standard output and standard error as they came
};

// Runs the program and waits for it to end.
ChildRun RunChild(const ChildProgram& child);

// The path of the loaded module of that file name, absolute, in its long form and with the
// platform's separators; empty when none is loaded.
std::string LoadedModulePath(const std::string& fileName);
// The form of the path that the platform gives a module for its own path: the short form
// (8.3 names) on Windows, the path itself elsewhere.
std::string ShortPathOf(const std::filesystem::path& path);

// An opaque handle of a loaded module; each call that answers one adds a reference, which
// ReleaseModule gives back.
using ModuleHandle = void*;
// Loads the module by name or path as the platform's loader finds it; null when it cannot.
ModuleHandle LoadModule(const std::string& nameOrPath);
// The module at that path if it is loaded already, else null (nothing is loaded).
ModuleHandle ReferenceLoadedModule(const std::filesystem::path& path);
void ReleaseModule(ModuleHandle module);
// The address of the module's exported symbol, or null.
void* ModuleSymbol(ModuleHandle module, const char* name);
// The names that the module file exports (as the linker wrote them, not demangled).
std::vector<std::string> ExportedNames(const std::filesystem::path& moduleFile);
