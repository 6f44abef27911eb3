// Paths as they exist on the file system: a look-up of names in any case gives back the
// folder handles it opens.
#include "platform/paths/linux/file_system_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/temporary_folder.h"

namespace {

namespace fs = std::filesystem;

// The descriptors open in this process (the listing's own is open both times it counts).
std::ptrdiff_t OpenDescriptors()
{
    return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
}

class FileSystemPaths : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = NewTemporaryFolder("quill-paths");
        fs::create_directories(root / "Inst" / "XEQ");
        std::ofstream(root / "Inst" / "XEQ" / "Asme.DLL").put('x');
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path root;
};

TEST_F(FileSystemPaths, LookingUpNamesInAnyCaseKeepsNoFolderOpen)
{
    const std::ptrdiff_t before = OpenDescriptors();
    for (const char* name : {"inst/xeq/asme.dll", "INST/XEQ/MISSING.DLL", "inst/missing/asme.dll"})
        ExistingPath((root / name).string());
    EXPECT_EQ(OpenDescriptors(), before);
}

}  // namespace
