// Which link members each transfer calls, in what order, and that every fetched link is
// released exactly once; the no-op members fetch none.
#include "dictionary/array_transfer.h"
#include "dictionary/noop_transfer.h"
#include "dictionary/scalar_transfer.h"
#include "dictionary/typed_scalar_transfer.h"
#include "link/LinkJournal.h"
#include "tests/dictionary/typed_transfer/journal_view.h"
#include "tests/support/host_values.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

namespace {
constexpr const char* Held = "H";

// Both maps hold "H": the scalar with a value of source SourceEngine, the array with
// elements 0 to 2 of that source.
struct Maps {
    ScalarMap Scalars;
    ArrayMap Arrays;
    Maps()
    {
        Hold(Scalars, Held, {5.0, SourceEngine});
        for (int i = 0; i < 3; ++i)
            Hold(Arrays, Held, i, {10.0 + i, SourceEngine});
    }
};

// Engine memory large enough for every call below.
struct Engine {
    float Float = 1.0f;
    double Doubles[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    std::uint64_t Integers[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    StatusEntry Statuses[8] = {};
    char Text[16] = "text";

    bool operator==(const Engine& other) const
    {
        for (int i = 0; i < 8; ++i)
            if (Statuses[i].Code != other.Statuses[i].Code)
                return false;
        return Float == other.Float && std::equal(std::begin(Doubles), std::end(Doubles), other.Doubles) &&
               std::equal(std::begin(Integers), std::end(Integers), other.Integers) &&
               std::equal(std::begin(Text), std::end(Text), other.Text);
    }
};

struct Call {
    const char* Label;
    bool OnArray;
    void (*Run)(Maps&, Engine&, const char* name, TransferDirection direction);
};

const Call FetchingCalls[] = {
    {"TransferScalarFloat", false,
     [](Maps& m, Engine& e, const char* n, TransferDirection d) { TransferScalarFloat(&m.Scalars, n, &e.Float, d, 1); }},
    {"TransferScalarStatus", false,
     [](Maps& m, Engine& e, const char* n, TransferDirection d) { TransferScalarStatus(&m.Scalars, n, e.Statuses, d); }},
    {"TransferScalarText", false,
     [](Maps& m, Engine& e, const char* n, TransferDirection d) {
         TransferScalarText(&m.Scalars, n, e.Text, sizeof e.Text, d);
     }},
    {"TransferScalarDouble", false,
     [](Maps& m, Engine& e, const char* n, TransferDirection d) { TransferScalarDouble(&m.Scalars, n, e.Doubles, d, 1); }},
    {"TransferScalarDoublePlain", false,
     [](Maps& m, Engine& e, const char* n, TransferDirection d) { TransferScalarDoublePlain(&m.Scalars, n, e.Doubles, d); }},
    {"TransferScalarUnsigned", false,
     [](Maps& m, Engine& e, const char* n, TransferDirection d) {
         TransferScalarUnsigned(&m.Scalars, n, e.Integers, d, 1);
     }},
    {"TransferScalarUnsignedPlain", false,
     [](Maps& m, Engine& e, const char* n, TransferDirection d) {
         TransferScalarUnsignedPlain(&m.Scalars, n, e.Integers, d);
     }},
    {"TransferArrayElementDouble", true,
     [](Maps& m, Engine& e, const char* n, TransferDirection d) {
         TransferArrayElementDouble(&m.Arrays, 1, n, e.Doubles, d, 1);
     }},
    {"TransferArrayElementDouble refused index", true,
     [](Maps& m, Engine& e, const char* n, TransferDirection d) {
         TransferArrayElementDouble(&m.Arrays, 7, n, e.Doubles, d, 1);
     }},
    {"TransferArrayDouble", true,
     [](Maps& m, Engine& e, const char* n, TransferDirection d) {
         TransferArrayDouble(&m.Arrays, 0, 3, 2, n, e.Doubles, d, 1);
     }},
    {"TransferArrayDouble refused range", true,
     [](Maps& m, Engine& e, const char* n, TransferDirection d) {
         TransferArrayDouble(&m.Arrays, 4, 7, 1, n, e.Doubles, d, 1);
     }},
    {"TransferArrayDoubleContiguous", true,
     [](Maps& m, Engine& e, const char* n, TransferDirection d) {
         TransferArrayDoubleContiguous(&m.Arrays, 0, 3, n, e.Doubles, d, 1);
     }},
    {"TransferArrayDoublePlain", true,
     [](Maps& m, Engine& e, const char* n, TransferDirection d) {
         TransferArrayDoublePlain(&m.Arrays, -2, 3, 1, n, e.Doubles, d);
     }},
    {"TransferArrayDoublePlainContiguous", true,
     [](Maps& m, Engine& e, const char* n, TransferDirection d) {
         TransferArrayDoublePlainContiguous(&m.Arrays, 3, 0, n, e.Doubles, d);
     }},
    {"TransferArrayInteger", true,
     [](Maps& m, Engine& e, const char* n, TransferDirection d) {
         TransferArrayInteger(&m.Arrays, 0, 3, 1, n, e.Integers, d, 1);
     }},
    {"TransferArrayIntegerPlain", true,
     [](Maps& m, Engine& e, const char* n, TransferDirection d) {
         TransferArrayIntegerPlain(&m.Arrays, 3, 0, 2, n, e.Integers, d);
     }},
    {"TransferArrayStatus", true,
     [](Maps& m, Engine& e, const char* n, TransferDirection d) {
         TransferArrayStatus(&m.Arrays, 0, 3, 1, n, e.Statuses, d);
     }},
};

TEST(LinkLifecycle, EveryFetchedLinkIsReleasedOnceAsTheLastCall)
{
    for (const Call& call : FetchingCalls) {
        for (const TransferDirection direction : {EngineToHost, HostToEngine}) {
            SCOPED_TRACE(testing::Message() << call.Label << " direction " << int{direction});
            Maps maps;
            Engine engine;
            StartJournal();
            call.Run(maps, engine, Held, direction);
            const std::string destroy = call.OnArray ? "ArrayLink::Destroy" : "ScalarLink::Destroy";
            const std::string fetch = call.OnArray ? "ArrayMap::operator[]" : "ScalarMap::operator[]";
            const std::vector<std::string> members = JournalMembers();
            ASSERT_GE(members.size(), 2u);
            EXPECT_EQ(members.front(), fetch);
            EXPECT_EQ(members.back(), destroy);
            EXPECT_EQ(LinkJournal::Count(fetch), 1u);
            EXPECT_EQ(LinkJournal::Count(destroy), 1u);
        }
    }
}

TEST(LinkLifecycle, ANameTheMapDoesNotHoldIsSkippedWithNoOtherCall)
{
    for (const Call& call : FetchingCalls) {
        for (const TransferDirection direction : {EngineToHost, HostToEngine}) {
            SCOPED_TRACE(testing::Message() << call.Label << " direction " << int{direction});
            Maps maps;
            Engine engine;
            const Engine before = engine;
            StartJournal();
            call.Run(maps, engine, "missing", direction);
            EXPECT_EQ(JournalMembers(),
                      std::vector<std::string>{call.OnArray ? "ArrayMap::operator[]" : "ScalarMap::operator[]"});
            EXPECT_TRUE(engine == before);
        }
    }
}

TEST(LinkLifecycle, EachShapeCallsItsMembersInOrder)
{
    struct Case {
        const char* Label;
        void (*Run)(Maps&);
        std::vector<std::string> Members;
    };
    const Case cases[] = {
        {"range toward the engine",
         [](Maps& m) {
             double value = 0;
             TransferArrayDouble(&m.Arrays, 1, 1, 1, Held, &value, HostToEngine, 0);
         },
         {"ArrayMap::operator[]", "ArrayLink::nonEmptySize", "ArrayLink::get_source",
          "ArrayLink::get_szValuesPureSI(text)", "ArrayLink::get_szValuesPureSI(double)", "ArrayLink::Destroy"}},
        {"integer range toward the engine",
         [](Maps& m) {
             std::uint64_t value = 0;
             TransferArrayInteger(&m.Arrays, 1, 1, 1, Held, &value, HostToEngine, 0);
         },
         {"ArrayMap::operator[]", "ArrayLink::nonEmptySize", "ArrayLink::get_source",
          "ArrayLink::get_szValuesPureSI(text)", "ArrayLink::get_szValuesPureSI(integer)", "ArrayLink::Destroy"}},
        {"forced range toward the host, the size asked all the same",
         [](Maps& m) {
             double value = 3;
             TransferArrayDouble(&m.Arrays, 1, 1, 1, Held, &value, EngineToHost, 1);
         },
         {"ArrayMap::operator[]", "ArrayLink::nonEmptySize", "ArrayLink::set_source",
          "ArrayLink::set_szValuesPureSI(double)", "ArrayLink::Destroy"}},
        {"element toward the host",
         [](Maps& m) {
             double value = 3;
             TransferArrayElementDouble(&m.Arrays, 1, Held, &value, EngineToHost, 0);
         },
         {"ArrayMap::operator[]", "ArrayLink::get_source", "ArrayLink::set_szValuesPureSI(double)",
          "ArrayLink::Destroy"}},
        {"element toward the engine, no text asked",
         [](Maps& m) {
             double value = 3;
             TransferArrayElementDouble(&m.Arrays, 1, Held, &value, HostToEngine, 0);
         },
         {"ArrayMap::operator[]", "ArrayLink::nonEmptySize", "ArrayLink::get_source",
          "ArrayLink::get_szValuesPureSI(double)", "ArrayLink::Destroy"}},
        {"scalar toward the engine",
         [](Maps& m) {
             double value = 0;
             TransferScalarDouble(&m.Scalars, Held, &value, HostToEngine, 0);
         },
         {"ScalarMap::operator[]", "ScalarLink::isEmpty", "ScalarLink::get_source",
          "ScalarLink::get_szValuePureSI(double)", "ScalarLink::Destroy"}},
        {"forced scalar toward the host",
         [](Maps& m) {
             double value = 3;
             TransferScalarDouble(&m.Scalars, Held, &value, EngineToHost, 1);
         },
         {"ScalarMap::operator[]", "ScalarLink::set_source", "ScalarLink::set_szValuePureSI(double)",
          "ScalarLink::Destroy"}},
        {"text toward the engine",
         [](Maps& m) {
             char text[8] = {};
             TransferScalarText(&m.Scalars, Held, text, sizeof text, HostToEngine);
         },
         {"ScalarMap::operator[]", "ScalarLink::isEmpty", "ScalarLink::get_source",
          "ScalarLink::get_szValuePureSI(text)", "ScalarLink::Destroy"}},
        {"text toward the host",
         [](Maps& m) {
             char text[8] = "abc";
             TransferScalarText(&m.Scalars, Held, text, sizeof text, EngineToHost);
         },
         {"ScalarMap::operator[]", "ScalarLink::set_szValuePureSI(text)", "ScalarLink::Destroy"}},
        // A float entry with no slot still runs the host side toward the engine but reads nothing.
        {"float with no slot toward the engine",
         [](Maps& m) { TransferScalarFloat(&m.Scalars, Held, nullptr, HostToEngine, 0); },
         {"ScalarMap::operator[]", "ScalarLink::isEmpty", "ScalarLink::get_source", "ScalarLink::Destroy"}},
        {"float with no slot and SourceNone toward the engine",
         [](Maps& m) {
             Hold(m.Scalars, Held, {5.0, SourceNone});
             TransferScalarFloat(&m.Scalars, Held, nullptr, HostToEngine, 0);
         },
         {"ScalarMap::operator[]", "ScalarLink::isEmpty", "ScalarLink::get_source",
          "ScalarLink::set_szValuePureSI(text)", "ScalarLink::Destroy"}},
        {"float with no slot toward the host",
         [](Maps& m) { TransferScalarFloat(&m.Scalars, Held, nullptr, EngineToHost, 1); },
         {"ScalarMap::operator[]", "ScalarLink::Destroy"}},
        {"status with no entry toward the host",
         [](Maps& m) { TransferScalarStatus(&m.Scalars, Held, nullptr, EngineToHost); },
         {"ScalarMap::operator[]", "ScalarLink::Destroy"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Label);
        Maps maps;
        StartJournal();
        c.Run(maps);
        EXPECT_EQ(JournalMembers(), c.Members);
    }
}

TEST(NoOpTransfers, FetchNoLinkAndLeaveTheEngineMemory)
{
    for (const TransferDirection direction : {EngineToHost, HostToEngine}) {
        for (const ForceEngineSource force : {ForceEngineSource{0}, ForceEngineSource{1}}) {
            SCOPED_TRACE(testing::Message() << "direction " << int{direction} << " force " << int{force});
            Maps maps;
            float value = 3.0f;
            StatusEntry entry{7, {}};
            StartJournal();
            TransferNoOp(&maps.Scalars, Held, &value, direction, force);
            TransferStatusNoOp(&maps.Scalars, Held, &entry, direction, force);
            EXPECT_TRUE(LinkJournal::Calls().empty());
            LinkJournal::Disable();
            EXPECT_EQ(value, 3.0f);
            EXPECT_EQ(entry.Code, 7);
            EXPECT_EQ(Read(maps.Scalars, Held), (HeldValue{5.0, SourceEngine}));
        }
    }
}
}  // namespace
