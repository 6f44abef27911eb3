// Hosts that load the module at run time and bind its members by their exported names: the
// module finds its own installation whatever name or copy of it was loaded, also from
// another working folder. This program does not link the module.
#include "engine/COrvelEngine.h"
#include "tests/facade/decoy_tree.h"
#include "tests/support/recording_engine.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <new>
#include <ostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

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

// The members a host binds in one loaded module, and an object made through them.
class BoundModule {
public:
    explicit BoundModule(ModuleHandle module)
        : m_Construct(MemberOf<void (*)(COrvelEngine*)>(module, "_ZN12COrvelEngineC1Ev")),
          m_SetFileName(MemberOf<void (*)(COrvelEngine*, char*)>(module, "_ZN12COrvelEngine11SetFileNameEPc")),
          m_Execute(MemberOf<void (*)(COrvelEngine*)>(module, "_ZN12COrvelEngine7ExecuteEv"))
    {
    }

    // A new object, as the host allocates it.
    COrvelEngine* NewEngine() const
    {
        auto* engine = static_cast<COrvelEngine*>(::operator new(sizeof(COrvelEngine)));
        m_Construct(engine);
        return engine;
    }
    void RunTheDesign(COrvelEngine* engine, std::string caseFileName) const
    {
        m_SetFileName(engine, caseFileName.data());
        m_Execute(engine);
    }

private:
    void (*m_Construct)(COrvelEngine*);
    void (*m_SetFileName)(COrvelEngine*, char*);
    void (*m_Execute)(COrvelEngine*);
};

// The name a host loads the module by.
struct ModuleNameCase {
    const char* Label;
    std::function<std::string(const Installation&)> Name;
    // Whether the library search path holds the link library's folder as built, and not
    // the module's: no search by file name can then find the module.
    bool ModuleFolderOffTheSearchPath;
};

void PrintTo(const ModuleNameCase& c, std::ostream* out) { *out << c.Label; }

const ModuleNameCase kModuleNames[] = {
    {"RelativePath", [](const Installation&) { return std::string("XEQ/QuillSTMech.dll"); }, false},
    // The platform's loader then knows the module by that name only (8.3 on Windows).
    {"ShortFormOfItsPath",
     [](const Installation& installation) { return ShortPathOf(installation.ModuleFolder() / "QuillSTMech.dll"); },
     true},
};

class DynamicHostModuleName : public ::testing::TestWithParam<ModuleNameCase> {};

TEST_P(DynamicHostModuleName, StillFindsTheInstallationFromAnotherWorkingFolder)
{
    InstallationLayout layout = LayoutWithDecoyTree();
    layout.HostLinksModule = false;
    if (GetParam().ModuleFolderOffTheSearchPath)
        layout.LibraryPath = fs::path(QUILL_LINK_FILE).parent_path().string();
    RunInInstallation(layout, [](const Installation& installation) {
        const std::string name = GetParam().Name(installation);
        // Kept loaded to the end, as a host keeps it.
        const ModuleHandle module = LoadModule(name);
        ASSERT_NE(module, nullptr) << name;
        ASSERT_EQ(LoadedModulePath(fs::path(name).filename().string()),
                  (installation.ModuleFolder() / "QuillSTMech.dll").lexically_normal().string());
        const BoundModule members(module);
        ASSERT_FALSE(::testing::Test::HasFailure());

        ASSERT_NO_FATAL_FAILURE(EnterTheDecoyTree(installation));
        COrvelEngine* engine = members.NewEngine();
        members.RunTheDesign(engine, "HX.QXR1");
        ExpectTheInstallationsEngineRan(installation);
        Destroy(engine);
        ReturnToTheRoot(installation);
    });
}

INSTANTIATE_TEST_SUITE_P(Names, DynamicHostModuleName, ::testing::ValuesIn(kModuleNames),
                         [](const auto& testParam) { return std::string(testParam.param.Label); });

// Two installations, each with its module of the same file name, loaded side by side: the
// objects of each bind that installation's code module and run its design module with its
// prefix.
TEST(DynamicHost, TwoInstallationsSideBySideEachRunTheirOwnEngine)
{
    InstallationLayout layout = StandardLayout();
    layout.HostLinksModule = false;
    RunInInstallation(layout, [](const Installation& installation) {
        const fs::path roots[] = {installation.Root(), installation.Root() / "second"};
        fs::create_directories(roots[1] / "XEQ");
        for (const fs::directory_entry& file : fs::directory_iterator(installation.ModuleFolder()))
            fs::copy_file(file.path(), roots[1] / "XEQ" / file.path().filename());
        std::vector<COrvelEngine*> engines;
        for (const fs::path& root : roots) {
            const ModuleHandle module = LoadModule((root / "XEQ/QuillSTMech.dll").string());
            ASSERT_NE(module, nullptr) << root;
            const BoundModule members(module);
            ASSERT_FALSE(::testing::Test::HasFailure());
            engines.push_back(members.NewEngine());
            members.RunTheDesign(engines.back(), "HX.QXR1");
        }
        std::vector<std::string> prefixes;
        for (const std::string& line : installation.JournalLines())
            if (line.rfind("ORVELTL 0|", 0) == 0)
                prefixes.push_back(line.substr(10, line.find('|', 10) - 10));
        const char separator = static_cast<char>(fs::path::preferred_separator);
        EXPECT_EQ(prefixes, (std::vector<std::string>{ShortPathOf(roots[0]) + separator,
                                                      ShortPathOf(roots[1]) + separator}));
        for (const fs::path& root : roots)
            for (const char* engineModule : {"XEQ/ASME.DLL", "XEQ/ORVEL.DLL"})
                EXPECT_TRUE(RecordingEngine::IsModuleLoaded((root / engineModule).lexically_normal()))
                    << root / engineModule;
        for (COrvelEngine* engine : engines)
            Destroy(engine);
    });
}

}  // namespace
