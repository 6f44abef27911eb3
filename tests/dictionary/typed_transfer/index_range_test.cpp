// Index ranges of the range members: order, buffer positions, and the non-empty size bound.
#include "dictionary/array_transfer.h"
#include "link/LinkJournal.h"
#include "tests/dictionary/typed_transfer/journal_view.h"
#include "tests/support/host_values.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace {
constexpr const char* Name = "A";
constexpr double Untouched = 99.0;

// A range member over a buffer held as doubles; integer members convert on the way.
struct RangeMember {
    const char* Label;
    bool HasStride;
    void (*Move)(ArrayMap& map, std::int32_t first, std::int32_t last, std::int32_t stride,
                 std::vector<double>& buffer, TransferDirection direction);
};

template <typename Move>
void ThroughIntegers(std::vector<double>& buffer, Move move)
{
    std::vector<std::uint64_t> integers;
    for (const double value : buffer)
        integers.push_back(static_cast<std::uint64_t>(value));
    move(integers.data());
    for (std::size_t i = 0; i < buffer.size(); ++i)
        buffer[i] = static_cast<double>(integers[i]);
}

const RangeMember RangeMembers[] = {
    {"TransferArrayDouble", true,
     [](ArrayMap& m, std::int32_t f, std::int32_t l, std::int32_t s, std::vector<double>& b, TransferDirection d) {
         TransferArrayDouble(&m, f, l, s, Name, b.data(), d, 0);
     }},
    {"TransferArrayDoublePlain", true,
     [](ArrayMap& m, std::int32_t f, std::int32_t l, std::int32_t s, std::vector<double>& b, TransferDirection d) {
         TransferArrayDoublePlain(&m, f, l, s, Name, b.data(), d);
     }},
    {"TransferArrayDoubleContiguous", false,
     [](ArrayMap& m, std::int32_t f, std::int32_t l, std::int32_t, std::vector<double>& b, TransferDirection d) {
         TransferArrayDoubleContiguous(&m, f, l, Name, b.data(), d, 0);
     }},
    {"TransferArrayDoublePlainContiguous", false,
     [](ArrayMap& m, std::int32_t f, std::int32_t l, std::int32_t, std::vector<double>& b, TransferDirection d) {
         TransferArrayDoublePlainContiguous(&m, f, l, Name, b.data(), d);
     }},
    {"TransferArrayInteger", true,
     [](ArrayMap& m, std::int32_t f, std::int32_t l, std::int32_t s, std::vector<double>& b, TransferDirection d) {
         ThroughIntegers(b, [&](std::uint64_t* integers) { TransferArrayInteger(&m, f, l, s, Name, integers, d, 0); });
     }},
    {"TransferArrayIntegerPlain", true,
     [](ArrayMap& m, std::int32_t f, std::int32_t l, std::int32_t s, std::vector<double>& b, TransferDirection d) {
         ThroughIntegers(b, [&](std::uint64_t* integers) { TransferArrayIntegerPlain(&m, f, l, s, Name, integers, d); });
     }},
};

struct RangeCase {
    std::int32_t First;
    std::int32_t Last;
    std::int32_t Stride;
};

// The host holds elements 0 to count - 1 with the values base + index, source SourceEngine.
void HoldElements(ArrayMap& map, int count, double base)
{
    for (int i = 0; i < count; ++i)
        Hold(map, Name, i, {base + i, SourceEngine});
}

TEST(IndexRanges, TowardTheEngineTheLowerIndexFillsBufferPositionZero)
{
    struct Case {
        RangeCase Range;
        std::vector<double> Buffer;
    };
    const Case cases[] = {
        {{1, 3, 1}, {11, 12, 13, Untouched, Untouched, Untouched}},
        {{3, 1, 1}, {11, 12, 13, Untouched, Untouched, Untouched}},
        {{2, 2, 1}, {12, Untouched, Untouched, Untouched, Untouched, Untouched}},
        {{1, 3, 2}, {11, Untouched, 12, Untouched, 13, Untouched}},
        {{3, 1, 2}, {11, Untouched, 12, Untouched, 13, Untouched}},
        {{4, 4, 3}, {14, Untouched, Untouched, Untouched, Untouched, Untouched}},
    };
    for (const RangeMember& member : RangeMembers) {
        for (const Case& c : cases) {
            if (c.Range.Stride != 1 && !member.HasStride)
                continue;
            SCOPED_TRACE(testing::Message() << member.Label << " " << c.Range.First << ".." << c.Range.Last
                                            << " stride " << c.Range.Stride);
            ArrayMap map;
            HoldElements(map, 6, 10);
            std::vector<double> buffer(6, Untouched);
            member.Move(map, c.Range.First, c.Range.Last, c.Range.Stride, buffer, HostToEngine);
            EXPECT_EQ(buffer, c.Buffer);
        }
    }
}

TEST(IndexRanges, TowardTheHostBufferPositionZeroGoesToTheLowerIndex)
{
    struct Case {
        RangeCase Range;
        std::map<int, double> Host;  // every element not listed stays empty
    };
    const Case cases[] = {
        {{1, 3, 1}, {{1, 21}, {2, 22}, {3, 23}}},
        {{3, 1, 1}, {{1, 21}, {2, 22}, {3, 23}}},
        {{2, 2, 1}, {{2, 21}}},
        {{1, 3, 2}, {{1, 21}, {2, 23}, {3, 25}}},
        {{3, 1, 2}, {{1, 21}, {2, 23}, {3, 25}}},
    };
    for (const RangeMember& member : RangeMembers) {
        for (const Case& c : cases) {
            if (c.Range.Stride != 1 && !member.HasStride)
                continue;
            SCOPED_TRACE(testing::Message() << member.Label << " " << c.Range.First << ".." << c.Range.Last
                                            << " stride " << c.Range.Stride);
            ArrayMap map;
            map.Add(Name);
            std::vector<double> buffer = {21, 22, 23, 24, 25, 26};
            member.Move(map, c.Range.First, c.Range.Last, c.Range.Stride, buffer, EngineToHost);
            for (int index = 0; index < 6; ++index) {
                const auto expected = c.Host.find(index);
                const HeldValue element = Read(map, Name, index);
                if (expected == c.Host.end())
                    EXPECT_FALSE(element.Value) << "element " << index;
                else
                    EXPECT_EQ(element.Value, expected->second) << "element " << index;
            }
        }
    }
}

TEST(IndexRanges, TowardTheEngineTheNonEmptySizeIsTheHighestIndexRead)
{
    // The host holds elements 0 to 2, so its non-empty size is 3; element 1 has SourceNone.
    constexpr double U = Untouched;
    struct Case {
        RangeCase Range;
        std::vector<int> Asked;      // the indices whose source is asked
        std::vector<double> Buffer;  // its first four positions afterwards
        bool Cleared;                // element 1
    };
    const Case cases[] = {
        {{0, 9, 1}, {0, 1, 2, 3}, {10, U, 12, U}, true},
        {{9, 0, 1}, {0, 1, 2, 3}, {10, U, 12, U}, true},
        {{2, 7, 1}, {2, 3}, {12, U, U, U}, false},
        {{3, 5, 1}, {3}, {U, U, U, U}, false},
        {{4, 6, 1}, {}, {U, U, U, U}, false},
        {{-1, 2, 1}, {}, {U, U, U, U}, false},
        {{2, -1, 1}, {}, {U, U, U, U}, false},
    };
    for (const RangeMember& member : RangeMembers) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << member.Label << " " << c.Range.First << ".." << c.Range.Last);
            ArrayMap map;
            HoldElements(map, 3, 10);
            Hold(map, Name, 1, {11.0, SourceNone});
            std::vector<double> buffer(12, Untouched);
            StartJournal();
            member.Move(map, c.Range.First, c.Range.Last, c.Range.Stride, buffer, HostToEngine);
            EXPECT_EQ(JournalIndices("ArrayLink::get_source"), c.Asked);
            LinkJournal::Disable();

            EXPECT_EQ(std::vector<double>(buffer.begin(), buffer.begin() + 4), c.Buffer);
            EXPECT_EQ(std::vector<double>(buffer.begin() + 4, buffer.end()), std::vector<double>(8, Untouched));
            EXPECT_EQ(Read(map, Name, 1).Value, c.Cleared ? std::nullopt : std::optional(11.0));
        }
    }
}

TEST(IndexRanges, TowardTheHostTheNonEmptySizeSetsNoBound)
{
    for (const RangeMember& member : RangeMembers) {
        for (const RangeCase range : {RangeCase{-1, 5, 1}, RangeCase{5, -1, 1}}) {
            SCOPED_TRACE(testing::Message() << member.Label << " " << range.First << ".." << range.Last);
            ArrayMap map;
            HoldElements(map, 2, 10);
            std::vector<double> buffer = {30, 31, 32, 33, 34, 35, 36};
            StartJournal();
            member.Move(map, range.First, range.Last, range.Stride, buffer, EngineToHost);
            EXPECT_EQ(JournalIndices("ArrayLink::set_szValuesPureSI(double)"),
                      (std::vector<int>{-1, 0, 1, 2, 3, 4, 5}));
            LinkJournal::Disable();
            for (int index = 0; index <= 5; ++index)
                EXPECT_EQ(Read(map, Name, index).Value, 31 + index) << "element " << index;
        }
    }
}

TEST(IndexRanges, TowardTheEngineAnEmptyTextOrSourceNoneLeavesTheBufferPosition)
{
    for (const RangeMember& member : RangeMembers) {
        SCOPED_TRACE(member.Label);
        ArrayMap map;
        Hold(map, Name, 0, {10.0, SourceEngine});
        Hold(map, Name, 1, {std::nullopt, SourceEngine});
        Hold(map, Name, 2, {12.0, SourceNone});
        Hold(map, Name, 3, {13.0, SourceProtected});
        std::vector<double> buffer(4, Untouched);
        StartJournal();
        member.Move(map, 0, 3, 1, buffer, HostToEngine);
        // A double member reads numbers, an integer member integers: only elements 0 and 3.
        std::vector<int> read = JournalIndices("ArrayLink::get_szValuesPureSI(double)");
        for (const int index : JournalIndices("ArrayLink::get_szValuesPureSI(integer)"))
            read.push_back(index);
        EXPECT_EQ(read, (std::vector<int>{0, 3}));
        EXPECT_EQ(JournalIndices("ArrayLink::set_szValuesPureSI(text)"), std::vector<int>{2});
        LinkJournal::Disable();

        EXPECT_EQ(buffer, (std::vector<double>{10, Untouched, Untouched, 13}));
        EXPECT_EQ(Read(map, Name, 1), (HeldValue{std::nullopt, SourceEngine}));
        EXPECT_EQ(Read(map, Name, 2), (HeldValue{std::nullopt, SourceNone}));
    }
}
}  // namespace
