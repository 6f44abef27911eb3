// Execute reloads the code module, calls ASMEUC, and runs the design module's ORVELTL on
// the design case with its case path and run number.
#include "engine/COrvelEngine.h"
#include "link/LinkJournal.h"
#include "link/UnmanagedEngineWrapper.h"
#include "tests/support/installation.h"
#include "tests/support/recording_engine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

// The fields of the journal's ORVELTL line: first, prefix, case path, kind, run number.
std::vector<std::string> RunArguments(const Installation& installation)
{
    for (const std::string& line : installation.JournalLines()) {
        if (line.rfind("ORVELTL ", 0) != 0)
            continue;
        std::vector<std::string> fields;
        std::string rest = line.substr(8);
        for (std::size_t bar; (bar = rest.find('|')) != std::string::npos; rest = rest.substr(bar + 1))
            fields.push_back(rest.substr(0, bar));
        fields.push_back(rest);
        return fields;
    }
    return {};
}

void Execute(COrvelEngine& engine, const std::string& caseFileName)
{
    std::string name = caseFileName;
    engine.SetFileName(name.data());
    engine.Execute();
}

struct RunNumberCase {
    const char* Label;
    const char* CaseFileName;
    int RunMode;
    const char* CasePath;
    int RunNumber;
};

void PrintTo(const RunNumberCase& c, std::ostream* out) { *out << c.Label; }

const RunNumberCase kRunNumbers[] = {
    {"EndsInQxr", "/cases/HX.QXR", 5, "/cases/HX.QXR", 5},
    {"Digits", "/cases/HX.QXR12", 3, "/cases/HX.QXR", 15},
    {"BlankThenDigitsThenOther", "/cases/HX.QXR 7x", 2, "/cases/HX.QXR", 9},
    {"Negative", "/cases/HX.QXR-3", 1, "/cases/HX.QXR", -2},
    {"PlusSignAndWhiteSpace", "HX.QXR\t\n +8", 0, "HX.QXR", 8},
    {"FormFeedCarriageReturnAndVerticalTab", "HX.QXR\f\r\v9", 1, "HX.QXR", 10},
    {"SecondQxrRightBehind", "HX.QXR.QXR4", 6, "HX.QXR", 6},
    {"OverflowUp", "HX.QXR99999999999", 0, "HX.QXR", 2147483647},
    {"OverflowDown", "HX.QXR-99999999999", 0, "HX.QXR", -2147483647 - 1},
    {"RunModeWrapsTheSum", "HX.QXR2147483647", 1, "HX.QXR", -2147483647 - 1},
    {"NegativeRunMode", "HX.QXR10", -4, "HX.QXR", 6},
};

class RunNumberTest : public ::testing::TestWithParam<RunNumberCase> {};

TEST_P(RunNumberTest, ReachesORVELTL)
{
    const RunNumberCase& c = GetParam();
    RunInInstallation(StandardLayout(), [&](const Installation& installation) {
        auto engine = std::make_unique<COrvelEngine>();
        MonitorLink::SetOrvelRunMode(c.RunMode);
        Execute(*engine, c.CaseFileName);
        const auto arguments = RunArguments(installation);
        ASSERT_EQ(arguments.size(), 6u);
        EXPECT_EQ(arguments[0], "0");
        EXPECT_EQ(arguments[1], installation.PrefixText());
        EXPECT_EQ(arguments[2], c.CasePath);
        EXPECT_EQ(arguments[3], "BATCH");
        EXPECT_EQ(arguments[4], std::to_string(c.RunNumber));
        EXPECT_NE(arguments[5], "(nil)") << "the root group of the design tree";
    });
}

INSTANTIATE_TEST_SUITE_P(Cases, RunNumberTest, ::testing::ValuesIn(kRunNumbers),
                         [](const auto& testParam) { return std::string(testParam.param.Label); });

// Names that hold no ".QXR" end the run after ASMEUC, before the run mode is asked.
TEST(DesignRun, NoCasePathEndsBeforeTheRunMode)
{
    RunInInstallation(StandardLayout(), [](const Installation& installation) {
        auto engine = std::make_unique<COrvelEngine>();
        LinkJournal::Enable();
        for (const char* name : {"", "/cases/HX.qxr12", "/cases/HX.QXr"})
            Execute(*engine, name);
        engine->SetFileName(nullptr);
        engine->Execute();
        EXPECT_EQ(installation.JournalCount("ASMEUC"), 4u);
        EXPECT_EQ(installation.JournalCount("load ORVEL"), 0u);
        EXPECT_EQ(LinkJournal::Count("MonitorLink::GetOrvelRunMode"), 0u);
    });
}

TEST(DesignRun, SecondFileNameReplacesTheFirst)
{
    RunInInstallation(StandardLayout(), [](const Installation& installation) {
        auto engine = std::make_unique<COrvelEngine>();
        std::string first = "first.QXR1";
        std::string second = "second.QXR2";
        engine->SetFileName(first.data());
        engine->SetFileName(second.data());
        engine->Execute();
        const auto arguments = RunArguments(installation);
        ASSERT_EQ(arguments.size(), 6u);
        EXPECT_EQ(arguments[2], "second.QXR");
        EXPECT_EQ(arguments[4], "2");
    });
}

TEST(DesignRun, NullFileNameEmptiesTheName)
{
    RunInInstallation(StandardLayout(), [](const Installation& installation) {
        auto engine = std::make_unique<COrvelEngine>();
        Execute(*engine, "HX.QXR1");
        ASSERT_EQ(installation.JournalCount("ORVELTL"), 1u);
        LinkJournal::Enable();
        engine->SetFileName(nullptr);
        engine->Execute();
        EXPECT_EQ(installation.JournalCount("ASMEUC"), 2u);
        EXPECT_EQ(installation.JournalCount("ORVELTL"), 1u) << "an empty name ends the run after ASMEUC";
        EXPECT_EQ(LinkJournal::Count("MonitorLink::GetOrvelRunMode"), 0u);
    });
}

TEST(DesignRun, TwoRunsReloadTheCodeModuleAndNeverFreeTheDesignModule)
{
    RunInInstallation(StandardLayout(), [](const Installation& installation) {
        auto engine = std::make_unique<COrvelEngine>();
        Execute(*engine, "HX.QXR1");
        Execute(*engine, "HX.QXR2");
        EXPECT_EQ(installation.JournalLines(),
                  (std::vector<std::string>{"load ASME", "unload ASME", "load ASME", "ASMEUC", "load ORVEL",
                                            "ORVELTL 0|" + installation.PrefixText() + "|HX.QXR|BATCH|1|"
                                                + RunArguments(installation)[5],
                                            "unload ASME", "load ASME", "ASMEUC",
                                            "ORVELTL 0|" + installation.PrefixText() + "|HX.QXR|BATCH|2|"
                                                + RunArguments(installation)[5]}));

        // Each run added one reference of the design module: exactly two are held.
        const auto designModule = installation.EnginePath("XEQ/ORVEL.DLL");
        const ModuleHandle handle = ReferenceLoadedModule(designModule);
        ASSERT_NE(handle, nullptr);
        ReleaseModule(handle);
        ReleaseModule(handle);
        EXPECT_TRUE(RecordingEngine::IsModuleLoaded(designModule));
        ReleaseModule(handle);
        EXPECT_FALSE(RecordingEngine::IsModuleLoaded(designModule));
    });
}

// A constructor that could not load the code module leaves the handle null; Execute then
// has nothing to release and loads the module again.
TEST(DesignRun, LoadsTheCodeModuleThatTheConstructorCouldNotLoad)
{
    RunInInstallation(StandardLayout(), [](const Installation& installation) {
        const auto codeModule = installation.EnginePath("XEQ/ASME.DLL");
        const auto heldBack = installation.EnginePath("XEQ/held-back");
        std::filesystem::rename(codeModule, heldBack);
        auto engine = std::make_unique<COrvelEngine>();
        EXPECT_FALSE(engine->CheckData(nullptr, nullptr)) << "no code module is bound";
        std::filesystem::rename(heldBack, codeModule);

        Execute(*engine, "HX.QXR1");
        const std::vector<std::string> lines = installation.JournalLines();
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[0], "load ASME");
        EXPECT_EQ(lines[1], "ASMEUC");
        EXPECT_EQ(lines[2], "load ORVEL");
        EXPECT_EQ(lines[3].rfind("ORVELTL 0|", 0), 0u) << lines[3];
        engine->CheckData(nullptr, nullptr);
        EXPECT_EQ(installation.JournalCount("ASMECC"), 1u) << "the reloaded module stays bound";
    });
}

TEST(DesignRun, EmptyPrefixGivesRelativePathsAndAnEmptyText)
{
    InstallationLayout layout;
    layout.ModuleFolder = "lib";
    layout.WorkingFolder = "work";
    layout.Engines = {{"recording_asme", "work/XEQ/ASME.DLL"}, {"recording_orvel", "work/XEQ/ORVEL.DLL"}};
    RunInInstallation(layout, [](const Installation& installation) {
        auto engine = std::make_unique<COrvelEngine>();
        Execute(*engine, "HX.QXR3");
        const auto arguments = RunArguments(installation);
        ASSERT_EQ(arguments.size(), 6u);
        EXPECT_EQ(arguments[1], "");
        EXPECT_EQ(LoadedModulePath("ORVEL.DLL"), installation.EnginePath("work/XEQ/ORVEL.DLL").string());
    });
}

struct FailureCase {
    const char* Label;
    const char* CodeModule;
    const char* DesignModule;
    bool MoveCodeModuleAwayBeforeRun;
    std::size_t ASMEUCCalls;
    std::size_t RunModeQueries;
    bool DesignModuleLoaded;
    bool CodeModuleBoundAfter;  // CheckData still reaches ASMECC afterwards
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.Label; }

const FailureCase kFailures[] = {
    {"CodeModuleCannotBeLoaded", "recording_asme", "recording_orvel", true, 0, 0, false, false},
    {"ASMEUCMissing", "recording_asme_no_uc", "recording_orvel", false, 0, 0, false, true},
    {"DesignModuleCannotBeLoaded", "recording_asme", "", false, 1, 1, false, true},
    {"ORVELTLMissing", "recording_asme", "recording_orvel_no_tl", false, 1, 1, true, true},
};

class DesignRunFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(DesignRunFailureTest, EndsQuietlyAndLeavesTheState)
{
    const FailureCase& c = GetParam();
    RunInInstallation(StandardLayout(c.CodeModule, c.DesignModule), [&](const Installation& installation) {
        auto engine = std::make_unique<COrvelEngine>();
        // Moved, not removed: the platform removes no loaded module's file.
        if (c.MoveCodeModuleAwayBeforeRun)
            std::filesystem::rename(installation.EnginePath("XEQ/ASME.DLL"), installation.EnginePath("XEQ/held-back"));
        LinkJournal::Enable();
        Execute(*engine, "HX.QXR1");
        EXPECT_EQ(installation.JournalCount("unload ASME"), 1u) << "the old handle is released first";
        EXPECT_EQ(installation.JournalCount("ASMEUC"), c.ASMEUCCalls);
        EXPECT_EQ(LinkJournal::Count("MonitorLink::GetOrvelRunMode"), c.RunModeQueries);
        EXPECT_EQ(installation.JournalCount("load ORVEL"), c.DesignModuleLoaded ? 1u : 0u);
        EXPECT_EQ(installation.JournalCount("unload ORVEL"), 0u);
        EXPECT_EQ(installation.JournalCount("ORVELTL"), 0u);
        EXPECT_EQ(LinkJournal::Count("COrvelTLLink::get_RootGroup"), 0u);

        // CheckData reaches ASMECC, and without a map answers true, only while the code
        // module is bound.
        EXPECT_EQ(engine->CheckData(nullptr, nullptr), c.CodeModuleBoundAfter);
        EXPECT_EQ(installation.JournalCount("ASMECC"), c.CodeModuleBoundAfter ? 1u : 0u);
    });
}

INSTANTIATE_TEST_SUITE_P(Rows, DesignRunFailureTest, ::testing::ValuesIn(kFailures),
                         [](const auto& testParam) { return std::string(testParam.param.Label); });

}  // namespace
