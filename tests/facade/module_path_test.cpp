// The module's own path is the file that was loaded, whatever the host's working folder is
// when the module asks for it: a host that found the module through a relative library path
// and then moved into another tree still runs the installation's engine.
#include "tests/facade/decoy_tree.h"
#include "tests/facade/decoy_tree_run.h"

#include <gtest/gtest.h>

namespace {

TEST(ModulePath, ARelativeLibraryPathStillFindsTheInstallationFromAnotherWorkingFolder)
{
    InstallationLayout layout = LayoutWithDecoyTree();
    layout.LibraryPath = "XEQ";
    RunInInstallation(layout, RunTheInstallationsEngineFromTheDecoyFolder);
}

}  // namespace
