// TransferData and CheckData move every scalar design variable between the host's map and
// the engine's blocks, through the real module and a recording engine.
#include "dictionary/tables/scalar_variable_table.h"
#include "engine/COrvelEngine.h"
#include "link/LinkJournal.h"
#include "link/UnmanagedEngineWrapper.h"
#include "tests/support/host_values.h"
#include "tests/support/installation.h"
#include "tests/support/recording_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>

namespace {

constexpr int kDesPressSS = 6;
constexpr float kSentinel = 42.0f;

// One installed engine with its blocks and a host map, inside the child process.
struct Session {
    explicit Session(const Installation& installation)
        : engine(std::make_unique<COrvelEngine>()), blocks(installation.EnginePath("XEQ/ASME.DLL"))
    {
    }
    float* Values() const { return blocks.Values(0); }
    StatusEntry* Statuses() const { return blocks.Statuses(0); }
    // TransferData once so that the module knows the blocks; then reset the host's map.
    void HandOverBlocks()
    {
        ScalarMap none;
        engine->TransferData(&none, nullptr);
    }

    std::unique_ptr<COrvelEngine> engine;
    RecordingEngine blocks;
    ScalarMap map;
};

struct ToEngineCase {
    const char* Label;
    bool Held;
    std::optional<double> Value;
    short Source;
    bool SlotWritten;
    bool HostEmptyAfter;
};

void PrintTo(const ToEngineCase& c, std::ostream* out) { *out << c.Label; }

const ToEngineCase kToEngine[] = {
    {"NotHeld", false, 1.5, 2, false, true},
    {"HeldEmpty", true, std::nullopt, 2, false, true},
    {"SourceNoneIsClearedNotSent", true, 1.5, 0, false, true},
    {"ProtectedIsSent", true, 1.5, 1, true, false},
    {"EngineSourceIsSent", true, 1.5, 2, true, false},
    {"OtherSourceIsSent", true, 1.5, 3, true, false},
};

class HostToEngineTest : public ::testing::TestWithParam<ToEngineCase> {};

TEST_P(HostToEngineTest, OneEntry)
{
    const ToEngineCase& c = GetParam();
    RunInInstallation(StandardLayout(), [&](const Installation& installation) {
        Session s(installation);
        if (c.Held)
            Hold(s.map, "DesPressSS", {c.Value, c.Source});
        s.Values()[kDesPressSS] = kSentinel;

        EXPECT_TRUE(s.engine->TransferData(&s.map, nullptr));

        EXPECT_EQ(s.Values()[kDesPressSS], c.SlotWritten ? 1.5f : kSentinel);
        if (c.Held) {
            const HeldValue host = Read(s.map, "DesPressSS");
            EXPECT_EQ(host.Value, c.HostEmptyAfter ? std::nullopt : c.Value);
            EXPECT_EQ(host.Source, c.Source);
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Rows, HostToEngineTest, ::testing::ValuesIn(kToEngine),
                         [](const auto& testParam) { return std::string(testParam.param.Label); });

TEST(HostToEngine, EmptyLinkIsAskedNothingButIsEmpty)
{
    RunInInstallation(StandardLayout(), [](const Installation& installation) {
        Session s(installation);
        Hold(s.map, "DesPressSS", {std::nullopt, 2});
        LinkJournal::Enable();
        s.engine->TransferData(&s.map, nullptr);
        std::multiset<std::string> members;
        for (const LinkCall& call : LinkJournal::Calls())
            if (call.Name == "DesPressSS")
                members.insert(call.Member);
        EXPECT_EQ(members, (std::multiset<std::string>{"ScalarMap::operator[]", "ScalarMap::operator[]",
                                                       "ScalarLink::isEmpty", "ScalarLink::Destroy",
                                                       "ScalarLink::Destroy"}));
    });
}

struct ToHostCase {
    const char* Label;
    float Slot;
    short Source;
    bool ValueWritten;
};

void PrintTo(const ToHostCase& c, std::ostream* out) { *out << c.Label; }

const ToHostCase kToHost[] = {
    {"NoValueHoldsBackTheValue", NoValue, 2, false},
    {"ProtectedIsNotOverwritten", 7.25f, 1, false},
    {"SourceNoneIsOverwritten", 7.25f, 0, true},
    {"EngineSourceIsOverwritten", 7.25f, 2, true},
    {"OtherSourceIsOverwritten", 7.25f, 3, true},
    {"NaNIsWritten", std::numeric_limits<float>::quiet_NaN(), 2, true},
};

class EngineToHostTest : public ::testing::TestWithParam<ToHostCase> {};

TEST_P(EngineToHostTest, OneEntryValueSourceAndStatus)
{
    const ToHostCase& c = GetParam();
    RunInInstallation(StandardLayout(), [&](const Installation& installation) {
        Session s(installation);
        Hold(s.map, "DesPressSS", {3.0, c.Source});
        s.HandOverBlocks();
        s.Values()[kDesPressSS] = c.Slot;
        s.Statuses()[kDesPressSS].Code = 6;

        EXPECT_TRUE(s.engine->CheckData(&s.map, nullptr));

        const HeldValue host = Read(s.map, "DesPressSS");
        if (!c.ValueWritten)
            EXPECT_EQ(host.Value, 3.0);
        else if (std::isnan(c.Slot))
            EXPECT_TRUE(host.Value && std::isnan(*host.Value));
        else
            EXPECT_EQ(host.Value, static_cast<double>(c.Slot));
        EXPECT_EQ(host.Source, c.Source);
        EXPECT_EQ(host.Status, 6) << "the status goes to the host whatever the value";
    });
}

INSTANTIATE_TEST_SUITE_P(Rows, EngineToHostTest, ::testing::ValuesIn(kToHost),
                         [](const auto& testParam) { return std::string(testParam.param.Label); });

TEST(EngineToHost, WideningIsExact)
{
    RunInInstallation(StandardLayout(), [](const Installation& installation) {
        Session s(installation);
        Hold(s.map, "DesPressSS", {3.0, 2});
        s.HandOverBlocks();
        s.Values()[kDesPressSS] = 0.1f;
        s.engine->CheckData(&s.map, nullptr);
        const std::optional<double> received = Read(s.map, "DesPressSS").Value;
        ASSERT_TRUE(received);
        EXPECT_EQ(*received, static_cast<double>(0.1f));
        EXPECT_GT(*received, 0.1);
    });
}

TEST(EngineToHost, StatusRuleReadsThe32BitCodeAndNotTheLastFourBytes)
{
    const struct {
        std::int32_t Engine;
        short Host;
    } kCodes[] = {{0, 0}, {6, 6}, {9, 9}, {4, 4}, {1, 4}, {7, 4}, {-1, 4},
                  // The code is the whole 32-bit integer, not its low 16 bits (6 and 0 here).
                  {65542, 4}, {INT32_MIN, 4}};
    RunInInstallation(StandardLayout(), [&](const Installation& installation) {
        Session s(installation);
        Hold(s.map, "DesPressSS", {3.0, 2});
        s.HandOverBlocks();
        for (const auto& code : kCodes) {
            for (std::uint8_t filler : {std::uint8_t{0x00}, std::uint8_t{0x06}, std::uint8_t{0xFF}}) {
                s.Statuses()[kDesPressSS].Code = code.Engine;
                for (std::uint8_t& byte : s.Statuses()[kDesPressSS].Unused)
                    byte = filler;
                s.engine->CheckData(&s.map, nullptr);
                EXPECT_EQ(Read(s.map, "DesPressSS").Status, code.Host)
                    << "engine code " << code.Engine << ", filler " << int{filler};
            }
        }
    });
}

TEST(SharedSlots, LaterNamePrevailsTowardTheEngineAndBothReceiveTheSlot)
{
    const struct {
        const char* Earlier;
        const char* Later;
        int Slot;
    } kPairs[] = {{"TubePattern", "TubePattern2", 1150},
                  {"TubePasses", "TubePassNum", 1151},
                  {"TubePitch", "TubePitch2", 1153},
                  {"SupType", "SupTypeVer", 1300},
                  {"EJSpRateNew", "VapBeltSpRateNew", 1397}};
    RunInInstallation(StandardLayout(), [&](const Installation& installation) {
        Session s(installation);
        for (const auto& pair : kPairs) {
            Hold(s.map, pair.Earlier, {10.0, 2});
            Hold(s.map, pair.Later, {20.0, 2});
        }
        s.engine->TransferData(&s.map, nullptr);
        for (const auto& pair : kPairs)
            EXPECT_EQ(s.Values()[pair.Slot], 20.0f) << pair.Later;

        // A later name with source 0 is cleared and leaves the earlier name's value.
        Hold(s.map, "TubePassNum", {30.0, 0});
        s.engine->TransferData(&s.map, nullptr);
        EXPECT_EQ(s.Values()[1151], 10.0f);
        EXPECT_FALSE(Read(s.map, "TubePassNum").Value);

        for (const auto& pair : kPairs) {
            s.Values()[pair.Slot] = 5.5f;
            s.Statuses()[pair.Slot].Code = 9;
        }
        s.engine->CheckData(&s.map, nullptr);
        for (const auto& pair : kPairs)
            for (const char* name : {pair.Earlier, pair.Later}) {
                const HeldValue host = Read(s.map, name);
                EXPECT_EQ(host.Value, 5.5) << name;
                EXPECT_EQ(host.Status, 9) << name;
            }
    });
}

// Every name held, every slot filled: each variable reaches its own slot and comes back,
// slots the table does not name (slot 0 and those above 4989 among them) are never
// written, and the two names without a slot address no memory.
TEST(WholeTable, EveryVariableMovesBothWays)
{
    RunInInstallation(StandardLayout(), [](const Installation& installation) {
        Session s(installation);
        std::set<int> named;
        for (const ScalarVariableEntry& entry : ScalarVariableTable) {
            Hold(s.map, entry.Name, {1000.0 + entry.Slot, 2});
            if (entry.Slot != NoSlot)
                named.insert(entry.Slot);
        }
        s.HandOverBlocks();
        for (int slot = 0; slot < SlotCount; ++slot)
            s.Values()[slot] = kSentinel;

        LinkJournal::Enable();
        s.engine->TransferData(&s.map, nullptr);
        EXPECT_EQ(LinkJournal::Count("ScalarMap::operator[]"), 2 * ScalarVariableCount);
        EXPECT_EQ(LinkJournal::Count("ScalarMap::operator[]", "DiamStd"), 2u);
        EXPECT_EQ(LinkJournal::Count("ScalarLink::Destroy"), 2 * ScalarVariableCount);
        for (int slot = 0; slot < SlotCount; ++slot) {
            const float expected = named.count(slot) == 0 ? kSentinel : static_cast<float>(1000.0 + slot);
            EXPECT_EQ(s.Values()[slot], expected) << "slot " << slot;
        }

        for (int slot = 0; slot < SlotCount; ++slot) {
            s.Values()[slot] = static_cast<float>(slot) + 0.5f;
            s.Statuses()[slot].Code = slot % 2 == 0 ? 6 : 9;
        }
        Hold(s.map, "DiamStd", {77.0, 2});
        LinkJournal::Clear();
        EXPECT_TRUE(s.engine->CheckData(&s.map, nullptr));
        EXPECT_EQ(LinkJournal::Count("ScalarMap::operator[]"), 2 * ScalarVariableCount);
        for (const ScalarVariableEntry& entry : ScalarVariableTable) {
            const HeldValue host = Read(s.map, entry.Name);
            if (entry.Slot == NoSlot) {
                EXPECT_EQ(host.Status, 0) << entry.Name;
                continue;
            }
            EXPECT_EQ(host.Value, static_cast<double>(entry.Slot) + 0.5) << entry.Name;
            EXPECT_EQ(host.Status, entry.Slot % 2 == 0 ? 6 : 9) << entry.Name;
        }
        EXPECT_EQ(Read(s.map, "DiamStd").Value, 77.0);
    });
}

TEST(WholeTable, MapHoldingNoneOfTheNamesChangesNothing)
{
    RunInInstallation(StandardLayout(), [](const Installation& installation) {
        Session s(installation);
        Hold(s.map, "NotAVariable", {1.0, 0});
        s.HandOverBlocks();
        for (int slot = 0; slot < SlotCount; ++slot)
            s.Values()[slot] = kSentinel;
        s.engine->TransferData(&s.map, nullptr);
        s.engine->CheckData(&s.map, nullptr);
        for (int slot = 0; slot < SlotCount; ++slot)
            ASSERT_EQ(s.Values()[slot], kSentinel) << "slot " << slot;
        EXPECT_EQ(Read(s.map, "NotAVariable").Value, 1.0);
    });
}

}  // namespace
