// The array results walk: one call of the operation that does nothing per name, with
// fixed arguments, and so no effect on any map or block.
#include "dictionary/tables/array_results.h"
#include "dictionary/tables/array_results_table.h"
#include "dictionary/tables/results_walk.h"

#include "call_recorder.h"
#include "tests/support/host_values.h"
#include "table_rules.h"

#include "dictionary/engine_blocks.h"
#include "link/LinkJournal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

TEST(ArrayResultsWalk, CallsTheOperationOncePerNameWithTheFirstResultElementEngineToHostAndForce)
{
    static_assert(ArrayResultCount == 1262);
    ScalarMap map;
    ExpectResultsWalkCalls(ArrayResultsTable, &map);
    EXPECT_STREQ(ArrayResultsTable[0], "ArFlgActTks");
    EXPECT_STREQ(ArrayResultsTable[ArrayResultCount - 1], "ArAddCEFinalItemDesc");
}

TEST(ArrayResultsTransfer, LeavesTheMapAndEveryBlockAsTheyWere)
{
    ASSERT_FALSE(BlockAddressesHandedOver());
    ScalarMap map;
    Hold(map, NamesOf(ArrayResultsTable), HeldValue{8.0, SourceProtected, 6});
    LinkJournal::Clear();
    LinkJournal::Enable();
    TransferArrayResults(&map, HostToEngine, 0);
    TransferArrayResults(&map, EngineToHost, 1);
    TransferArrayResults(nullptr, 255, 2);
    LinkJournal::Disable();

    EXPECT_TRUE(LinkJournal::Calls().empty());
    EXPECT_EQ(Read(map, "ArFlgActTks"), (HeldValue{8.0, SourceProtected, 6}));
    EXPECT_EQ(Read(map, "InsulationWeight"), (HeldValue{8.0, SourceProtected, 6}));
    EXPECT_TRUE(std::all_of(std::begin(ResultBlock), std::end(ResultBlock), [](float v) { return v == 0.0f; }));
}

}  // namespace
