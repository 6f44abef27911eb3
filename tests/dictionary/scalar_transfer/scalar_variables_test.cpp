// The walk of the scalar variable table, called directly on blocks of the test's own.
#include "dictionary/engine_blocks.h"
#include "dictionary/scalar_variables.h"
#include "link/LinkJournal.h"
#include "link/UnmanagedEngineWrapper.h"
#include "tests/support/engine_blocks_of_the_test.h"
#include "tests/support/host_values.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kDesTempSS = 4;
constexpr int kDesPressSS = 6;

class ScalarVariablesWalk : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (float& value : values)
            value = NoValue;
        LinkJournal::Clear();
    }
    void TearDown() override { LinkJournal::Disable(); }

    std::vector<std::pair<std::string, std::string>> JournalOf(const std::string& first, const std::string& second)
    {
        std::vector<std::pair<std::string, std::string>> calls;
        for (const LinkCall& call : LinkJournal::Calls())
            if (call.Name == first || call.Name == second)
                calls.emplace_back(call.Member, call.Name);
        return calls;
    }

    float values[SlotCount] = {};
    StatusEntry statuses[SlotCount] = {};
    const EngineBlocksOfTheTest blocks{values, statuses};
    ScalarMap map;
};

// Every entry's value moves before its status, and the entries go in the table's order
// (DesPressSS before DesTempSS).
TEST_F(ScalarVariablesWalk, ValueThenStatusPerEntryInTableOrder)
{
    Hold(map, "DesTempSS", {400.0, SourceEngine});
    Hold(map, "DesPressSS", {2.0e6, SourceEngine});
    values[kDesTempSS] = 410.0f;
    values[kDesPressSS] = 2.5e6f;
    LinkJournal::Enable();
    TransferScalarVariables(&map, EngineToHost, 0);

    using Call = std::pair<std::string, std::string>;
    const std::vector<Call> expected = {
        {"ScalarMap::operator[]", "DesPressSS"}, {"ScalarLink::get_source", "DesPressSS"},
        {"ScalarLink::set_szValuePureSI(double)", "DesPressSS"}, {"ScalarLink::Destroy", "DesPressSS"},
        {"ScalarMap::operator[]", "DesPressSS"}, {"ScalarLink::set_status", "DesPressSS"},
        {"ScalarLink::Destroy", "DesPressSS"},
        {"ScalarMap::operator[]", "DesTempSS"}, {"ScalarLink::get_source", "DesTempSS"},
        {"ScalarLink::set_szValuePureSI(double)", "DesTempSS"}, {"ScalarLink::Destroy", "DesTempSS"},
        {"ScalarMap::operator[]", "DesTempSS"}, {"ScalarLink::set_status", "DesTempSS"},
        {"ScalarLink::Destroy", "DesTempSS"},
    };
    EXPECT_EQ(JournalOf("DesPressSS", "DesTempSS"), expected);
}

TEST_F(ScalarVariablesWalk, PassesItsForceFlagToEveryEntry)
{
    Hold(map, "DesTempSS", {400.0, SourceProtected});
    Hold(map, "DesPressSS", {2.0e6, SourceProtected});
    values[kDesTempSS] = 410.0f;
    values[kDesPressSS] = 2.5e6f;

    TransferScalarVariables(&map, EngineToHost, 2);
    EXPECT_EQ(Read(map, "DesTempSS").Value, 400.0) << "only exactly 1 forces";

    TransferScalarVariables(&map, EngineToHost, 1);
    for (const char* name : {"DesTempSS", "DesPressSS"}) {
        EXPECT_EQ(Read(map, name).Source, SourceEngine) << name;
    }
    EXPECT_EQ(Read(map, "DesTempSS").Value, 410.0);
    EXPECT_EQ(Read(map, "DesPressSS").Value, 2.5e6);
}

// Before the engine has handed over any block, neither direction addresses engine memory:
// the host's value and source stay as they were.
TEST(ScalarVariablesBeforeAnyBlock, NeitherDirectionChangesTheHost)
{
    ASSERT_FALSE(BlockAddressesHandedOver());
    ScalarMap map;
    Hold(map, "DesPressSS", {2.0e6, SourceEngine});
    TransferScalarVariables(&map, HostToEngine, 0);
    TransferScalarVariables(&map, EngineToHost, 1);
    const HeldValue host = Read(map, "DesPressSS");
    EXPECT_EQ(host.Value, 2.0e6);
    EXPECT_EQ(host.Source, SourceEngine);
}

}  // namespace
