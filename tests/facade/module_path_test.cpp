// The module's own path is the file that was loaded, whatever the host's working folder is
// when the module asks for it: a host that found the module through a relative library path
// and then moved into another tree still runs the installation's engine, also when the
// installation's XEQ folder is a symbolic link and when the process has no /proc.
#include "engine/COrvelEngine.h"
#include "tests/facade/decoy_tree.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <memory>
#include <ostream>
#include <string>

namespace {

void RunTheInstallationsEngineFromTheDecoyFolder(const Installation& installation)
{
    ASSERT_EQ(chdir((installation.Root() / DecoyFolder).c_str()), 0);
    auto engine = std::make_unique<COrvelEngine>();
    engine->TransferData(nullptr, nullptr);
    EXPECT_TRUE(engine->CheckData(nullptr, nullptr)) << "the installation's code module is bound";
    std::string caseFile = "HX.QXR1";
    engine->SetFileName(caseFile.data());
    engine->Execute();
    ExpectTheInstallationsEngineRan(installation);
    ReturnToTheRoot(installation);
}

TEST(ModulePath, ARelativeLibraryPathStillFindsTheInstallationFromAnotherWorkingFolder)
{
    InstallationLayout layout = LayoutWithDecoyTree();
    layout.LibraryPath = "XEQ";
    RunInInstallation(layout, RunTheInstallationsEngineFromTheDecoyFolder);
}

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
