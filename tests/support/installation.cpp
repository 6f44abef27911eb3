// Real installation trees made in temporary folders.
#include "tests/support/installation.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/without_proc.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

namespace fs = std::filesystem;

extern char** environ;

namespace {

constexpr char kRootVariable[] = "QUILL_TEST_ROOT";
constexpr char kModuleFolderVariable[] = "QUILL_TEST_MODULE_FOLDER";

void CopyInto(const fs::path& source, const fs::path& target)
{
    fs::create_directories(target.parent_path());
    fs::copy_file(source, target, fs::copy_options::overwrite_existing);
}

std::string ReadFile(const fs::path& file)
{
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

fs::path ThisProgram() { return fs::read_symlink("/proc/self/exe"); }

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

int RunChild(const fs::path& root, const InstallationLayout& layout, const fs::path& output)
{
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter = std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();

    std::vector<std::string> environment;
    for (char** variable = environ; *variable != nullptr; ++variable)
        if (std::strncmp(*variable, "LD_LIBRARY_PATH=", 16) != 0)
            environment.emplace_back(*variable);
    const std::string libraryPath =
        layout.LibraryPath.empty() ? (root / layout.ModuleFolder).string() : layout.LibraryPath;
    environment.push_back("LD_LIBRARY_PATH=" + libraryPath);
    environment.push_back(std::string(kRootVariable) + "=" + root.string());
    environment.push_back(std::string(kModuleFolderVariable) + "=" + layout.ModuleFolder);
    environment.push_back("QUILL_ENGINE_JOURNAL=" + (root / "engine-journal.txt").string());

    std::vector<char*> envp;
    for (std::string& variable : environment)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    std::string program = HostProgram(root, layout).string();
    std::string filterArgument(filter);
    char* argv[] = {program.data(), filterArgument.data(), nullptr};

    const fs::path working = root / layout.WorkingFolder;
    const pid_t child = fork();
    if (child == 0) {
        const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        dup2(out, 2);
        if (chdir(working.c_str()) != 0)
            _exit(126);
        if (layout.WithoutProc && !HideProc())
            _exit(NoPrivateNamespace);
        execve(program.c_str(), argv, envp.data());
        _exit(127);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
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

std::string LoadedModulePath(const char* fileName)
{
    struct Search {
        std::string name;
        std::string found;
    } search{fileName, {}};
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            auto* wanted = static_cast<Search*>(data);
            const std::string path = info->dlpi_name != nullptr ? info->dlpi_name : "";
            if (!path.empty() && fs::path(path).filename() == wanted->name) {
                wanted->found = fs::absolute(path).string();
                return 1;
            }
            return 0;
        },
        &search);
    return search.found;
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

    const fs::path output = root / "child-output.txt";
    const int exitCode = RunChild(root, layout, output);
    if (layout.WithoutProc && exitCode == NoPrivateNamespace) {
        std::error_code ignored;
        fs::remove_all(root, ignored);
        GTEST_SKIP() << "this machine allows no private mount namespace, in which the test would hide /proc";
    }
    EXPECT_EQ(exitCode, 0) << "the test failed in its installation " << root << ":\n" << ReadFile(output);
    EXPECT_TRUE(fs::exists(root / "child-ran")) << "the test body did not run in its installation:\n"
                                                 << ReadFile(output);
    if (exitCode == 0 && !Test::HasFailure()) {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
}
