// The module finds its installation from its own path and loads the code module from the
// XEQ folder below it, whatever the tree looks like.
#include "engine/COrvelEngine.h"
#include "tests/support/installation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
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
    bool Loads = true;  // false: no code module is loaded at all
};

void PrintTo(const PrefixCase& c, std::ostream* out) { *out << c.Label; }

// The module's path begins with the tree's root: the temporary folder, then "quill-test-"
// and eight characters.
std::size_t TreeRootLength()
{
    return std::filesystem::canonical(std::filesystem::temp_directory_path()).string().size() + 1
           + std::string("quill-test-12345678").size();
}

std::string ModuleFileName() { return std::filesystem::path(QUILL_MODULE_FILE).filename().string(); }

// A module folder "long/ddd.../XEQ" that makes the module's path that long.
std::string ModuleFolderForPathLength(std::size_t length)
{
    const std::size_t fixed = TreeRootLength() + std::string("/long//XEQ/").size() + ModuleFileName().size();
    return "long/" + std::string(length - fixed, 'd') + "/XEQ";
}

// The module asks for its path with room for 256 characters first, and asks again with
// more room for a longer one; the platform's ANSI calls take no path of MAX_PATH (260)
// characters or more, so neither its short form nor an engine module below it.
constexpr std::size_t kLongerThanTheFirstAnswer = 258;
constexpr std::size_t kLongerThanPlatformPaths = 300;

const PrefixCase kCases[] = {
    {"XeqTwice", "p/XEQ/q/XEQ", ".", "p/XEQ/ASME.DLL", "p/XEQ/q/XEQ/ASME.DLL"},
    {"LowerBeforeUpper", "a/xeq/b/XEQ", ".", "a/xeq/b/XEQ/ASME.DLL", "a/XEQ/ASME.DLL"},
    {"OnlyLowerCase", "inst/xeq", ".", "inst/XEQ/ASME.DLL", "inst/xeq/ASME.DLL"},
    {"NeitherIsRelative", "lib", "work", "work/XEQ/ASME.DLL", "lib/XEQ/ASME.DLL"},
    {"LongerThanTheFirstAnswer", ModuleFolderForPathLength(kLongerThanTheFirstAnswer), ".",
     ModuleFolderForPathLength(kLongerThanTheFirstAnswer) + "/ASME.DLL", ""},
    {"LongerThanPlatformPaths", ModuleFolderForPathLength(kLongerThanPlatformPaths), ".",
     ModuleFolderForPathLength(kLongerThanPlatformPaths) + "/ASME.DLL", "", {}, false},
    // File names match as the platform matches them: without regard to case where the exact
    // name does not exist.
    {"EngineInLowerCase", "inst/xeq", ".", "inst/xeq/asme.dll", ""},
    {"UpperCaseFolderBeforeLowerCase", "inst/xeq", ".", "inst/XEQ/ASME.DLL", "inst/xeq/asme.dll"},
    // A relative engine path is sought beside the host program first, then in the working folder.
    {"NeitherBesideTheHostProgram", "lib", "work", "host/XEQ/ASME.DLL", "lib/XEQ/ASME.DLL", "host"},
    {"NeitherHostProgramBeforeWorkingFolder", "lib", "work", "host/XEQ/ASME.DLL", "work/XEQ/ASME.DLL", "host"},
};

bool SameIgnoringCase(const std::string& left, const std::string& right)
{
    return std::equal(left.begin(), left.end(), right.begin(), right.end(), [](unsigned char a, unsigned char b) {
        return std::tolower(a) == std::tolower(b);
    });
}

class InstallPrefixTest : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(InstallPrefixTest, LoadsTheCodeModuleBelowThePrefix)
{
    const PrefixCase& c = GetParam();
    if (!FileNamesTellCase && SameIgnoringCase(c.ExpectedEngine, c.DecoyEngine))
        GTEST_SKIP() << "the engine and the decoy differ only in case, and so would be one file on the platform";
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
        EXPECT_EQ(LoadedModulePath(expected.filename().string()), c.Loads ? expected.string() : "");
        EXPECT_EQ(installation.JournalCount("load ASME"), c.Loads ? 1u : 0u);
    });
}

INSTANTIATE_TEST_SUITE_P(Layouts, InstallPrefixTest, ::testing::ValuesIn(kCases),
                         [](const auto& testParam) { return std::string(testParam.param.Label); });

TEST(InstallPrefix, LongModulePathsHaveTheirLengths)
{
    // The long cases above prove something only with their module paths this long.
    for (const std::size_t length : {kLongerThanTheFirstAnswer, kLongerThanPlatformPaths}) {
        const std::filesystem::path root = std::filesystem::canonical(std::filesystem::temp_directory_path())
                                           / "quill-test-12345678";
        EXPECT_EQ((root / ModuleFolderForPathLength(length) / ModuleFileName()).string().size(), length);
    }
}

}  // namespace
