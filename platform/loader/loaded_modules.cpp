// The modules the dynamic loader holds: their paths, and a look-up by name or path.
#include "platform/loader/loaded_modules.h"

#include "platform/paths/file_system_paths.h"
#include "platform/paths/path_text.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <climits>

#include <charconv>
#include <cstdint>
#include <fstream>

namespace {

std::uintptr_t HexNumber(std::string_view text)
{
    std::uintptr_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return value;
}

// The path of the file whose mapping holds the address, from the kernel's list of this
// process's mappings: "start-end perms offset device inode path".
std::string MappedFilePath(const void* address)
{
    const auto wanted = reinterpret_cast<std::uintptr_t>(address);
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);) {
        const auto dash = line.find('-');
        const auto space = line.find(' ');
        if (dash == std::string::npos || space == std::string::npos || dash > space)
            continue;
        const std::string_view text(line);
        if (wanted < HexNumber(text.substr(0, dash)) || wanted >= HexNumber(text.substr(dash + 1, space - dash - 1)))
            continue;
        const auto path = line.find('/');
        return path == std::string::npos ? std::string() : line.substr(path);
    }
    return {};
}

// The folder that the loader recorded, when it loaded the module, as the one it opened the
// module's file from: for a relative name, the working folder of that moment joined with the
// name's folder, links not followed. Empty when the loader keeps none.
std::string LoaderOrigin(const void* addressInModule)
{
    Dl_info info{};
    link_map* module = nullptr;
    if (dladdr1(addressInModule, &info, reinterpret_cast<void**>(&module), RTLD_DL_LINKMAP) == 0 || module == nullptr)
        return {};
    // The loader copies its origin into a buffer of PATH_MAX bytes, as it documents.
    char origin[PATH_MAX] = {};
    if (dlinfo(module, RTLD_DI_ORIGIN, origin) != 0)
        return {};
    return origin;
}

// An address inside the module's first loaded segment.
const void* AddressInModule(const dl_phdr_info& info)
{
    for (ElfW(Half) i = 0; i < info.dlpi_phnum; ++i)
        if (info.dlpi_phdr[i].p_type == PT_LOAD)
            return reinterpret_cast<const void*>(info.dlpi_addr + info.dlpi_phdr[i].p_vaddr);
    return nullptr;
}

struct ModuleSearch {
    std::string_view wanted;
    bool byFullPath;
    std::string found;  // the full path of the module found
};

int MatchLoadedModule(dl_phdr_info* info, std::size_t, void* data)
{
    auto* search = static_cast<ModuleSearch*>(data);
    if (info->dlpi_name == nullptr || info->dlpi_name[0] == '\0')
        return 0;
    if (!search->byFullPath && !SameNameIgnoringCase(FileNameOf(info->dlpi_name), search->wanted))
        return 0;
    const std::string path = LoadedModulePath(info->dlpi_name, AddressInModule(*info));
    if (path.empty() || (search->byFullPath && !SameNameIgnoringCase(path, search->wanted)))
        return 0;
    search->found = path;
    return 1;
}

}  // namespace

std::string LoadedModulePath(const char* loaderName, const void* addressInModule)
{
    // The loader names every file it opened with a folder (one it found by a search with
    // the folder it found it in); a name without one, such as linux-vdso.so.1, is no file.
    const std::string_view name = loaderName != nullptr ? loaderName : "";
    if (name.find('/') == std::string_view::npos)
        return {};
    if (name.front() == '/')
        return LexicallyNormal(name);
    // A relative name was found from the working folder of its load, which may have changed
    // since: the path as loaded is the loader's origin with the file's name. Only where the
    // loader keeps no origin, the kernel's path of the mapping, with links resolved.
    const std::string origin = LoaderOrigin(addressInModule);
    const std::string path =
        origin.empty() ? MappedFilePath(addressInModule) : JoinedPath(origin, FileNameOf(name));
    return path.empty() || path.front() != '/' ? std::string() : LexicallyNormal(path);
}

std::string MainProgramPath()
{
    // readlink does not say whether it cut the path short: a path that fills the buffer is
    // read again into a larger one.
    for (std::size_t size = 4096;; size *= 2) {
        std::string path(size, '\0');
        const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
        if (length <= 0)
            return {};
        if (static_cast<std::size_t>(length) < size) {
            path.resize(static_cast<std::size_t>(length));
            return path;
        }
    }
}

void* OpenLoadedModule(std::string_view name)
{
    const bool byFullPath = name.find('/') != std::string_view::npos;
    const std::string fullPath = byFullPath ? FullPath(name) : std::string();
    ModuleSearch search{byFullPath ? std::string_view(fullPath) : name, byFullPath, {}};
    if (dl_iterate_phdr(&MatchLoadedModule, &search) == 0)
        return nullptr;
    // Opening the file that is already loaded gives its handle and one more reference.
    return dlopen(search.found.c_str(), RTLD_NOW | RTLD_NOLOAD);
}
