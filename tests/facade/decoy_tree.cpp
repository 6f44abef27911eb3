// An installation beside a tree that holds engine modules of its own.
#include "tests/facade/decoy_tree.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <string_view>

InstallationLayout LayoutWithDecoyTree()
{
    InstallationLayout layout = StandardLayout();
    layout.Engines.push_back({"recording_asme_no_cc", std::string(DecoyFolder) + "/XEQ/ASME.DLL"});
    layout.Engines.push_back({"recording_orvel", std::string(DecoyFolder) + "/XEQ/ORVEL.DLL"});
    return layout;
}

void ExpectTheInstallationsEngineRan(const Installation& installation)
{
    EXPECT_EQ(LoadedModulePath("ASME.DLL"), installation.EnginePath("XEQ/ASME.DLL").string());
    EXPECT_EQ(LoadedModulePath("ORVEL.DLL"), installation.EnginePath("XEQ/ORVEL.DLL").string());
    const std::string run = "ORVELTL 0|" + installation.Root().string() + "/|";
    std::size_t runs = 0;
    for (const std::string& line : installation.JournalLines())
        runs += std::string_view(line).starts_with(run) ? 1 : 0;
    EXPECT_EQ(runs, 1u) << "the design run with the installation's prefix";
}

void ReturnToTheRoot(const Installation& installation)
{
    EXPECT_EQ(chdir(installation.Root().c_str()), 0);
}
