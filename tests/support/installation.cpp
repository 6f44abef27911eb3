// Real installation trees made in temporary folders.
#include "tests/support/installation.h"
#include "tests/support/processes_and_modules.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/without_proc.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr char kRootVariable[] = "QUILL_TEST_ROOT";
constexpr char kModuleFolderVariable[] = "QUILL_TEST_MODULE_FOLDER";

void CopyInto(const fs::path& source, const fs::path& target)
{
    fs::create_directories(target.parent_path());
    fs::copy_file(source, target, fs::copy_options::overwrite_existing);
}

// The program the child runs: this one, or its copy in the tree.
fs::path HostProgram(const fs::path& root, const InstallationLayout& layout)
{
    if (layout.HostProgramFolder.empty())
        return ThisProgram();
    return root / layout.HostProgramFolder / ThisProgram().filename();
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool kAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool kAddressSanitizer = false;
#endif

ChildRun RunTestInChild(const fs::path& root, const InstallationLayout& layout)
{
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string libraryPath =
        layout.LibraryPath.empty() ? (root / layout.ModuleFolder).string() : layout.LibraryPath;
    ChildProgram child;
    child.Program = HostProgram(root, layout);
    child.Arguments = {std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name()};
    child.Environment = {std::string(LibrarySearchVariable) + "=" + libraryPath,
                         std::string(kRootVariable) + "=" + root.string(),
                         std::string(kModuleFolderVariable) + "=" + layout.ModuleFolder,
                         "QUILL_ENGINE_JOURNAL=" + (root / "engine-journal.txt").string()};
    child.WorkingFolder = root / layout.WorkingFolder;
    child.WithoutProc = layout.WithoutProc;
    return RunChild(child);
}

}  // namespace

InstallationLayout StandardLayout(const std::string& codeModule, const std::string& designModule)
{
    InstallationLayout layout;
    if (!codeModule.empty())
        layout.Engines.push_back({codeModule, "XEQ/ASME.DLL"});
    if (!designModule.empty())
        layout.Engines.push_back({designModule, "XEQ/ORVEL.DLL"});
    return layout;
}

Installation::Installation(fs::path root, InstallationLayout layout) : m_Root(std::move(root)), m_Layout(std::move(layout))
{
}

const Installation& Installation::Current()
{
    static const Installation current = [] {
        InstallationLayout layout;
        const char* folder = std::getenv(kModuleFolderVariable);
        layout.ModuleFolder = folder != nullptr ? folder : "XEQ";
        const char* root = std::getenv(kRootVariable);
        return Installation(root != nullptr ? root : "", layout);
    }();
    return current;
}

std::string Installation::PrefixText() const
{
    return ShortPathOf(m_Root) + static_cast<char>(fs::path::preferred_separator);
}

std::vector<std::string> Installation::JournalLines() const
{
    std::vector<std::string> lines;
    std::ifstream in(JournalFile());
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::size_t Installation::JournalCount(const std::string& prefix) const
{
    std::size_t count = 0;
    for (const std::string& line : JournalLines())
        count += line.rfind(prefix, 0) == 0 ? 1 : 0;
    return count;
}

void RunInInstallation(const InstallationLayout& layout, const std::function<void(const Installation&)>& body)
{
    using ::testing::Test;
    if (std::getenv(kRootVariable) != nullptr) {
        const Installation& installation = Installation::Current();
        // The child must run the module of its tree, not the build's.
        const std::string module = LoadedModulePath("QuillSTMech.dll");
        if (layout.HostLinksModule) {
            ASSERT_EQ(fs::path(module).parent_path(), installation.ModuleFolder()) << "loaded: '" << module << "'";
        } else {
            ASSERT_EQ(module, "") << "a host that does not link the module has loaded it before the body";
        }
        body(installation);
        // Tells the parent that the body ran (a filter that matched nothing would pass too).
        std::ofstream(installation.Root() / "child-ran") << "ran\n";
        return;
    }

    if (layout.WithoutProc && kAddressSanitizer)
        GTEST_SKIP() << "AddressSanitizer reads its options, and at exit the threads, from /proc, which the test hides";
    const fs::path root = NewTemporaryFolder("quill-test");
    const fs::path moduleFolder = root / layout.ModuleFolder;
    if (!layout.ModuleFolderLinksTo.empty()) {
        fs::create_directories(root / layout.ModuleFolderLinksTo);
        fs::create_directory_symlink(fs::relative(root / layout.ModuleFolderLinksTo, moduleFolder.parent_path()),
                                     moduleFolder);
    }
    CopyInto(QUILL_MODULE_FILE, moduleFolder / fs::path(QUILL_MODULE_FILE).filename());
    CopyInto(QUILL_LINK_FILE, moduleFolder / fs::path(QUILL_LINK_FILE).filename());
    for (const auto& engine : layout.Engines)
        CopyInto(fs::path(QUILL_TEST_ENGINE_DIR) / (engine.RecordingFileName + ".DLL"), root / engine.PathInTree);
    if (!layout.HostProgramFolder.empty())
        CopyInto(ThisProgram(), HostProgram(root, layout));
    fs::create_directories(root / layout.WorkingFolder);

    const ChildRun run = RunTestInChild(root, layout);
    std::ofstream(root / "child-output.txt", std::ios::binary) << run.Output;
    if (layout.WithoutProc && run.ExitCode == NoPrivateNamespace) {
        std::error_code ignored;
        fs::remove_all(root, ignored);
        GTEST_SKIP() << "this machine allows no private mount namespace, in which the test would hide /proc";
    }
    EXPECT_EQ(run.ExitCode, 0) << "the test failed in its installation " << root << ":\n" << run.Output;
    EXPECT_TRUE(fs::exists(root / "child-ran")) << "the test body did not run in its installation:\n"
                                                 << run.Output;
    if (run.ExitCode == 0 && !Test::HasFailure()) {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
}
