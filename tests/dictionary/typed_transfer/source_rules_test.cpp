// The source, force and no-value rules, over every numeric member of the family.
#include "tests/dictionary/typed_transfer/one_value_members.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <vector>

namespace {
constexpr double HostValue = 5.0;
constexpr double EngineValue = 7.0;

TEST(SourceRules, TowardTheEngineSourceNoneClearsTheHostAndOthersAreSent)
{
    struct Case {
        short Source;
        bool Sent;
    };
    const Case cases[] = {{SourceNone, false}, {SourceProtected, true}, {SourceEngine, true}, {3, true}, {-1, true}};
    for (const OneValueMember& member : one_value::All()) {
        for (const Case& c : cases) {
            for (const TransferDirection direction : {TransferDirection{1}, TransferDirection{2}, TransferDirection{255}}) {
                SCOPED_TRACE(testing::Message() << member.Label << " source " << c.Source << " direction "
                                                << int{direction});
                OneValueHost host(member);
                host.Set(HostValue, c.Source);
                double engine = EngineValue;
                host.Move(engine, direction, 0);
                const HeldValue after = host.Now();
                EXPECT_EQ(engine, c.Sent ? HostValue : EngineValue);
                EXPECT_EQ(after.Value, c.Sent ? std::optional(HostValue) : std::nullopt);
                EXPECT_EQ(after.Source, c.Source);
            }
        }
    }
}

TEST(SourceRules, TowardTheHostOnlyForceOneOverwritesAProtectedValue)
{
    struct Case {
        short Source;
        ForceEngineSource Force;
        bool WrittenWhenForced;  // by a member with a force argument
        short SourceWhenForced;
        bool WrittenWhenPlain;  // by a plain member, which ignores the force
    };
    const Case cases[] = {
        {SourceNone, 0, true, SourceNone, true},
        {SourceProtected, 0, false, SourceProtected, false},
        {SourceEngine, 0, true, SourceEngine, true},
        {3, 0, true, 3, true},
        {SourceProtected, 1, true, SourceEngine, false},
        {SourceNone, 1, true, SourceEngine, true},
        {3, 1, true, SourceEngine, true},
        {SourceProtected, 2, false, SourceProtected, false},
        {SourceProtected, 255, false, SourceProtected, false},
        {3, 2, true, 3, true},
    };
    for (const OneValueMember& member : one_value::All()) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << member.Label << " source " << c.Source << " force " << int{c.Force});
            OneValueHost host(member);
            host.Set(HostValue, c.Source);
            double engine = EngineValue;
            host.Move(engine, EngineToHost, c.Force);
            const HeldValue after = host.Now();
            const bool written = member.HasForce ? c.WrittenWhenForced : c.WrittenWhenPlain;
            EXPECT_EQ(after.Value, written ? EngineValue : HostValue);
            EXPECT_EQ(after.Source, member.HasForce ? c.SourceWhenForced : c.Source);
            EXPECT_EQ(engine, EngineValue);
        }
    }
}

// The host holds elements 0 to 5 of "V", each with the value 5 and a source other than
// SourceEngine. A forced transfer toward the host must mark exactly the elements it writes,
// at their own indices: at index 2 alone, a swap of index and source would go unseen, since
// SourceEngine is 2 too.
const short ElementSources[] = {SourceProtected, SourceNone, 3, SourceProtected, -1, SourceProtected};
constexpr int ElementCount = 6;

void HoldElementsWithOtherSources(ArrayMap& arrays)
{
    for (int index = 0; index < ElementCount; ++index)
        Hold(arrays, ValueName, index, {HostValue, ElementSources[index]});
}

// Elements that the engine wrote (index to value) hold the value with SourceEngine; every
// other element keeps the host's value and source.
void ExpectOnlyWrittenElementsMarked(ArrayMap& arrays, const std::map<int, double>& written)
{
    for (int index = 0; index < ElementCount; ++index) {
        SCOPED_TRACE(testing::Message() << "element " << index);
        const HeldValue after = Read(arrays, ValueName, index);
        const auto engine = written.find(index);
        if (engine == written.end())
            EXPECT_EQ(after, (HeldValue{HostValue, ElementSources[index]}));
        else
            EXPECT_EQ(after, (HeldValue{engine->second, SourceEngine}));
    }
}

TEST(SourceRules, TowardTheHostForceOneMarksEachElementOfTheRangeThatItWrites)
{
    struct Member {
        const char* Label;
        double Marker;  // an engine value that the member holds back from the host
        // Moves elements 1 to 4 toward the host, forced; buffer position 0 belongs to index 1.
        void (*Move)(ArrayMap& arrays, const std::vector<double>& buffer);
    };
    const Member members[] = {
        {"TransferArrayDouble", NoValueDouble,
         [](ArrayMap& a, const std::vector<double>& b) {
             std::vector<double> engine = b;
             TransferArrayDouble(&a, 4, 1, 1, ValueName, engine.data(), EngineToHost, 1);
         }},
        {"TransferArrayDoubleContiguous", NoValueDouble,
         [](ArrayMap& a, const std::vector<double>& b) {
             std::vector<double> engine = b;
             TransferArrayDoubleContiguous(&a, 1, 4, ValueName, engine.data(), EngineToHost, 1);
         }},
        {"TransferArrayInteger", 0.0,
         [](ArrayMap& a, const std::vector<double>& b) {
             std::vector<std::uint64_t> engine;
             for (const double value : b)
                 engine.push_back(one_value::AsInteger(value));
             TransferArrayInteger(&a, 1, 4, 1, ValueName, engine.data(), EngineToHost, 1);
         }},
    };
    for (const Member& member : members) {
        SCOPED_TRACE(member.Label);
        ArrayMap arrays;
        HoldElementsWithOtherSources(arrays);
        // Index 3 holds the member's marker: not written, so not marked.
        member.Move(arrays, {21, 22, member.Marker, 24});
        ExpectOnlyWrittenElementsMarked(arrays, {{1, 21}, {2, 22}, {4, 24}});
    }
}

TEST(SourceRules, TowardTheHostForceOneMarksTheOneElementAtItsIndex)
{
    for (int index = 0; index < ElementCount; ++index) {
        SCOPED_TRACE(testing::Message() << "index " << index);
        ArrayMap arrays;
        HoldElementsWithOtherSources(arrays);
        double engine = EngineValue;
        TransferArrayElementDouble(&arrays, index, ValueName, &engine, EngineToHost, 1);
        ExpectOnlyWrittenElementsMarked(arrays, {{index, EngineValue}});
    }
}

TEST(NoValueMarkers, OnlyEachKindsMarkerIsHeldBackFromTheHost)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double aboveNoValue = std::nextafter(1e-20, 1.0);
    struct Case {
        const char* Member;
        double Engine;
        bool Written;
        std::optional<double> Host = {};  // what the host receives, when not the engine value itself
    };
    const Case cases[] = {
        {"TransferScalarFloat", 1e-20, false},
        {"TransferScalarFloat", nan, true},
        {"TransferScalarFloat", 0.0, true},
        {"TransferScalarDouble", 1e-20, false},
        {"TransferScalarDouble", aboveNoValue, true},
        {"TransferScalarDouble", nan, true},
        {"TransferScalarDouble", 0.0, true},
        {"TransferScalarDoublePlain", 1e-20, false},
        {"TransferScalarDoublePlain", aboveNoValue, true},
        {"TransferScalarDoublePlain", nan, true},
        {"TransferArrayElementDouble", 1e-20, false},
        {"TransferArrayElementDouble", aboveNoValue, true},
        {"TransferArrayElementDouble", nan, true},
        {"TransferArrayDouble", 1e-20, false},
        {"TransferArrayDouble", aboveNoValue, true},
        {"TransferArrayDouble", nan, true},
        {"TransferArrayDouble", 0.0, true},
        {"TransferArrayDoubleContiguous", 1e-20, false},
        {"TransferArrayDoubleContiguous", nan, true},
        {"TransferArrayDoublePlain", 1e-20, false},
        {"TransferArrayDoublePlain", nan, true},
        {"TransferArrayDoublePlainContiguous", 1e-20, false},
        {"TransferArrayDoublePlainContiguous", nan, true},
        // Integers have 0 and -32767 as markers, and no test against 1e-20.
        {"TransferArrayInteger", 0.0, false},
        {"TransferArrayInteger", -32767.0, false},
        {"TransferArrayInteger", -32766.0, true, 18446744073709518850.0},
        {"TransferArrayInteger", 32767.0, true},
        {"TransferArrayInteger", 1.0, true},
        {"TransferArrayIntegerPlain", 0.0, false},
        {"TransferArrayIntegerPlain", -32767.0, false},
        {"TransferArrayIntegerPlain", 1.0, true},
        // The unsigned members have no marker in effect: 0 is written.
        {"TransferScalarUnsigned", 0.0, true},
        {"TransferScalarUnsignedPlain", 0.0, true},
    };
    for (const Case& c : cases) {
        for (const ForceEngineSource force : {ForceEngineSource{0}, ForceEngineSource{1}}) {
            SCOPED_TRACE(testing::Message() << c.Member << " engine " << c.Engine << " force " << int{force});
            OneValueHost host(one_value::Named(c.Member));
            host.Set(HostValue, SourceEngine);
            double engine = c.Engine;
            host.Move(engine, EngineToHost, force);
            const HeldValue after = host.Now();
            if (!c.Written) {
                EXPECT_EQ(after.Value, HostValue);
            } else if (std::isnan(c.Engine)) {
                EXPECT_TRUE(after.Value && std::isnan(*after.Value));
            } else {
                EXPECT_EQ(after.Value, c.Host.value_or(c.Engine));
            }
        }
    }
}

TEST(NoValueMarkers, TheIntegerRangeSendsElementsAsUnsignedNumbers)
{
    for (const char* member : {"TransferArrayInteger", "TransferArrayIntegerPlain"}) {
        SCOPED_TRACE(member);
        OneValueHost host(one_value::Named(member));
        double engine = -1.0;
        host.Move(engine, EngineToHost, 0);
        EXPECT_EQ(host.Now().Value, 18446744073709551616.0);
    }
}

TEST(NoValueMarkers, TheIntegerRangeTakesHostIntegersSignExtended)
{
    for (const char* member : {"TransferArrayInteger", "TransferArrayIntegerPlain"}) {
        SCOPED_TRACE(member);
        ScalarMap scalars;
        ArrayMap arrays;
        Hold(arrays, ValueName, 0, {-5.0, SourceEngine});
        std::uint64_t engine = 0;
        if (std::string_view(member) == "TransferArrayInteger")
            TransferArrayInteger(&arrays, 0, 0, 1, ValueName, &engine, HostToEngine, 0);
        else
            TransferArrayIntegerPlain(&arrays, 0, 0, 1, ValueName, &engine, HostToEngine);
        EXPECT_EQ(engine, 0xFFFFFFFFFFFFFFFBull);
    }
}
}  // namespace
