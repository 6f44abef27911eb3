// The one-element member's index rule and the status range member.
#include "dictionary/array_transfer.h"
#include "link/LinkJournal.h"
#include "tests/dictionary/typed_transfer/journal_view.h"
#include "tests/support/host_values.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {
constexpr const char* Name = "A";
constexpr double Engine = 99.0;

// The host holds elements 0 to 2 with the values 10 to 12, so its non-empty size is 3.
void HoldThreeElements(ArrayMap& map)
{
    for (int i = 0; i < 3; ++i)
        Hold(map, Name, i, {10.0 + i, SourceEngine});
}

TEST(ArrayElementTransfer, TowardTheEngineAnIndexAboveTheNonEmptySizeMovesNothing)
{
    struct Case {
        int Index;
        bool Asked;  // whether the element's source is asked
        double EngineAfter;
    };
    const Case cases[] = {
        {0, true, 10},
        {2, true, 12},
        {3, true, Engine},  // equal to the size: asked, but the host holds nothing there
        {4, false, Engine},
        {-1, true, Engine},  // goes to the link as it is
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "index " << c.Index);
        ArrayMap map;
        HoldThreeElements(map);
        double engine = Engine;
        StartJournal();
        TransferArrayElementDouble(&map, c.Index, Name, &engine, HostToEngine, 0);
        EXPECT_EQ(JournalIndices("ArrayLink::get_source"), c.Asked ? std::vector<int>{c.Index} : std::vector<int>{});
        EXPECT_EQ(LinkJournal::Count("ArrayLink::Destroy"), 1u);
        EXPECT_EQ(engine, c.EngineAfter);
    }
}

TEST(ArrayElementTransfer, TowardTheHostAnyIndexGoesToTheLinkWithoutTheSize)
{
    for (const int index : {-1, 0, 3, 40}) {
        SCOPED_TRACE(testing::Message() << "index " << index);
        ArrayMap map;
        HoldThreeElements(map);
        double engine = Engine;
        StartJournal();
        TransferArrayElementDouble(&map, index, Name, &engine, EngineToHost, 0);
        EXPECT_EQ(JournalIndices("ArrayLink::set_szValuesPureSI(double)"), std::vector<int>{index});
        EXPECT_EQ(LinkJournal::Count("ArrayLink::nonEmptySize"), 0u);
        LinkJournal::Disable();
        if (index >= 0) {
            EXPECT_EQ(Read(map, Name, index).Value, Engine);
        }
    }
}

// Status entries whose unused bytes are all set, so that only the code can count.
std::vector<StatusEntry> StatusEntries(const std::vector<std::int32_t>& codes)
{
    std::vector<StatusEntry> entries(codes.size());
    for (std::size_t i = 0; i < codes.size(); ++i) {
        entries[i].Code = codes[i];
        std::memset(entries[i].Unused, 0xFF, sizeof entries[i].Unused);
    }
    return entries;
}

std::vector<short> Statuses(ArrayMap& map, int count)
{
    std::vector<short> statuses;
    for (int i = 0; i < count; ++i)
        statuses.push_back(Read(map, Name, i).Status);
    return statuses;
}

TEST(ArrayStatusTransfer, TowardTheHostTheStatusRuleRunsOverTheRange)
{
    struct Case {
        std::int32_t First;
        std::int32_t Last;
        std::int32_t Stride;
        std::vector<std::int32_t> Codes;
        std::vector<short> Statuses;  // of elements 0 to 6 afterwards
    };
    const Case cases[] = {
        {0, 6, 1, {0, 6, 9, 4, 1, 7, -1}, {0, 6, 9, 4, 4, 4, 4}},
        {6, 0, 1, {0, 6, 9, 4, 1, 7, -1}, {0, 6, 9, 4, 4, 4, 4}},
        {5, 5, 1, {9}, {0, 0, 0, 0, 0, 9, 0}},
        {3, 1, 2, {6, 1, 9, 1, 7}, {0, 6, 9, 4, 0, 0, 0}},
        // Whole 32-bit codes whose low 16 bits would be 6, 0 and 9.
        {0, 2, 1, {65542, INT32_MIN, 0x70009}, {4, 4, 4, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.First << ".." << c.Last << " stride " << c.Stride);
        ArrayMap map;
        map.Add(Name);
        std::vector<StatusEntry> entries = StatusEntries(c.Codes);
        StartJournal();
        TransferArrayStatus(&map, c.First, c.Last, c.Stride, Name, entries.data(), EngineToHost);
        EXPECT_EQ(LinkJournal::Count("ArrayLink::nonEmptySize"), 0u);
        LinkJournal::Disable();
        EXPECT_EQ(Statuses(map, 7), c.Statuses);
    }
}

TEST(ArrayStatusTransfer, TowardTheEngineNothingMoves)
{
    for (const TransferDirection direction : {TransferDirection{1}, TransferDirection{255}}) {
        ArrayMap map;
        HoldThreeElements(map);
        std::vector<StatusEntry> entries = StatusEntries({7, 6, 9});
        StartJournal();
        TransferArrayStatus(&map, 0, 2, 1, Name, entries.data(), direction);
        EXPECT_EQ(JournalMembers(), (std::vector<std::string>{"ArrayMap::operator[]", "ArrayLink::Destroy"}));
        LinkJournal::Disable();
        EXPECT_EQ(Statuses(map, 3), (std::vector<short>{0, 0, 0}));
        EXPECT_EQ(entries[0].Code, 7);
    }
}
}  // namespace
