// A host that loads the module at run time by a relative path, binds its members by their
// exported names and then moves into another tree still runs the installation's engine.
// This program does not link the module.
#include "engine/COrvelEngine.h"
#include "tests/facade/decoy_tree.h"

#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <string>

namespace {

template <typename Function>
Function MemberOf(ModuleHandle module, const char* exportedName)
{
    void* address = ModuleSymbol(module, exportedName);
    EXPECT_NE(address, nullptr) << exportedName;
    Function function = nullptr;
    std::memcpy(&function, &address, sizeof function);
    return function;
}

// Through the object's only virtual slot, as a host destroys it. The sanitizer's type check
// of the call would need the class's type information, which only the module holds.
__attribute__((no_sanitize("vptr"))) void Destroy(COrvelEngine* engine) { delete engine; }

TEST(DynamicHost, AModuleLoadedByARelativePathStillFindsTheInstallationFromAnotherWorkingFolder)
{
    InstallationLayout layout = LayoutWithDecoyTree();
    layout.HostLinksModule = false;
    RunInInstallation(layout, [](const Installation& installation) {
        // Kept loaded to the end, as a host keeps it.
        const ModuleHandle module = LoadModule("XEQ/QuillSTMech.dll");
        ASSERT_NE(module, nullptr);
        ASSERT_EQ(LoadedModulePath("QuillSTMech.dll"),
                  (installation.ModuleFolder() / "QuillSTMech.dll").lexically_normal().string());
        const auto construct = MemberOf<void (*)(COrvelEngine*)>(module, "_ZN12COrvelEngineC1Ev");
        const auto setFileName = MemberOf<void (*)(COrvelEngine*, char*)>(module, "_ZN12COrvelEngine11SetFileNameEPc");
        const auto execute = MemberOf<void (*)(COrvelEngine*)>(module, "_ZN12COrvelEngine7ExecuteEv");
        ASSERT_FALSE(::testing::Test::HasFailure());

        ASSERT_NO_FATAL_FAILURE(EnterTheDecoyTree(installation));
        auto* engine = static_cast<COrvelEngine*>(::operator new(sizeof(COrvelEngine)));
        construct(engine);
        std::string caseFile = "HX.QXR1";
        setFileName(engine, caseFile.data());
        execute(engine);
        ExpectTheInstallationsEngineRan(installation);
        Destroy(engine);
        ReturnToTheRoot(installation);
    });
}

}  // namespace
