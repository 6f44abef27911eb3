// The modules the dynamic loader holds: their paths, and a look-up by name or path.
#include "platform/loader/linux/loaded_modules.h"

#include "platform/paths/linux/file_system_paths.h"
#include "platform/paths/linux/path_text.h"

#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <charconv>
#include <cstdint>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

// The working folder when the module that holds this code was loaded, taken as it is
// loaded: the folder from which the loader opened it if it was opened by a relative name.
const std::string WorkingFolderAtLoad = FullPath(".");

std::uintptr_t HexNumber(std::string_view text)
{
    std::uintptr_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return value;
}

// A file mapped into the process, as the kernel lists it: its path with links resolved, and
// its device and inode.
struct MappedFile {
    std::string Path;
    dev_t Device = 0;
    ino_t Inode = 0;
};

// The file whose mapping holds the address, from the kernel's list of this process's
// mappings: "start-end perms offset major:minor inode path". None without /proc.
std::optional<MappedFile> MappedFileOf(const void* address)
{
    const auto wanted = reinterpret_cast<std::uintptr_t>(address);
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);) {
        std::istringstream fields(line);
        std::string range, permissions, offset, device;
        unsigned long long inode = 0;
        if (!(fields >> range >> permissions >> offset >> device >> inode))
            continue;
        const auto dash = range.find('-');
        const auto colon = device.find(':');
        if (dash == std::string::npos || colon == std::string::npos)
            continue;
        const std::string_view text(range);
        if (wanted < HexNumber(text.substr(0, dash)) || wanted >= HexNumber(text.substr(dash + 1)))
            continue;
        const std::string_view deviceText(device);
        const auto path = line.find('/');
        return MappedFile{path == std::string::npos ? std::string() : line.substr(path),
                          makedev(HexNumber(deviceText.substr(0, colon)), HexNumber(deviceText.substr(colon + 1))),
                          static_cast<ino_t>(inode)};
    }
    return std::nullopt;
}

bool SameFile(const std::string& path, const MappedFile& mapped)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && status.st_dev == mapped.Device && status.st_ino == mapped.Inode;
}

const link_map* ModuleHolding(const void* address)
{
    Dl_info info{};
    link_map* module = nullptr;
    if (dladdr1(address, &info, reinterpret_cast<void**>(&module), RTLD_DL_LINKMAP) == 0)
        return nullptr;
    return module;
}

// Whether the module is the one that holds this code, whose load recorded the working folder.
bool HoldsThisCode(const void* addressInModule)
{
    const link_map* module = ModuleHolding(addressInModule);
    return module != nullptr && module == ModuleHolding(&WorkingFolderAtLoad);
}

// The loader names every file it opened with a folder (one it found by a search with the
// folder it found it in); a name without one, such as linux-vdso.so.1, is no file.
bool NamesAFile(std::string_view loaderName) { return loaderName.find('/') != std::string_view::npos; }

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
    std::string found;  // the loader's name of the module found
};

int MatchLoadedModule(dl_phdr_info* info, std::size_t, void* data)
{
    auto* search = static_cast<ModuleSearch*>(data);
    const std::string_view name = info->dlpi_name != nullptr ? info->dlpi_name : "";
    if (!NamesAFile(name))
        return 0;
    // A file name is matched without the module's path, which needs no /proc.
    if (search->byFullPath) {
        const std::string path = LoadedModulePath(info->dlpi_name, AddressInModule(*info));
        if (path.empty() || !SameNameIgnoringCase(path, search->wanted))
            return 0;
    } else if (!SameNameIgnoringCase(FileNameOf(name), search->wanted)) {
        return 0;
    }
    search->found = std::string(name);
    return 1;
}

}  // namespace

std::string LoadedModulePath(const char* loaderName, const void* addressInModule)
{
    const std::string_view name = loaderName != nullptr ? loaderName : "";
    if (!NamesAFile(name))
        return {};
    if (name.front() == '/')
        return LexicallyNormal(name);
    // A relative name was found from the working folder of its load, which may have changed
    // since. The working folder when this code's module was loaded, joined with the name, is
    // the path as loaded where it names the file mapped (same device and inode); without
    // /proc that cannot be told, and only this code's own module is known to have been
    // loaded from there. Last, the kernel's path of the mapping, with links resolved.
    const auto mapped = MappedFileOf(addressInModule);
    if (!WorkingFolderAtLoad.empty()) {
        const std::string asLoaded = LexicallyNormal(JoinedPath(WorkingFolderAtLoad, name));
        if (mapped ? SameFile(asLoaded, *mapped) : HoldsThisCode(addressInModule))
            return asLoaded;
    }
    if (!mapped || mapped->Path.empty() || mapped->Path.front() != '/')
        return {};
    return LexicallyNormal(mapped->Path);
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

void* OpenModuleHolding(const void* address)
{
    const link_map* module = ModuleHolding(address);
    if (module == nullptr)
        return nullptr;
    // The main program's name is empty; the loader matches any other by the name it keeps.
    const bool mainProgram = module->l_name == nullptr || module->l_name[0] == '\0';
    return dlopen(mainProgram ? nullptr : module->l_name, RTLD_NOW | RTLD_NOLOAD);
}

void* OpenLoadedModule(std::string_view name)
{
    const bool byFullPath = name.find('/') != std::string_view::npos;
    const std::string fullPath = byFullPath ? FullPath(name) : std::string();
    ModuleSearch search{byFullPath ? std::string_view(fullPath) : name, byFullPath, {}};
    if (dl_iterate_phdr(&MatchLoadedModule, &search) == 0)
        return nullptr;
    // The loader matches a name against the names it keeps before it opens any file: its
    // own name for the module gives that module, whatever the working folder is now, with
    // one more reference.
    return dlopen(search.found.c_str(), RTLD_NOW | RTLD_NOLOAD);
}
