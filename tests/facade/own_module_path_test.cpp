// The module's own path as it reads it into a buffer of a given size: here the module that
// holds the system's code is this test program. A path that fits is given in its short
// form; one that does not is cut and terminated, and left as read.
#include "engine/code_module.h"
#include "engine/install_prefix.h"
#include "tests/support/installation.h"
#include "tests/support/processes_and_modules.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace {

struct PathSizeCase {
    const char* Label;
    // The buffer's size for the program's full path.
    std::function<std::size_t(const std::string& path)> Size;
    // What the buffer holds: the short form of the whole path, or the path cut short.
    bool Fits;
};

void PrintTo(const PathSizeCase& c, std::ostream* out) { *out << c.Label; }

std::size_t FolderLength(const std::string& path)
{
    return path.find_last_of(static_cast<char>(std::filesystem::path::preferred_separator));
}

const PathSizeCase kSizes[] = {
    {"WholePathFits", [](const std::string& path) { return path.size() + 1; }, true},
    {"OneCharacterShort", [](const std::string& path) { return path.size(); }, false},
    // What is left, the program's folder, names a file that has a short form of its own.
    {"CutAtItsFolder", [](const std::string& path) { return FolderLength(path) + 1; }, false},
};

class OwnModulePathTest : public ::testing::TestWithParam<PathSizeCase> {};

TEST_P(OwnModulePathTest, IsShortenedOnlyWhenItFits)
{
    const std::string path = ThisProgram().string();
    const std::size_t size = GetParam().Size(path);
    // Room beyond the size the call is told, and a terminator beyond that.
    const std::string untouched(16, 'x');
    std::string buffer(size, 'x');
    buffer += untouched;

    const DWORD answer = GetOwnModulePath(buffer.data(), static_cast<int>(size));

    if (GetParam().Fits) {
        EXPECT_EQ(answer, path.size());
        EXPECT_EQ(std::string(buffer.data()), ShortPathOf(path));
    } else {
        EXPECT_EQ(answer, size);
        EXPECT_EQ(std::string(buffer.data()), path.substr(0, size - 1)) << "cut, terminated, as read";
    }
    EXPECT_EQ(buffer.substr(size), untouched) << "nothing written past the buffer's size";
}

INSTANTIATE_TEST_SUITE_P(Sizes, OwnModulePathTest, ::testing::ValuesIn(kSizes),
                         [](const auto& testParam) { return std::string(testParam.param.Label); });

// Without its own path the module has no installation, and binds no engine: not the one
// that the relative path "XEQ\ASME.DLL" would find from the working folder, which could be
// any installation's.
TEST(OwnModulePath, WithoutItNoEngineIsBoundFromTheWorkingFolder)
{
    InstallationLayout layout;
    layout.ModuleFolder = "inst/XEQ";
    layout.Engines = {{"recording_asme", "work/XEQ/ASME.DLL"}};
    layout.WorkingFolder = "work";
    layout.HostLinksModule = false;
    RunInInstallation(layout, [](const Installation& installation) {
        const std::optional<std::string> prefix = InstallPrefixOfModule(nullptr);
        EXPECT_FALSE(prefix.has_value());
        EXPECT_EQ(LoadEngineModule(prefix, CodeModuleBaseName), nullptr);
        EXPECT_EQ(installation.JournalCount("load ASME"), 0u);

        // The working folder's engine is there to be found by the empty prefix.
        HMODULE workingFolderEngine = LoadEngineModule(std::string(), CodeModuleBaseName);
        EXPECT_NE(workingFolderEngine, nullptr);
        if (workingFolderEngine != nullptr)
            FreeLibrary(workingFolderEngine);
    });
}

}  // namespace
