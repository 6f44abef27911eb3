// The scalar results walk: one scalar transfer per name with fixed arguments, so that
// every held name ends with 0 and the source SourceEngine, whatever the caller passes.
#include "dictionary/tables/scalar_results.h"
#include "dictionary/tables/results_walk.h"
#include "dictionary/tables/scalar_results_table.h"

#include "call_recorder.h"
#include "tests/support/host_values.h"
#include "table_rules.h"

#include "dictionary/engine_blocks.h"
#include "link/LinkJournal.h"
#include "tests/support/engine_blocks_of_the_test.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

bool ResultBlockIsZero()
{
    return std::all_of(std::begin(ResultBlock), std::end(ResultBlock), [](float v) { return v == 0.0f; });
}

TEST(ScalarResultsWalk, CallsTheOperationOncePerNameWithTheFirstResultElementEngineToHostAndForce)
{
    static_assert(ScalarResultCount == 598);
    ScalarMap map;
    ExpectResultsWalkCalls(ScalarResultsTable, &map);
}

TEST(ScalarResultsTransfer, AMapHoldingNoneOfTheNamesIsOnlyAskedForEachNameInTableOrder)
{
    ScalarMap map;
    Hold(map, "Unrelated", HeldValue{4.0, SourceEngine, 6});
    LinkJournal::Clear();
    LinkJournal::Enable();
    TransferScalarResults(&map, EngineToHost, 1);
    LinkJournal::Disable();

    const std::vector<LinkCall>& calls = LinkJournal::Calls();
    ASSERT_EQ(calls.size(), 598u);
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].Member, "ScalarMap::operator[]");
        EXPECT_EQ(calls[i].Name, ScalarResultsTable[i]);
    }
    EXPECT_EQ(Read(map, "Unrelated"), (HeldValue{4.0, SourceEngine, 6}));
}

class ScalarResultsArguments : public testing::TestWithParam<WalkArguments> {};

// Before any block address exists, whatever the caller passes.
TEST_P(ScalarResultsArguments, EveryHeldNameGetsZeroFromTheEngineWithItsStatusKept)
{
    ASSERT_FALSE(BlockAddressesHandedOver());
    const HeldValue before[] = {
        {7.5, SourceProtected, 6},         // protection is overridden
        {std::nullopt, SourceNone, 9},     // an empty value is written too
        {-3.0, SourceNone, 4},
        {12.0, 3, 0},
    };
    const std::vector<std::string_view> names = NamesOf(ScalarResultsTable);
    ScalarMap map;
    for (std::size_t i = 0; i < names.size(); ++i)
        Hold(map, names[i], before[i % std::size(before)]);

    LinkJournal::Clear();
    LinkJournal::Enable();
    TransferScalarResults(&map, GetParam().Direction, GetParam().Force);
    LinkJournal::Disable();

    for (std::size_t i = 0; i < names.size(); ++i) {
        const short statusBefore = before[i % std::size(before)].Status;
        EXPECT_EQ(Read(map, names[i]), (HeldValue{0.0, SourceEngine, statusBefore})) << names[i];
    }
    EXPECT_EQ(LinkJournal::Count("ScalarMap::operator[]"), 598u);
    EXPECT_EQ(LinkJournal::Count("ScalarLink::set_source"), 598u);
    EXPECT_EQ(LinkJournal::Count("ScalarLink::set_szValuePureSI(double)"), 598u);
    EXPECT_EQ(LinkJournal::Count("ScalarLink::Destroy"), 598u);
    EXPECT_EQ(LinkJournal::Count("ScalarLink::set_status"), 0u);
    EXPECT_EQ(LinkJournal::Count("ScalarLink::isEmpty"), 0u);
    EXPECT_EQ(LinkJournal::Calls().size(), 4u * 598u);
    EXPECT_TRUE(ResultBlockIsZero());
}

INSTANTIATE_TEST_SUITE_P(Arguments, ScalarResultsArguments,
                         testing::Values(WalkArguments{EngineToHost, 1}, WalkArguments{HostToEngine, 0},
                                         WalkArguments{255, 2}, WalkArguments{EngineToHost, 0}),
                         WalkArgumentsName);

TEST(ScalarResultsTransfer, ANameOfTheScalarVariableTableGetsZeroNotItsSlotsValue)
{
    std::vector<float> values(SlotCount, 123.0f);
    std::vector<StatusEntry> statuses(SlotCount, StatusEntry{7, {}});
    const EngineBlocksOfTheTest blocks(values.data(), statuses.data());
    ScalarMap map;
    Hold(map, "DesPressSS", HeldValue{5.0, SourceEngine, 0});

    TransferScalarResults(&map, HostToEngine, 0);

    EXPECT_EQ(Read(map, "DesPressSS"), (HeldValue{0.0, SourceEngine, 0}));
    EXPECT_TRUE(std::all_of(values.begin(), values.end(), [](float v) { return v == 123.0f; }));
    EXPECT_TRUE(std::all_of(statuses.begin(), statuses.end(), [](const StatusEntry& s) { return s.Code == 7; }));
    EXPECT_TRUE(ResultBlockIsZero());
}

TEST(ScalarResultsTransfer, NamesAreLookedUpExactlyAsWritten)
{
    ScalarMap map;
    const HeldValue protectedOne{1.0, SourceProtected, 0};
    Hold(map, std::vector<std::string_view>{"WindSeismicLoad-NBC", "TubSh_hg_prime"}, protectedOne);
    Hold(map, std::vector<std::string_view>{"WindSeismicLoadNBC", "TubSh_HG_Prime"}, protectedOne);

    TransferScalarResults(&map, EngineToHost, 1);

    EXPECT_EQ(Read(map, "WindSeismicLoad-NBC"), (HeldValue{0.0, SourceEngine, 0}));
    EXPECT_EQ(Read(map, "TubSh_hg_prime"), (HeldValue{0.0, SourceEngine, 0}));
    EXPECT_EQ(Read(map, "WindSeismicLoadNBC"), protectedOne);
    EXPECT_EQ(Read(map, "TubSh_HG_Prime"), protectedOne);
}

}  // namespace
