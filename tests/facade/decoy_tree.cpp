// An installation beside a tree that holds engine modules of its own.
#include "tests/facade/decoy_tree.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string_view>
#include <system_error>

namespace {

void ChangeWorkingFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::current_path(folder, error);
    ASSERT_FALSE(error) << folder << ": " << error.message();
}

}  // namespace

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
    const std::string run = "ORVELTL 0|" + installation.PrefixText() + "|";
    std::size_t runs = 0;
    for (const std::string& line : installation.JournalLines())
        runs += std::string_view(line).starts_with(run) ? 1 : 0;
    EXPECT_EQ(runs, 1u) << "the design run with the installation's prefix";
}

void EnterTheDecoyTree(const Installation& installation)
{
    ChangeWorkingFolder(installation.Root() / DecoyFolder);
}

void ReturnToTheRoot(const Installation& installation) { ChangeWorkingFolder(installation.Root()); }
