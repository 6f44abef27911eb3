// Child processes and loaded modules over the platform's own calls on Windows and over POSIX
// and the dynamic loader elsewhere: the one place where the tests' code tells the two apart.
#include "tests/support/processes_and_modules.h"
#include "tests/support/without_proc.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#endif

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>

namespace fs = std::filesystem;

namespace {

// The variable's name in a "NAME=value" entry.
std::string NameOf(const std::string& entry) { return entry.substr(0, entry.find('=', 1)); }

bool SameName(const std::string& left, const std::string& right)
{
#if defined(_WIN32)  // the platform's variable names do not tell case
    return left.size() == right.size()
           && std::equal(left.begin(), left.end(), right.begin(), [](unsigned char a, unsigned char b) {
                  return std::toupper(a) == std::toupper(b);
              });
#else
    return left == right;
#endif
}

// This process's environment with the child's entries in place of those of the same names.
std::vector<std::string> ChildEnvironment(std::vector<std::string> environment,
                                          const std::vector<std::string>& changes)
{
    for (const std::string& change : changes) {
        std::erase_if(environment, [&](const std::string& entry) { return SameName(NameOf(change), NameOf(entry)); });
        environment.push_back(change);
    }
    return environment;
}

}  // namespace

#if defined(_WIN32)

const char* const LibrarySearchVariable = "PATH";
const bool FileNamesTellCase = false;
const bool ProgramAllocatorReachesModules = false;
const bool HasProcFileSystem = false;

namespace {

std::vector<std::string> InheritedEnvironment()
{
    std::vector<std::string> entries;
    char* block = GetEnvironmentStringsA();
    for (const char* entry = block; *entry != '\0'; entry += std::strlen(entry) + 1)
        entries.emplace_back(entry);
    FreeEnvironmentStringsA(block);
    return entries;
}

// One argument as the C run-time's parser reads it back: quoted when it is empty or holds
// blanks or quotes, with the backslashes before a quote doubled.
std::string Quoted(const std::string& argument)
{
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos)
        return argument;
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + "\"";
}

struct Handle {
    HANDLE value = nullptr;
    ~Handle()
    {
        if (value != nullptr && value != INVALID_HANDLE_VALUE)
            CloseHandle(value);
    }
};

}  // namespace

std::vector<std::string> ModuleFolderOnSearchPath(const fs::path& folder)
{
    std::string entry = std::string(LibrarySearchVariable) + "=" + folder.string();
    const DWORD size = GetEnvironmentVariableA(LibrarySearchVariable, nullptr, 0);
    if (size > 0) {
        std::string inherited(size, '\0');
        inherited.resize(GetEnvironmentVariableA(LibrarySearchVariable, inherited.data(), size));
        entry += ';' + inherited;
    }
    return {entry};
}

fs::path ThisProgram()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

ChildRun RunChild(const ChildProgram& child)
{
    ChildRun run;
    std::string commandLine = Quoted(child.Program.string());
    for (const std::string& argument : child.Arguments)
        commandLine += " " + Quoted(argument);
    // The platform wants the block sorted by name, case ignored.
    std::vector<std::string> environment = ChildEnvironment(InheritedEnvironment(), child.Environment);
    std::stable_sort(environment.begin(), environment.end(), [](const std::string& left, const std::string& right) {
        const std::string leftName = NameOf(left);
        const std::string rightName = NameOf(right);
        return std::lexicographical_compare(leftName.begin(), leftName.end(), rightName.begin(), rightName.end(),
                                            [](unsigned char a, unsigned char b) {
                                                return std::toupper(a) < std::toupper(b);
                                            });
    });
    std::string environmentBlock;
    for (const std::string& entry : environment)
        environmentBlock.append(entry).push_back('\0');
    environmentBlock.push_back('\0');
    if (child.WithoutProc) {  // the platform has no /proc to hide
        run.ExitCode = NoPrivateNamespace;
        return run;
    }

    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    Handle readEnd, writeEnd, input;
    if (!CreatePipe(&readEnd.value, &writeEnd.value, &inherited, 0))
        return run;
    SetHandleInformation(readEnd.value, HANDLE_FLAG_INHERIT, 0);
    input.value = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, OPEN_EXISTING,
                              0, nullptr);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input.value;
    startup.hStdOutput = writeEnd.value;
    startup.hStdError = writeEnd.value;
    PROCESS_INFORMATION process{};
    const std::string workingFolder = child.WorkingFolder.string();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, environmentBlock.data(),
                        workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &process))
        return run;
    Handle processHandle{process.hProcess}, threadHandle{process.hThread};
    CloseHandle(writeEnd.value);
    writeEnd.value = nullptr;

    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd.value, buffer, sizeof buffer, &got, nullptr) && got > 0)
        run.Output.append(buffer, got);
    DWORD exitCode = 0;
    if (WaitForSingleObject(process.hProcess, INFINITE) == WAIT_OBJECT_0
        && GetExitCodeProcess(process.hProcess, &exitCode))
        run.ExitCode = static_cast<int>(exitCode);
    return run;
}

std::string LoadedModulePath(const std::string& fileName)
{
    HMODULE module = GetModuleHandleA(fileName.c_str());
    if (module == nullptr)
        return {};
    std::string path(32768, '\0');
    path.resize(GetModuleFileNameA(module, path.data(), static_cast<DWORD>(path.size())));
    std::string longPath(32768, '\0');
    longPath.resize(GetLongPathNameA(path.c_str(), longPath.data(), static_cast<DWORD>(longPath.size())));
    return fs::path(longPath.empty() ? path : longPath).lexically_normal().string();
}

std::string ShortPathOf(const fs::path& path)
{
    const std::string longPath = path.string();
    std::string shortPath(32768, '\0');
    shortPath.resize(GetShortPathNameA(longPath.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size())));
    return shortPath;
}

ModuleHandle LoadModule(const std::string& nameOrPath)
{
    return LoadLibraryA(fs::path(nameOrPath).make_preferred().string().c_str());
}

ModuleHandle ReferenceLoadedModule(const fs::path& path)
{
    HMODULE module = nullptr;
    return GetModuleHandleExA(0, path.string().c_str(), &module) ? module : nullptr;
}

void ReleaseModule(ModuleHandle module) { FreeLibrary(static_cast<HMODULE>(module)); }

void* ModuleSymbol(ModuleHandle module, const char* name)
{
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

std::vector<std::string> ExportedNames(const fs::path& moduleFile)
{
    std::vector<std::string> names;
    // Mapped as an image only, so that nothing of it runs.
    HMODULE module = LoadLibraryExA(moduleFile.string().c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr)
        return names;
    // The low bits of the handle mark a module loaded as a resource.
    const auto* image = reinterpret_cast<const unsigned char*>(reinterpret_cast<std::uintptr_t>(module) & ~std::uintptr_t{3});
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(image + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (directory.Size != 0) {
        const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(image + directory.VirtualAddress);
        const auto* nameAddresses = reinterpret_cast<const DWORD*>(image + exports->AddressOfNames);
        for (DWORD i = 0; i < exports->NumberOfNames; ++i)
            names.emplace_back(reinterpret_cast<const char*>(image + nameAddresses[i]));
    }
    FreeLibrary(module);
    return names;
}

#else

const char* const LibrarySearchVariable = "LD_LIBRARY_PATH";
const bool FileNamesTellCase = true;
const bool ProgramAllocatorReachesModules = true;
const bool HasProcFileSystem = true;

extern char** environ;

namespace {

std::vector<char*> Pointers(std::vector<std::string>& words)
{
    std::vector<char*> pointers;
    for (std::string& word : words)
        pointers.push_back(word.data());
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

std::vector<std::string> ModuleFolderOnSearchPath(const fs::path&) { return {}; }

fs::path ThisProgram() { return fs::read_symlink("/proc/self/exe"); }

ChildRun RunChild(const ChildProgram& child)
{
    std::vector<std::string> inherited;
    for (char** variable = environ; *variable != nullptr; ++variable)
        inherited.emplace_back(*variable);
    std::vector<std::string> environment = ChildEnvironment(inherited, child.Environment);
    std::vector<std::string> words{child.Program.string()};
    words.insert(words.end(), child.Arguments.begin(), child.Arguments.end());
    const std::vector<char*> envp = Pointers(environment);
    const std::vector<char*> argv = Pointers(words);

    ChildRun run;
    int output[2];
    if (pipe(output) != 0)
        return run;
    const pid_t process = fork();
    if (process == 0) {
        dup2(output[1], 1);
        dup2(output[1], 2);
        close(output[0]);
        close(output[1]);
        if (!child.WorkingFolder.empty() && chdir(child.WorkingFolder.c_str()) != 0)
            _exit(126);
        if (child.WithoutProc && !HideProc())
            _exit(NoPrivateNamespace);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(output[1]);
    char buffer[4096];
    for (ssize_t got; (got = read(output[0], buffer, sizeof buffer)) != 0;)
        if (got > 0)
            run.Output.append(buffer, static_cast<std::size_t>(got));
        else if (errno != EINTR)
            break;
    close(output[0]);
    int status = 0;
    if (process > 0 && waitpid(process, &status, 0) == process && WIFEXITED(status))
        run.ExitCode = WEXITSTATUS(status);
    return run;
}

std::string LoadedModulePath(const std::string& fileName)
{
    struct Search {
        std::string name;
        std::string found;
    } search{fileName, {}};
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            auto* wanted = static_cast<Search*>(data);
            const std::string path = info->dlpi_name != nullptr ? info->dlpi_name : "";
            if (!path.empty() && fs::path(path).filename() == wanted->name) {
                wanted->found = fs::absolute(path).string();
                return 1;
            }
            return 0;
        },
        &search);
    return search.found;
}

std::string ShortPathOf(const fs::path& path) { return path.string(); }

ModuleHandle LoadModule(const std::string& nameOrPath) { return dlopen(nameOrPath.c_str(), RTLD_NOW); }

ModuleHandle ReferenceLoadedModule(const fs::path& path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD); }

void ReleaseModule(ModuleHandle module) { dlclose(module); }

void* ModuleSymbol(ModuleHandle module, const char* name) { return dlsym(module, name); }

std::vector<std::string> ExportedNames(const fs::path& moduleFile)
{
    std::vector<std::string> names;
    const std::string command = "nm -D --defined-only '" + moduleFile.string() + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), &pclose);
    if (!pipe)
        return names;
    char line[4096];
    while (fgets(line, sizeof line, pipe.get()) != nullptr) {
        std::string text(line);
        text.erase(text.find_last_not_of("\r\n") + 1);
        // "<address> <type> <name>"
        const auto second = text.find(' ', text.find(' ') + 1);
        if (second != std::string::npos)
            names.push_back(text.substr(second + 1));
    }
    return names;
}

#endif
