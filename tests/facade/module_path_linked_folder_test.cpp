// The module's own path through a symbolic link: an installation whose XEQ folder links to
// another folder, found by a relative library path, also in a process without /proc. Both
// are Linux's own: the Windows build has neither such links in its installations nor /proc.
#include "tests/facade/decoy_tree.h"
#include "tests/facade/decoy_tree_run.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct LinkedFolderCase {
    const char* Name;
    bool EnginePlantedOutside;
    bool WithoutProc;
};

void PrintTo(const LinkedFolderCase& c, std::ostream* out) { *out << c.Name; }

class ModulePathThroughALinkedFolder : public ::testing::TestWithParam<LinkedFolderCase> {};

// XEQ is a link to store/xeq-1.2, and the host finds the module by the relative library
// path XEQ. Through the link resolved, the text before "xeq" would be <root>/store/, and the
// engine would be sought in store/XEQ: where one may be planted.
TEST_P(ModulePathThroughALinkedFolder, RunsTheEngineBesideTheModuleAsLoaded)
{
    InstallationLayout layout = LayoutWithDecoyTree();
    layout.ModuleFolderLinksTo = "store/xeq-1.2";
    layout.LibraryPath = "XEQ";
    layout.WithoutProc = GetParam().WithoutProc;
    if (GetParam().EnginePlantedOutside) {
        layout.Engines.push_back({"recording_asme_no_cc", "store/XEQ/ASME.DLL"});
        layout.Engines.push_back({"recording_orvel", "store/XEQ/ORVEL.DLL"});
    }
    RunInInstallation(layout, RunTheInstallationsEngineFromTheDecoyFolder);
}

INSTANTIATE_TEST_SUITE_P(Layouts, ModulePathThroughALinkedFolder,
                         ::testing::Values(LinkedFolderCase{"NothingOutside", false, false},
                                           LinkedFolderCase{"EnginePlantedOutside", true, false},
                                           LinkedFolderCase{"NothingOutsideNoProc", false, true},
                                           LinkedFolderCase{"EnginePlantedOutsideNoProc", true, true}),
                         [](const auto& named) { return std::string(named.param.Name); });

}  // namespace
