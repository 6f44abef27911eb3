// LoadLibraryA's search for the file of a module, over the dynamic loader.
#include "platform/loader/linux/library_search.h"

#include "platform/loader/linux/loaded_modules.h"
#include "platform/paths/linux/file_system_paths.h"
#include "platform/paths/linux/path_text.h"

#include <dlfcn.h>

#include <optional>
#include <string>

namespace {

void* Load(const std::string& file) { return dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL); }

// The host program's own folder; empty when its path cannot be had.
std::string ProgramFolder()
{
    return std::string(FolderOf(MainProgramPath()));
}

// The file that a relative name finds below the folder, matched as the platform matches names.
std::optional<std::string> FileBelow(const std::string& folder, std::string_view name)
{
    if (folder.empty())
        return std::nullopt;
    return ExistingPath(LexicallyNormal(folder + std::string(name)));
}

}  // namespace

void* LoadFoundLibrary(std::string_view name)
{
    if (name.empty())
        return nullptr;
    if (name.front() != '/') {
        const bool fileNameAlone = name.find('/') == std::string_view::npos;
        if (void* loaded = fileNameAlone ? OpenLoadedModule(name) : nullptr)
            return loaded;
        if (const auto file = FileBelow(ProgramFolder(), name))
            return Load(*file);
        if (void* found = fileNameAlone ? Load(std::string(name)) : nullptr)
            return found;
    }
    // A full path names its one file; the last place a relative one is sought is the
    // working folder.
    const auto file = ExistingPath(FullPath(name));
    return file ? Load(*file) : nullptr;
}
