// The array variable walk: its call sequence with the caller's direction and flag, and
// that with the operations that do nothing it leaves every map and block as it was.
#include "dictionary/tables/array_variables.h"

#include "call_recorder.h"
#include "tests/support/host_values.h"
#include "table_rules.h"

#include "dictionary/engine_blocks.h"
#include "link/LinkJournal.h"
#include "tests/support/engine_blocks_of_the_test.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace {

class ArrayVariablesWalk : public testing::TestWithParam<WalkArguments> {};

TEST_P(ArrayVariablesWalk, CallsValueThenStatusForEveryEntryWithTheCallersArguments)
{
    CallRecorder recorder;
    ScalarMap map;
    WalkArrayVariables(&map, GetParam().Direction, GetParam().Force, recorder.ValueOperation(),
                       recorder.StatusOperation());

    ASSERT_EQ(recorder.Calls.size(), 372u);
    for (std::size_t i = 0; i < ArrayVariableCount; ++i) {
        const ArrayVariableEntry& entry = ArrayVariableTable[i];
        const RecordedCall& value = recorder.Calls[2 * i];
        const RecordedCall& status = recorder.Calls[2 * i + 1];
        SCOPED_TRACE(entry.Name);
        EXPECT_EQ(value.Operation, RecordedCall::Kind::Value);
        EXPECT_EQ(status.Operation, RecordedCall::Kind::Status);
        for (const RecordedCall* call : {&value, &status}) {
            EXPECT_EQ(call->Map, &map);
            EXPECT_EQ(call->Name, entry.Name);
            EXPECT_EQ(call->Direction, GetParam().Direction);
            EXPECT_EQ(call->Force, GetParam().Force);
        }
        if (entry.FirstSlot == NoSlot) {
            EXPECT_EQ(value.Element, nullptr);
            EXPECT_EQ(status.Element, nullptr);
        } else {
            EXPECT_EQ(value.Element, &LocalValueBlock[entry.FirstSlot]);
            EXPECT_EQ(status.Element, &LocalStatusBlock[entry.FirstSlot]);
        }
    }
    EXPECT_EQ(recorder.Calls.front().Name, "AngLineNorPntcontactA-O");
    EXPECT_EQ(recorder.Calls.back().Name, "VocabBuffer");
}

INSTANTIATE_TEST_SUITE_P(Arguments, ArrayVariablesWalk,
                         testing::Values(WalkArguments{0, 0}, WalkArguments{1, 1}, WalkArguments{0, 1},
                                         WalkArguments{255, 2}),
                         WalkArgumentsName);

TEST(ArrayVariablesWalkElements, NamesSharingAFirstSlotHandOnTheSameElements)
{
    CallRecorder recorder;
    WalkArrayVariables(nullptr, EngineToHost, 0, recorder.ValueOperation(), recorder.StatusOperation());
    const auto elementsOf = [&](std::string_view name) {
        const auto value = std::find_if(recorder.Calls.begin(), recorder.Calls.end(),
                                        [&](const RecordedCall& call) { return call.Name == name; });
        EXPECT_NE(value, recorder.Calls.end()) << name;
        return value == recorder.Calls.end() ? std::array<const void*, 2>{}
                                             : std::array<const void*, 2>{value->Element, (value + 1)->Element};
    };
    EXPECT_EQ(elementsOf("ArFlgCodeType"), elementsOf("ArFlgCodeTypeAD"));
    EXPECT_EQ(elementsOf("ArFlgGasFacADk0KD"), elementsOf("ArFlgGasFacm"));
    EXPECT_EQ(elementsOf("ArFlgGasFacADk1"), elementsOf("ArFlgGasFacy"));
    EXPECT_EQ(elementsOf("ArFlgCodeType")[0], &LocalValueBlock[3114]);
}

bool AllZero(const void* block, std::size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(block);
    return std::all_of(bytes, bytes + size, [](unsigned char b) { return b == 0; });
}

TEST(ArrayVariablesTransfer, BeforeAnyBlockIsHandedOverLeavesTheMapAndTheLocalBlocksAlone)
{
    ASSERT_FALSE(BlockAddressesHandedOver());
    ScalarMap map;
    Hold(map, NamesOf(ArrayVariableTable), HeldValue{2.5, SourceProtected, 9});
    LinkJournal::Clear();
    LinkJournal::Enable();
    for (const WalkArguments arguments :
         {WalkArguments{0, 0}, WalkArguments{1, 1}, WalkArguments{0, 1}, WalkArguments{1, 0}}) {
        TransferArrayVariables(&map, arguments.Direction, arguments.Force);
        TransferArrayVariables(nullptr, arguments.Direction, arguments.Force);
    }
    LinkJournal::Disable();

    EXPECT_TRUE(LinkJournal::Calls().empty());
    for (std::string_view name : NamesOf(ArrayVariableTable))
        EXPECT_EQ(Read(map, name), (HeldValue{2.5, SourceProtected, 9})) << name;
    EXPECT_TRUE(AllZero(LocalValueBlock, sizeof LocalValueBlock));
    EXPECT_TRUE(AllZero(LocalStatusBlock, sizeof LocalStatusBlock));
}

TEST(ArrayVariablesTransfer, LeavesTheEngineBlocksAlone)
{
    std::vector<float> values(SlotCount, 3.0f);
    std::vector<StatusEntry> statuses(SlotCount, StatusEntry{7, {1, 2, 3, 4}});
    const EngineBlocksOfTheTest blocks(values.data(), statuses.data());
    ScalarMap map;
    Hold(map, NamesOf(ArrayVariableTable), HeldValue{});

    TransferArrayVariables(&map, HostToEngine, 0);
    TransferArrayVariables(&map, EngineToHost, 1);

    EXPECT_TRUE(std::all_of(values.begin(), values.end(), [](float v) { return v == 3.0f; }));
    EXPECT_TRUE(std::all_of(statuses.begin(), statuses.end(), [](const StatusEntry& s) {
        return s.Code == 7 && s.Unused[0] == 1 && s.Unused[3] == 4;
    }));
    EXPECT_EQ(Read(map, "PartNumber"), HeldValue{});
    EXPECT_TRUE(AllZero(LocalValueBlock, sizeof LocalValueBlock));
    EXPECT_TRUE(AllZero(LocalStatusBlock, sizeof LocalStatusBlock));
}

}  // namespace
