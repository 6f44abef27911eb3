#pragma once
// Real installation trees for the tests: a temporary folder laid out as a host meets the
// module, with a copy of the module, the link library and chosen engine modules. A test
// body runs in a child process of the test program that loads the module from the tree.
#include "tests/support/processes_and_modules.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

struct InstallationLayout {
    // Folder of the module (and of the link library beside it), relative to the tree's root.
    std::string ModuleFolder = "XEQ";
    // Empty: the module folder is a folder. Otherwise it is a symbolic link to this folder,
    // written relative to the root, as package managers and side-by-side installs lay it out.
    std::string ModuleFolderLinksTo;
    // Engine modules to place: the recording engine's file name and its path in the tree.
    struct Engine {
        std::string RecordingFileName;  // such as "recording_asme"
        std::string PathInTree;         // such as "XEQ/ASME.DLL"
    };
    std::vector<Engine> Engines;
    // The child's working folder, relative to the root.
    std::string WorkingFolder = ".";
    // The child's library search path (LibrarySearchVariable) as written; empty: the module
    // folder's full path.
    std::string LibraryPath;
    // Where the host program lies, relative to the root; empty: the test program runs from
    // the build. Otherwise a copy of it runs from this folder of the tree.
    std::string HostProgramFolder;
    // Whether the host program links the module, and so has loaded it before the body runs.
    // A host that does not lets the body load it.
    bool HostLinksModule = true;
    // Whether the child runs without /proc: in a private mount namespace with an empty
    // folder over /proc. The test is skipped where the machine allows no such namespace.
    bool WithoutProc = false;
};

// The usual layout: module and recording engines in <root>/XEQ.
InstallationLayout StandardLayout(const std::string& codeModule = "recording_asme",
                                  const std::string& designModule = "recording_orvel");

class Installation {
public:
    // Inside the child: the tree the child runs in.
    static const Installation& Current();

    const std::filesystem::path& Root() const { return m_Root; }
    // The installation prefix as the module takes it from its own path: the root in the form
    // the platform gives it, and a separator.
    std::string PrefixText() const;
    std::filesystem::path ModuleFolder() const { return m_Root / m_Layout.ModuleFolder; }
    std::filesystem::path JournalFile() const { return m_Root / "engine-journal.txt"; }
    // The engine journal's lines so far (load, unload and entry-point calls).
    std::vector<std::string> JournalLines() const;
    // The journal lines that begin with the prefix.
    std::size_t JournalCount(const std::string& prefix) const;
    // The full path of an engine module as placed, for looking up its accessors.
    std::filesystem::path EnginePath(const std::string& pathInTree) const
    {
        return (m_Root / pathInTree).lexically_normal();
    }

    Installation(std::filesystem::path root, InstallationLayout layout);

private:
    std::filesystem::path m_Root;
    InstallationLayout m_Layout;
};

// In the parent: lays out the tree, runs the current test again in a child process that
// loads the module from it, and expects the child to pass. In the child: checks that a host
// that links the module has loaded the tree's, and one that does not none yet; then runs
// the body.
void RunInInstallation(const InstallationLayout& layout, const std::function<void(const Installation&)>& body);
