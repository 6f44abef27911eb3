// The module's own path is the file that was loaded, whatever the host's working folder is
// when the module asks for it: a host that found the module through a relative library path
// and then moved into another tree still runs the installation's engine.
#include "engine/COrvelEngine.h"
#include "tests/facade/decoy_tree.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <memory>
#include <string>

namespace {

TEST(ModulePath, ARelativeLibraryPathStillFindsTheInstallationFromAnotherWorkingFolder)
{
    InstallationLayout layout = LayoutWithDecoyTree();
    layout.LibraryPath = "XEQ";
    RunInInstallation(layout, [](const Installation& installation) {
        ASSERT_EQ(chdir((installation.Root() / DecoyFolder).c_str()), 0);
        auto engine = std::make_unique<COrvelEngine>();
        std::string caseFile = "HX.QXR1";
        engine->SetFileName(caseFile.data());
        engine->Execute();
        ExpectTheInstallationsEngineRan(installation);
        ReturnToTheRoot(installation);
    });
}

}  // namespace
