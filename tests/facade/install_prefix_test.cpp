// The module finds its installation from its own path and loads the code module from the
// XEQ folder below it, whatever the tree looks like.
#include "engine/COrvelEngine.h"
#include "tests/support/installation.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace {

struct PrefixCase {
    const char* Label;
    std::string ModuleFolder;
    std::string WorkingFolder;
    std::string ExpectedEngine;  // where the code module must be loaded from
    std::string DecoyEngine;     // a code module that a wrong prefix would load, or empty
    std::string HostProgramFolder = {};  // where the host program lies; empty: in the build
};

void PrintTo(const PrefixCase& c, std::ostream* out) { *out << c.Label; }

std::string LongFolder()
{
    return "long/" + std::string(120, 'd') + "/" + std::string(120, 'e') + "/XEQ";
}

const PrefixCase kCases[] = {
    {"XeqTwice", "p/XEQ/q/XEQ", ".", "p/XEQ/ASME.DLL", "p/XEQ/q/XEQ/ASME.DLL"},
    {"LowerBeforeUpper", "a/xeq/b/XEQ", ".", "a/xeq/b/XEQ/ASME.DLL", "a/XEQ/ASME.DLL"},
    {"OnlyLowerCase", "inst/xeq", ".", "inst/XEQ/ASME.DLL", "inst/xeq/ASME.DLL"},
    {"NeitherIsRelative", "lib", "work", "work/XEQ/ASME.DLL", "lib/XEQ/ASME.DLL"},
    {"LongerThanPlatformPaths", LongFolder(), ".", LongFolder() + "/ASME.DLL", ""},
    // File names match as the platform matches them: without regard to case where the exact
    // name does not exist.
    {"EngineInLowerCase", "inst/xeq", ".", "inst/xeq/asme.dll", ""},
    {"UpperCaseFolderBeforeLowerCase", "inst/xeq", ".", "inst/XEQ/ASME.DLL", "inst/xeq/asme.dll"},
    // A relative engine path is sought beside the host program first, then in the working folder.
    {"NeitherBesideTheHostProgram", "lib", "work", "host/XEQ/ASME.DLL", "lib/XEQ/ASME.DLL", "host"},
    {"NeitherHostProgramBeforeWorkingFolder", "lib", "work", "host/XEQ/ASME.DLL", "work/XEQ/ASME.DLL", "host"},
};

class InstallPrefixTest : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(InstallPrefixTest, LoadsTheCodeModuleBelowThePrefix)
{
    const PrefixCase& c = GetParam();
    InstallationLayout layout;
    layout.ModuleFolder = c.ModuleFolder;
    layout.WorkingFolder = c.WorkingFolder;
    layout.HostProgramFolder = c.HostProgramFolder;
    layout.Engines.push_back({"recording_asme", c.ExpectedEngine});
    if (!c.DecoyEngine.empty())
        layout.Engines.push_back({"recording_asme_no_cc", c.DecoyEngine});

    RunInInstallation(layout, [&](const Installation& installation) {
        auto engine = std::make_unique<COrvelEngine>();
        const auto expected = installation.EnginePath(c.ExpectedEngine);
        EXPECT_EQ(LoadedModulePath(expected.filename().c_str()), expected.string());
        EXPECT_EQ(installation.JournalCount("load ASME"), 1u);
    });
}

INSTANTIATE_TEST_SUITE_P(Layouts, InstallPrefixTest, ::testing::ValuesIn(kCases),
                         [](const auto& testParam) { return std::string(testParam.param.Label); });

TEST(InstallPrefix, LongModulePathExceedsThePlatformBuffer)
{
    // The case above only proves something when the tree's paths pass 256 characters.
    EXPECT_GT(LongFolder().size() + std::string("/tmp/quill-test-XXXXXX/").size(), 256u);
}

}  // namespace
