// The module-loading stand-in: folders separated either way, references counted down to a
// real unload, module handles and file names found as the platform finds them.
#include "platform/loader/module_loading.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

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
    EXPECT_EQ(GetModuleFileNameA(module, small, sizeof small), sizeof small) << "a cut path answers the size";
    EXPECT_EQ(std::strlen(small), sizeof small - 1);
    FreeLibrary(module);

    EXPECT_EQ(std::string(path, GetModuleFileNameA(nullptr, path, sizeof path)), fs::read_symlink("/proc/self/exe"));
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

}  // namespace
