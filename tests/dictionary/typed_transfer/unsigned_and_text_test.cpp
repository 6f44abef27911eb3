// The unsigned members' round trip through a double, and the text member.
#include "dictionary/typed_scalar_transfer.h"
#include "tests/support/host_values.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

namespace {
constexpr const char* Name = "U";
constexpr std::uint64_t TwoTo53 = std::uint64_t{1} << 53;

using UnsignedMember = void (*)(ScalarMap&, std::uint64_t&, TransferDirection);
struct NamedUnsignedMember {
    const char* Label;
    UnsignedMember Move;
};
const NamedUnsignedMember UnsignedMembers[] = {
    {"TransferScalarUnsigned",
     [](ScalarMap& m, std::uint64_t& v, TransferDirection d) { TransferScalarUnsigned(&m, Name, &v, d, 0); }},
    {"TransferScalarUnsignedPlain",
     [](ScalarMap& m, std::uint64_t& v, TransferDirection d) { TransferScalarUnsignedPlain(&m, Name, &v, d); }},
};

TEST(UnsignedTransfer, TowardTheHostEveryValueIsWrittenAndComesBackAsItsDouble)
{
    struct Case {
        std::uint64_t Engine;
        double Host;
        std::uint64_t EngineAfter;
    };
    const Case cases[] = {
        {0, 0.0, 0},
        {42, 42.0, 42},
        {TwoTo53 + 1, 9007199254740992.0, TwoTo53},
        {std::uint64_t{1} << 63, 9223372036854775808.0, std::uint64_t{1} << 63},
        // Its double is 2^64, which has no unsigned form: the engine keeps its value.
        {std::numeric_limits<std::uint64_t>::max(), 18446744073709551616.0, std::numeric_limits<std::uint64_t>::max()},
    };
    for (const NamedUnsignedMember& member : UnsignedMembers) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << member.Label << " engine " << c.Engine);
            ScalarMap map;
            Hold(map, Name, {5.0, SourceEngine});
            std::uint64_t engine = c.Engine;
            member.Move(map, engine, EngineToHost);
            EXPECT_EQ(Read(map, Name).Value, c.Host);
            EXPECT_EQ(engine, c.EngineAfter);
        }
    }
}

TEST(UnsignedTransfer, TowardTheEngineADoubleWithNoUnsignedFormLeavesTheValue)
{
    constexpr std::uint64_t Engine = TwoTo53 + 1;
    struct Case {
        double Host;
        std::uint64_t EngineAfter;
    };
    const Case cases[] = {
        {3.9, 3},
        {0.0, 0},
        {9223372036854775808.0, std::uint64_t{1} << 63},
        {-1.0, Engine},
        {-0.5, Engine},
        {18446744073709551616.0, Engine},
        {std::numeric_limits<double>::quiet_NaN(), Engine},
        {std::numeric_limits<double>::infinity(), Engine},
    };
    for (const NamedUnsignedMember& member : UnsignedMembers) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << member.Label << " host " << c.Host);
            ScalarMap map;
            Hold(map, Name, {c.Host, SourceEngine});
            std::uint64_t engine = Engine;
            member.Move(map, engine, HostToEngine);
            EXPECT_EQ(engine, c.EngineAfter);
        }
    }
}

TEST(UnsignedTransfer, TowardTheEngineAValueTakenFromNothingComesBackAsItsDouble)
{
    for (const NamedUnsignedMember& member : UnsignedMembers) {
        for (const short source : {SourceNone, SourceEngine}) {
            SCOPED_TRACE(testing::Message() << member.Label << " source " << source);
            ScalarMap map;
            // Empty with SourceEngine takes nothing; a value with SourceNone is cleared instead.
            Hold(map, Name, {source == SourceNone ? std::optional(8.0) : std::nullopt, source});
            std::uint64_t engine = TwoTo53 + 1;
            member.Move(map, engine, HostToEngine);
            EXPECT_EQ(engine, TwoTo53);
            EXPECT_FALSE(Read(map, Name).Value);
        }
    }
}

// A buffer of 8 bytes, '#' where nothing was written.
struct TextBuffer {
    char Bytes[8];
    TextBuffer() { std::memset(Bytes, '#', sizeof Bytes); }
    explicit TextBuffer(const char* text) : TextBuffer() { std::memcpy(Bytes, text, std::strlen(text)); }
    std::string All() const { return std::string(Bytes, sizeof Bytes); }
};

TEST(TextTransfer, TowardTheEngineTheTextIsCutToTheCapacityAndTerminated)
{
    struct Case {
        const char* Host;
        std::size_t Capacity;
        std::string Buffer;
    };
    using namespace std::string_literals;
    const Case cases[] = {
        {"abcdef", 8, "abcdef\0#"s},
        {"abcdefg", 8, "abcdefg\0"s},
        {"abcdefgh", 8, "abcdefg\0"s},
        {"abcdef", 4, "abc\0####"s},
        {"abcdef", 1, "\0#######"s},
        {"abcdef", 0, "########"s},
        {"", 8, "########"s},  // an empty host value takes nothing
    };
    for (const Case& c : cases) {
        for (const short source : {SourceProtected, SourceEngine, short{3}}) {
            SCOPED_TRACE(testing::Message() << '"' << c.Host << "\" capacity " << c.Capacity << " source " << source);
            ScalarMap map;
            HoldText(map, Name, c.Host, source);
            TextBuffer buffer;
            TransferScalarText(&map, Name, buffer.Bytes, c.Capacity, HostToEngine);
            EXPECT_EQ(buffer.All(), c.Buffer);
        }
    }
}

TEST(TextTransfer, TowardTheEngineSourceNoneLeavesBothSides)
{
    ScalarMap map;
    HoldText(map, Name, "host", SourceNone);
    TextBuffer buffer("engine");
    TransferScalarText(&map, Name, buffer.Bytes, sizeof buffer.Bytes, HostToEngine);
    EXPECT_EQ(buffer.All(), TextBuffer("engine").All());
    EXPECT_EQ(ReadText(map, Name), "host");
}

TEST(TextTransfer, TowardTheHostTheBufferIsReadToItsTerminatorOrCapacityOverAnySource)
{
    struct Case {
        const char* Buffer;
        std::size_t Capacity;
        const char* Host;
    };
    const Case cases[] = {
        {"xyz", 8, "xyz"},
        {"xyzw", 3, "xyz"},  // no terminator within the capacity
        {"xyzwvut", 7, "xyzwvut"},
        {"", 8, ""},  // the empty text clears the host's value
        {"xyz", 0, ""},
    };
    for (const Case& c : cases) {
        for (const short source : {SourceNone, SourceProtected, SourceEngine}) {
            SCOPED_TRACE(testing::Message() << '"' << c.Buffer << "\" capacity " << c.Capacity << " source " << source);
            ScalarMap map;
            HoldText(map, Name, "old", source);
            TextBuffer buffer(c.Buffer);
            if (std::strlen(c.Buffer) < sizeof buffer.Bytes)
                buffer.Bytes[std::strlen(c.Buffer)] = '\0';
            TransferScalarText(&map, Name, buffer.Bytes, c.Capacity, EngineToHost);
            EXPECT_EQ(ReadText(map, Name), c.Host);
            EXPECT_EQ(Read(map, Name).Source, source);
        }
    }
}
}  // namespace
