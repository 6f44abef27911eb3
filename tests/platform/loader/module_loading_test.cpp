// The module-loading stand-in: folders separated either way, references counted down to a
// real unload, module handles and file names found as the platform finds them.
#include "platform/last_error.h"
#include "platform/loader/module_loading.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/without_proc.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <iterator>
#include <filesystem>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kEngine = fs::path(QUILL_TEST_ENGINE_DIR) / "recording_asme.DLL";

std::string WithBackslashes(std::string path)
{
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

TEST(ModuleLoading, BackslashesSeparateFolders)
{
    HMODULE module = LoadLibraryA(WithBackslashes(kEngine.string()).c_str());
    ASSERT_NE(module, nullptr);
    EXPECT_NE(GetProcAddress(module, "ASMEZI"), nullptr);
    EXPECT_EQ(GetProcAddress(module, "NoSuchEntry"), nullptr);
    EXPECT_TRUE(FreeLibrary(module));
}

TEST(ModuleLoading, FreedToNoReferenceIsUnloadedAndLoadsAfresh)
{
    HMODULE first = LoadLibraryA(kEngine.c_str());
    HMODULE second = LoadLibraryA(kEngine.c_str());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second) << "loading again gives the same handle and one more reference";
    auto blocksInUse = EntryPointAs<int (*)()>(GetProcAddress(first, "RecordingBlocksInUse"));
    auto asmezi = EntryPointAs<void (*)(void (*)(void*, void*, void*))>(GetProcAddress(first, "ASMEZI"));
    asmezi([](void*, void*, void*) {});
    EXPECT_EQ(blocksInUse(), 0);

    FreeLibrary(first);
    EXPECT_NE(GetModuleHandleA("recording_asme.DLL"), nullptr) << "one reference is left";
    FreeLibrary(second);
    EXPECT_EQ(GetModuleHandleA("recording_asme.DLL"), nullptr);

    // A fresh load starts from the module's initial state.
    HMODULE again = LoadLibraryA(kEngine.c_str());
    blocksInUse = EntryPointAs<int (*)()>(GetProcAddress(again, "RecordingBlocksInUse"));
    EXPECT_EQ(blocksInUse(), -1);
    FreeLibrary(again);
}

TEST(ModuleLoading, MissingModulesAndNullHandles)
{
    EXPECT_EQ(LoadLibraryA("XEQ\\NoSuchModule.DLL"), nullptr);
    EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
    EXPECT_FALSE(FreeLibrary(nullptr));
    EXPECT_EQ(GetProcAddress(nullptr, "ASMEZI"), nullptr);
    EXPECT_EQ(GetModuleHandleA("NoSuchModule.DLL"), nullptr);
}

TEST(ModuleLoading, HandleAndFileNameOfALoadedModule)
{
    HMODULE module = LoadLibraryA(kEngine.c_str());
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(GetModuleHandleA("RECORDING_ASME.dll"), module) << "file names match without regard to case";
    EXPECT_EQ(GetModuleHandleA(WithBackslashes(kEngine.string()).c_str()), module);

    char path[4096];
    const DWORD length = GetModuleFileNameA(module, path, sizeof path);
    EXPECT_EQ(std::string(path, length), kEngine.string());

    char small[8];
    SetLastError(0);
    EXPECT_EQ(GetModuleFileNameA(module, small, sizeof small), sizeof small) << "a cut path answers the size";
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(std::string(small), kEngine.string().substr(0, sizeof small - 1)) << "cut and terminated";
    FreeLibrary(module);

    EXPECT_EQ(std::string(path, GetModuleFileNameA(nullptr, path, sizeof path)), fs::read_symlink("/proc/self/exe"));
}

int FunctionOfTheMainProgram() { return 0; }

// The module that holds an address, as a host finds its own module whatever name it was
// loaded by: the handle that loading it gave, the main program's for an address of its own,
// none for memory of no module.
TEST(ModuleLoading, HandleOfTheModuleHoldingAnAddress)
{
    constexpr DWORD fromAddress = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    HMODULE module = LoadLibraryA(kEngine.c_str());
    ASSERT_NE(module, nullptr);
    const auto address = [](auto pointer) { return reinterpret_cast<LPCSTR>(pointer); };
    HMODULE found = nullptr;
    EXPECT_TRUE(GetModuleHandleExA(fromAddress, address(GetProcAddress(module, "ASMEZI")), &found));
    EXPECT_EQ(found, module);
    const auto dataOfTheModule = EntryPointAs<float* (*)(int)>(GetProcAddress(module, "RecordingValueBlock"))(0);
    EXPECT_TRUE(GetModuleHandleExA(fromAddress, address(dataOfTheModule + 10), &found));
    EXPECT_EQ(found, module) << "an address of the module's data";
    EXPECT_TRUE(GetModuleHandleExA(fromAddress, address(&FunctionOfTheMainProgram), &found));
    EXPECT_EQ(found, GetModuleHandleA(nullptr));
    FreeLibrary(module);

    const std::vector<char> memoryOfNoModule(64);
    found = module;
    SetLastError(0);
    EXPECT_FALSE(GetModuleHandleExA(fromAddress, memoryOfNoModule.data(), &found));
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
}

struct HandleReferenceCase {
    const char* Label;
    DWORD Flags;
    bool ByAddress;
    bool TakesAReference;
};

void PrintTo(const HandleReferenceCase& c, std::ostream* out) { *out << c.Label; }

class ModuleHandleReference : public ::testing::TestWithParam<HandleReferenceCase> {};

TEST_P(ModuleHandleReference, IsTakenUnlessAskedNot)
{
    const HandleReferenceCase& c = GetParam();
    HMODULE module = LoadLibraryA(kEngine.c_str());
    ASSERT_NE(module, nullptr);
    const LPCSTR name = c.ByAddress ? reinterpret_cast<LPCSTR>(GetProcAddress(module, "ASMEZI")) : "RECORDING_ASME.dll";
    HMODULE found = nullptr;
    ASSERT_TRUE(GetModuleHandleExA(c.Flags, name, &found));
    EXPECT_EQ(found, module);
    FreeLibrary(module);
    EXPECT_EQ(GetModuleHandleA("recording_asme.DLL") != nullptr, c.TakesAReference);
    if (c.TakesAReference)
        FreeLibrary(found);
    EXPECT_EQ(GetModuleHandleA("recording_asme.DLL"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, ModuleHandleReference,
    ::testing::Values(
        HandleReferenceCase{"ByName", 0, false, true},
        HandleReferenceCase{"ByNameUnchanged", GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT, false, false},
        HandleReferenceCase{"ByAddress", GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, true, true},
        HandleReferenceCase{"ByAddressUnchanged",
                            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT, true,
                            false}),
    [](const auto& testParam) { return std::string(testParam.param.Label); });

// What the platform refuses, as it refuses it; and a module not loaded.
TEST(ModuleLoading, HandleRequestsThatFail)
{
    struct Request {
        DWORD Flags;
        LPCSTR Name;
        bool WithHandle;
        DWORD Error;
    };
    const Request requests[] = {
        {GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT, "NoSuchModule.DLL", true, ERROR_MOD_NOT_FOUND},
        {GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT, nullptr, false, ERROR_INVALID_PARAMETER},
        {GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT | GET_MODULE_HANDLE_EX_FLAG_PIN, nullptr, true,
         ERROR_INVALID_PARAMETER},
        {GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT | 0x10, nullptr, true, ERROR_INVALID_PARAMETER},
    };
    for (const Request& request : requests) {
        HMODULE found = GetModuleHandleA(nullptr);
        SetLastError(0);
        EXPECT_FALSE(GetModuleHandleExA(request.Flags, request.Name, request.WithHandle ? &found : nullptr))
            << request.Flags;
        if (request.WithHandle) {
            EXPECT_EQ(found, nullptr) << request.Flags;
        }
        EXPECT_EQ(GetLastError(), request.Error) << request.Flags;
    }
}

TEST(ModuleLoading, ShortPathIsThePathItselfInPlace)
{
    char buffer[64] = "/some/long folder/QuillSTMech.dll";
    const std::string original = buffer;
    EXPECT_EQ(GetShortPathNameA(buffer, buffer, sizeof buffer), original.size());
    EXPECT_EQ(std::string(buffer), original);
    char tooSmall[4];
    EXPECT_EQ(GetShortPathNameA(original.c_str(), tooSmall, sizeof tooSmall), original.size() + 1)
        << "too small a buffer answers the size needed";
}

// A temporary tree of engine copies; the working folder is put back afterwards.
class ModuleTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = NewTemporaryFolder("quill-loader");
        working = fs::current_path();
    }
    void TearDown() override
    {
        fs::current_path(working);
        fs::remove_all(root);
    }

    // Places a copy of the engine at the path below the root.
    void Place(const std::string& pathInTree) const
    {
        fs::create_directories((root / pathInTree).parent_path());
        fs::copy_file(kEngine, root / pathInTree);
    }

    static std::string FileNameOf(HMODULE module)
    {
        char path[4096];
        return std::string(path, GetModuleFileNameA(module, path, sizeof path));
    }

    fs::path root;
    fs::path working;
};

struct NameMatchCase {
    const char* Label;
    std::vector<std::string> Files;  // below the root
    std::string Requested;           // below the root
    std::string Loaded;              // below the root; empty: nothing is loaded
};

void PrintTo(const NameMatchCase& c, std::ostream* out) { *out << c.Label; }

const NameMatchCase kNameMatches[] = {
    {"OtherCaseOnDisk", {"inst/xeq/asme.dll"}, "inst\\XEQ\\ASME.DLL", "inst/xeq/asme.dll"},
    {"ExactNameWins", {"XEQ/ASME.DLL", "Xeq/ASME.DLL", "xeq/ASME.DLL"}, "xeq/ASME.DLL", "xeq/ASME.DLL"},
    {"ThenFirstInByteOrder", {"xeq/ASME.DLL", "Xeq/ASME.DLL", "XEQ/ASME.DLL"}, "xEQ/ASME.DLL", "XEQ/ASME.DLL"},
    {"FileNamesToo", {"XEQ/asme.dll", "XEQ/Asme.DLL"}, "XEQ/ASME.DLL", "XEQ/Asme.DLL"},
    {"DotsAndDoubledSeparators", {"inst/XEQ/ASME.DLL"}, "inst/./xeq/..//XEQ\\ASME.DLL", "inst/XEQ/ASME.DLL"},
    {"NoSuchName", {"XEQ/ASME.DLL"}, "XEQ/ASMEX.DLL", ""},
};

class ModuleNameMatch : public ModuleTree, public ::testing::WithParamInterface<NameMatchCase> {};

TEST_P(ModuleNameMatch, LoadsTheFileThePlatformWouldFind)
{
    const NameMatchCase& c = GetParam();
    for (const std::string& file : c.Files)
        Place(file);
    HMODULE module = LoadLibraryA((root.string() + "/" + c.Requested).c_str());
    if (c.Loaded.empty()) {
        EXPECT_EQ(module, nullptr);
        return;
    }
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(FileNameOf(module), (root / c.Loaded).string());
    FreeLibrary(module);
}

INSTANTIATE_TEST_SUITE_P(Trees, ModuleNameMatch, ::testing::ValuesIn(kNameMatches),
                         [](const auto& testParam) { return std::string(testParam.param.Label); });

// A relative path that the host program's folder does not hold is found in the working folder.
TEST_F(ModuleTree, RelativePathsAreFoundInTheWorkingFolder)
{
    Place("XEQ/asme.dll");
    fs::current_path(root);
    HMODULE module = LoadLibraryA("xeq\\ASME.DLL");
    ASSERT_NE(module, nullptr);
    fs::current_path("/");
    EXPECT_EQ(FileNameOf(module), (root / "XEQ/asme.dll").string()) << "the file that was found, in full";
    FreeLibrary(module);
}

// Folders entered one below the other from the working folder, so that its path grows longer
// than any path a system call takes; left and removed step by step again, as no path to
// them can be given whole.
class DeepWorkingFolder {
public:
    explicit DeepWorkingFolder(int depth)
    {
        while (m_Depth < depth && mkdir(kStep, 0700) == 0) {
            if (chdir(kStep) != 0)
                break;
            ++m_Depth;
        }
    }
    DeepWorkingFolder(const DeepWorkingFolder&) = delete;
    DeepWorkingFolder& operator=(const DeepWorkingFolder&) = delete;
    ~DeepWorkingFolder()
    {
        for (; m_Depth > 0; --m_Depth)
            if (chdir("..") != 0 || rmdir(kStep) != 0)
                break;
    }
    int Depth() const { return m_Depth; }

private:
    static constexpr const char* kStep =
        "a-long-folder-name-a-long-folder-name-a-long-folder-name-a-long-folder-name-a-long-folder-name";  // 94 bytes
    int m_Depth = 0;
};

// The platform's ANSI calls take paths shorter than MAX_PATH characters only: the loader and
// the short form refuse longer ones with ERROR_FILENAME_EXCED_RANGE.
TEST_F(ModuleTree, PathsOfMaxPathCharactersOrMoreAreRefused)
{
    const auto placedAtLength = [&](std::size_t length) {
        const std::string fileInFolder = "/ASME.DLL";
        const std::string pathInTree =
            std::string(length - root.string().size() - 1 - fileInFolder.size(), 'd') + fileInFolder;
        Place(pathInTree);
        const std::string path = (root / pathInTree).string();
        EXPECT_EQ(path.size(), length);
        return path;
    };
    const std::string longest = placedAtLength(MAX_PATH - 1);
    HMODULE module = LoadLibraryA(longest.c_str());
    EXPECT_NE(module, nullptr);
    FreeLibrary(module);
    char shortPath[1024];
    EXPECT_EQ(GetShortPathNameA(longest.c_str(), shortPath, sizeof shortPath), longest.size());

    const std::string tooLong = placedAtLength(MAX_PATH);
    SetLastError(0);
    EXPECT_EQ(LoadLibraryA(tooLong.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_FILENAME_EXCED_RANGE);
    SetLastError(0);
    EXPECT_EQ(GetShortPathNameA(tooLong.c_str(), shortPath, sizeof shortPath), 0u);
    EXPECT_EQ(GetLastError(), ERROR_FILENAME_EXCED_RANGE);
}

TEST_F(ModuleTree, RelativePathsAreFoundFromAWorkingFolderDeeperThanAnyPath)
{
    Place("XEQ/ASME.DLL");
    fs::current_path(root);
    constexpr int depth = 50;  // 50 folders of 94-byte names: over 4700 bytes
    std::string climb;
    for (int i = 0; i < depth; ++i)
        climb += "..\\";
    HMODULE module = nullptr;
    {
        const DeepWorkingFolder deep(depth);
        ASSERT_EQ(deep.Depth(), depth);
        module = LoadLibraryA((climb + "XEQ\\ASME.DLL").c_str());
    }
    ASSERT_NE(module, nullptr) << "the path climbs back out of the working folder to a file";
    EXPECT_EQ(FileNameOf(module), (root / "XEQ/ASME.DLL").string());
    FreeLibrary(module);
}

TEST_F(ModuleTree, BareNamesAreFoundAmongTheLoadedModulesThenInTheWorkingFolder)
{
    Place("lib/loaded.dll");
    Place("work/only_here.dll");
    HMODULE loaded = LoadLibraryA((root / "lib/loaded.dll").c_str());
    ASSERT_NE(loaded, nullptr);
    fs::current_path(root / "work");
    EXPECT_EQ(LoadLibraryA("LOADED.DLL"), loaded) << "a loaded module of that file name, case ignored";
    FreeLibrary(loaded);
    EXPECT_TRUE(FreeLibrary(loaded));
    EXPECT_EQ(GetModuleHandleA("loaded.dll"), nullptr) << "two references were taken and given back";

    HMODULE here = LoadLibraryA("Only_Here.DLL");
    ASSERT_NE(here, nullptr);
    EXPECT_EQ(FileNameOf(here), (root / "work/only_here.dll").string());
    FreeLibrary(here);
    EXPECT_EQ(LoadLibraryA("nowhere.dll"), nullptr);
}

// A name that ends at the last byte before a page that cannot be read: a look past its
// terminator ends the process.
class NameBeforeAnUnreadablePage {
public:
    explicit NameBeforeAnUnreadablePage(const std::string& name)
    {
        m_PageSize = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
        void* pages = mmap(nullptr, 2 * m_PageSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (pages == MAP_FAILED)
            throw std::runtime_error("cannot map two pages");
        m_Pages = static_cast<char*>(pages);
        if (mprotect(m_Pages + m_PageSize, m_PageSize, PROT_NONE) != 0) {
            munmap(m_Pages, 2 * m_PageSize);
            throw std::runtime_error("cannot protect a page");
        }
        m_Name = m_Pages + m_PageSize - (name.size() + 1);
        std::memcpy(m_Name, name.c_str(), name.size() + 1);
    }
    NameBeforeAnUnreadablePage(const NameBeforeAnUnreadablePage&) = delete;
    NameBeforeAnUnreadablePage& operator=(const NameBeforeAnUnreadablePage&) = delete;
    ~NameBeforeAnUnreadablePage() { munmap(m_Pages, 2 * m_PageSize); }
    const char* Name() const { return m_Name; }

private:
    std::size_t m_PageSize = 0;
    char* m_Pages = nullptr;
    char* m_Name = nullptr;
};

TEST_F(ModuleTree, NamesOfOneCharacterLoadAndTheEmptyNameIsRefused)
{
    Place("A");
    fs::current_path(root);
    const NameBeforeAnUnreadablePage one("A");
    HMODULE module = LoadLibraryA(one.Name());
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(FileNameOf(module), (root / "A").string());
    FreeLibrary(module);

    const NameBeforeAnUnreadablePage empty("");
    EXPECT_EQ(LoadLibraryA(empty.Name()), nullptr);
}

TEST(ModuleLoading, BareNamesOfSystemLibrariesAreFoundByTheSystemSearch)
{
    HMODULE library = LoadLibraryA("libanl.so.1");
    ASSERT_NE(library, nullptr);
    const std::string path = [&] {
        char buffer[4096];
        return std::string(buffer, GetModuleFileNameA(library, buffer, sizeof buffer));
    }();
    EXPECT_TRUE(fs::path(path).is_absolute()) << path;
    EXPECT_EQ(fs::path(path).filename(), "libanl.so.1");
    EXPECT_TRUE(FreeLibrary(library));
}

// A host may load a module by a relative path and then change its working folder: the
// module's file name stays the file that was loaded.
TEST_F(ModuleTree, FileNameOfAModuleLoadedByARelativePathIgnoresTheWorkingFolderNow)
{
    Place("inst/XEQ/recording_asme.DLL");
    Place("elsewhere/inst/XEQ/recording_asme.DLL");
    fs::current_path(root);
    void* loaded = dlopen("inst/XEQ/recording_asme.DLL", RTLD_NOW);
    ASSERT_NE(loaded, nullptr) << dlerror();
    fs::current_path(root / "elsewhere");

    HMODULE module = GetModuleHandleA("recording_asme.DLL");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(FileNameOf(module), (root / "inst/XEQ/recording_asme.DLL").string());
    EXPECT_EQ(GetModuleHandleA((root / "inst/XEQ/recording_asme.DLL").c_str()), module);
    EXPECT_EQ(GetModuleHandleA((root / "elsewhere/inst/XEQ/recording_asme.DLL").c_str()), nullptr);
    dlclose(loaded);
}

// Without /proc the loader's own records still give a loaded module's handle, as the
// platform needs no path for it; the file name of a module loaded by a relative path from
// another working folder cannot be told then, and is not guessed from the working folder now.
TEST_F(ModuleTree, WithoutProcALoadedModuleStillHasItsHandle)
{
    Place("inst/XEQ/recording_asme.DLL");
    Place("elsewhere/inst/XEQ/recording_asme.DLL");
    fs::current_path(root);
    enum Outcome { Passed, NotLoaded, NoHandle, OtherHandle, GuessedFileName, NoFolder };
    const pid_t child = fork();
    if (child == 0) {
        if (!HideProc())
            _exit(NoPrivateNamespace);
        void* loaded = dlopen("inst/XEQ/recording_asme.DLL", RTLD_NOW);
        if (loaded == nullptr)
            _exit(NotLoaded);
        if (chdir("elsewhere") != 0)
            _exit(NoFolder);
        HMODULE module = GetModuleHandleA("RECORDING_ASME.DLL");
        if (module == nullptr)
            _exit(NoHandle);
        if (static_cast<void*>(module) != loaded)
            _exit(OtherHandle);
        char path[4096];
        // _exit: the leak checker at exit would read /proc.
        _exit(GetModuleFileNameA(module, path, sizeof path) == 0 ? Passed : GuessedFileName);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == NoPrivateNamespace)
        GTEST_SKIP() << "this machine allows no private mount namespace, in which the test would hide /proc";
    const char* outcomes[] = {"passed", "not loaded", "no handle", "another module's handle",
                              "a file name guessed", "no folder 'elsewhere'"};
    const auto outcome = static_cast<std::size_t>(WEXITSTATUS(status));
    EXPECT_EQ(outcome, std::size_t{Passed}) << (outcome < std::size(outcomes) ? outcomes[outcome] : "crashed");
}

TEST_F(ModuleTree, FileNameIsNormal)
{
    Place("inst/XEQ/recording_asme.DLL");
    fs::create_directories(root / "inst/other");
    void* loaded = dlopen((root.string() + "/./inst//other/../XEQ/recording_asme.DLL").c_str(), RTLD_NOW);
    ASSERT_NE(loaded, nullptr) << dlerror();
    EXPECT_EQ(FileNameOf(GetModuleHandleA("recording_asme.DLL")), (root / "inst/XEQ/recording_asme.DLL").string());
    dlclose(loaded);
}

}  // namespace
