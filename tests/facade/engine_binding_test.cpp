// COrvelEngine binds the code module through one module-wide handle and calls its entry
// points from TransferData and CheckData.
#include "engine/COrvelEngine.h"
#include "link/LinkJournal.h"
#include "link/UnmanagedEngineWrapper.h"
#include "tests/support/host_values.h"
#include "tests/support/installation.h"
#include "tests/support/recording_engine.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

constexpr int kDesPressSSSlot = 6;

TEST(EngineBinding, TwoObjectsShareOneCodeModule)
{
    RunInInstallation(StandardLayout(), [](const Installation& installation) {
        const auto engineFile = installation.EnginePath("XEQ/ASME.DLL");
        auto* first = new COrvelEngine;
        auto* second = new COrvelEngine;
        EXPECT_EQ(installation.JournalCount("load ASME"), 1u);

        delete first;
        EXPECT_TRUE(RecordingEngine::IsModuleLoaded(engineFile));
        EXPECT_EQ(installation.JournalCount("unload ASME"), 0u);
        EXPECT_TRUE(second->TransferData(nullptr, nullptr));
        EXPECT_EQ(installation.JournalCount("ASMEZI"), 1u);

        delete second;
        EXPECT_FALSE(RecordingEngine::IsModuleLoaded(engineFile));
        EXPECT_EQ(installation.JournalCount("unload ASME"), 1u);
    });
}

struct MissingEngineCase {
    const char* Label;
    const char* CodeModule;  // recording engine placed as ASME.DLL, or empty for none
    bool TransferReachesMap;
    bool CheckAnswer;
    bool CheckReachesMap;
    bool CheckWithoutMapAnswer;  // true once ASMECC has run: nothing needs moving
};

void PrintTo(const MissingEngineCase& c, std::ostream* out) { *out << c.Label; }

const MissingEngineCase kMissingCases[] = {
    {"NoCodeModule", "", false, false, false, false},
    // CheckData relies on the blocks of an earlier TransferData: there were none.
    {"NoASMEZI", "recording_asme_no_zi", false, false, false, true},
    {"NoASMECC", "recording_asme_no_cc", true, false, false, false},
};

class MissingEntryPointTest : public ::testing::TestWithParam<MissingEngineCase> {};

TEST_P(MissingEntryPointTest, AnswersQuietlyAndTransfersNothing)
{
    const MissingEngineCase& c = GetParam();
    RunInInstallation(StandardLayout(c.CodeModule, ""), [&](const Installation&) {
        ScalarMap scalars;
        scalars.Add("DesPressSS");
        auto engine = std::make_unique<COrvelEngine>();
        LinkJournal::Enable();

        EXPECT_TRUE(engine->TransferData(&scalars, nullptr));
        EXPECT_EQ(LinkJournal::Count("ScalarMap::operator[]") > 0, c.TransferReachesMap);

        LinkJournal::Clear();
        EXPECT_EQ(engine->CheckData(&scalars, nullptr), c.CheckAnswer);
        EXPECT_EQ(LinkJournal::Count("ScalarMap::operator[]") > 0, c.CheckReachesMap);
        EXPECT_EQ(engine->CheckData(nullptr, nullptr), c.CheckWithoutMapAnswer);
    });
}

INSTANTIATE_TEST_SUITE_P(Engines, MissingEntryPointTest, ::testing::ValuesIn(kMissingCases),
                         [](const auto& testParam) { return std::string(testParam.param.Label); });

TEST(EngineBinding, NullScalarMapStillCallsTheEntryPoints)
{
    RunInInstallation(StandardLayout(), [](const Installation& installation) {
        auto engine = std::make_unique<COrvelEngine>();
        EXPECT_TRUE(engine->TransferData(nullptr, nullptr));
        EXPECT_TRUE(engine->CheckData(nullptr, nullptr));
        EXPECT_EQ(installation.JournalCount("ASMEZI"), 1u);
        EXPECT_EQ(installation.JournalCount("ASMECC"), 1u);
    });
}

// Without blocks nothing can come back into a map: a check with one fails, a check without
// one has nothing to move and succeeds once ASMECC has run.
TEST(EngineBinding, EngineThatHandsOverNoBlocksGetsNothingAndOnlyACheckWithAMapFails)
{
    RunInInstallation(StandardLayout("recording_asme_silent"), [](const Installation& installation) {
        ScalarMap scalars;
        scalars.Add("DesPressSS");
        auto engine = std::make_unique<COrvelEngine>();
        LinkJournal::Enable();
        EXPECT_TRUE(engine->TransferData(&scalars, nullptr));
        EXPECT_FALSE(engine->CheckData(&scalars, nullptr));
        EXPECT_EQ(installation.JournalCount("ASMECC"), 1u);
        EXPECT_EQ(LinkJournal::Count("ScalarMap::operator[]"), 0u);
        EXPECT_TRUE(engine->CheckData(nullptr, nullptr));
        EXPECT_EQ(installation.JournalCount("ASMECC"), 2u);
    });
}

TEST(EngineBinding, ArrayMapIsNeverTouched)
{
    RunInInstallation(StandardLayout(), [](const Installation&) {
        ScalarMap scalars;
        ArrayMap arrays;
        arrays.Add("CplngOD");
        arrays.Add("DesPressSS");
        auto engine = std::make_unique<COrvelEngine>();
        LinkJournal::Enable();
        EXPECT_TRUE(engine->TransferData(&scalars, &arrays));
        EXPECT_TRUE(engine->CheckData(&scalars, &arrays));
        for (const LinkCall& call : LinkJournal::Calls())
            EXPECT_EQ(call.Member.rfind("Array", 0), std::string::npos) << call.Member;
    });
}

TEST(EngineBinding, NewBlocksFromASecondASMEZIRedirectLaterTransfers)
{
    RunInInstallation(StandardLayout("recording_asme_moving"), [](const Installation& installation) {
        ScalarMap scalars;
        auto engine = std::make_unique<COrvelEngine>();
        RecordingEngine blocks(installation.EnginePath("XEQ/ASME.DLL"));
        ASSERT_TRUE(blocks.IsLoaded());

        Hold(scalars, "DesPressSS", {1.0, SourceEngine});
        engine->TransferData(&scalars, nullptr);
        EXPECT_EQ(blocks.BlocksInUse(), 0);
        EXPECT_EQ(blocks.Values(0)[kDesPressSSSlot], 1.0f);

        Hold(scalars, "DesPressSS", {2.0, SourceEngine});
        engine->TransferData(&scalars, nullptr);
        EXPECT_EQ(blocks.BlocksInUse(), 1);
        EXPECT_EQ(blocks.Values(1)[kDesPressSSSlot], 2.0f);
        EXPECT_EQ(blocks.Values(0)[kDesPressSSSlot], 1.0f);

        // CheckData reads the new blocks too.
        blocks.Values(1)[kDesPressSSSlot] = 3.0f;
        blocks.Statuses(1)[kDesPressSSSlot].Code = 6;
        EXPECT_TRUE(engine->CheckData(&scalars, nullptr));
        EXPECT_EQ(Read(scalars, "DesPressSS"), (HeldValue{3.0, SourceEngine, 6}));
    });
}

// How the code module is released after a TransferData has handed over its blocks.
struct ReleaseCase {
    const char* Label;
    bool AnotherObjectAlive;  // which holds its own reference of the code module
    bool ByExecute;           // else the last object is destroyed and a new one made
    bool ModuleStays;
};

void PrintTo(const ReleaseCase& c, std::ostream* out) { *out << c.Label; }

const ReleaseCase kReleases[] = {
    {"ExecuteUnloadsTheModule", false, true, false},
    {"ExecuteWithAnotherObjectAlive", true, true, true},
    {"LastObjectDestroyed", false, false, false},
};

class CodeModuleReleaseTest : public ::testing::TestWithParam<ReleaseCase> {};

// Blocks of an unloaded engine are forgotten: a CheckData before the next TransferData
// moves nothing into the host's map. Blocks of an engine still loaded stay in use.
TEST_P(CodeModuleReleaseTest, CheckDataUsesOnlyBlocksOfTheLoadedEngine)
{
    const ReleaseCase& c = GetParam();
    RunInInstallation(StandardLayout(), [&](const Installation& installation) {
        const auto engineFile = installation.EnginePath("XEQ/ASME.DLL");
        ScalarMap scalars;
        Hold(scalars, "DesPressSS", {5.0, SourceEngine});
        auto engine = std::make_unique<COrvelEngine>();
        auto other = c.AnotherObjectAlive ? std::make_unique<COrvelEngine>() : nullptr;
        ASSERT_TRUE(engine->TransferData(&scalars, nullptr));
        ScalarLink* link = scalars["DesPressSS"];
        link->set_status(9);
        link->Destroy();

        if (c.ByExecute) {
            engine->Execute();
        } else {
            engine.reset();
            engine = std::make_unique<COrvelEngine>();
        }
        ASSERT_EQ(installation.JournalCount("unload ASME"), c.ModuleStays ? 0u : 1u);
        if (c.ModuleStays) {
            const RecordingEngine blocks(engineFile);
            blocks.Values()[kDesPressSSSlot] = 3.0f;
            blocks.Statuses()[kDesPressSSSlot].Code = 6;
        }
        EXPECT_EQ(engine->CheckData(&scalars, nullptr), c.ModuleStays);
        const HeldValue host = Read(scalars, "DesPressSS");
        EXPECT_EQ(host.Value, c.ModuleStays ? 3.0 : 5.0);
        EXPECT_EQ(host.Status, c.ModuleStays ? 6 : 9);

        EXPECT_TRUE(engine->TransferData(&scalars, nullptr));
        EXPECT_TRUE(engine->CheckData(&scalars, nullptr)) << "the blocks handed over again";
    });
}

INSTANTIATE_TEST_SUITE_P(Releases, CodeModuleReleaseTest, ::testing::ValuesIn(kReleases),
                         [](const auto& testParam) { return std::string(testParam.param.Label); });

}  // namespace
