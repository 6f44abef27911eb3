// The scalar variable table against its rules: names, slots, shared slots and order.
#include "dictionary/tables/scalar_variable_table.h"

#include "table_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const std::vector<std::string_view>& Names()
{
    static const std::vector<std::string_view> names = NamesOf(ScalarVariableTable);
    return names;
}

std::size_t CountWith(char c)
{
    return static_cast<std::size_t>(std::count_if(Names().begin(), Names().end(),
                                                  [c](std::string_view name) { return name.find(c) != name.npos; }));
}

TEST(ScalarVariableTableNames, AreDistinctAlsoWithoutCase)
{
    ASSERT_EQ(Names().size(), 1258u);
    EXPECT_EQ(DistinctIgnoringCase(Names()), 1258u);
}

TEST(ScalarVariableTableNames, HaveTheStatedLengthsAndCharacters)
{
    for (std::string_view name : Names()) {
        SCOPED_TRACE(std::string(name));
        EXPECT_GE(name.size(), 4u);
        EXPECT_LE(name.size(), 36u);
        EXPECT_TRUE(UsesOnly(name, "-_."));
        EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(name.front())));
        EXPECT_EQ(std::string_view("-_.").find(name.back()), std::string_view::npos);
        if (name != "tubecntdegrsymm") {
            EXPECT_TRUE(std::isupper(static_cast<unsigned char>(name.front())));
        }
    }
    EXPECT_EQ(std::count(Names().begin(), Names().end(), "tubecntdegrsymm"), 1);
    EXPECT_EQ(CountWith('-'), 40u);
    EXPECT_EQ(CountWith('_'), 12u);
    EXPECT_EQ(CountWith('.'), 2u);
}

TEST(ScalarVariableTableSlots, AllButTwoNamesHaveASlotFromOneTo4989)
{
    std::vector<std::string_view> withoutSlot;
    std::set<std::int32_t> slots;
    std::size_t withSlot = 0;
    for (const ScalarVariableEntry& entry : ScalarVariableTable) {
        if (entry.Slot == NoSlot) {
            withoutSlot.emplace_back(entry.Name);
            continue;
        }
        ++withSlot;
        slots.insert(entry.Slot);
        EXPECT_GE(entry.Slot, 1) << entry.Name;
        EXPECT_LE(entry.Slot, 4989) << entry.Name;
    }
    EXPECT_EQ(withoutSlot, (std::vector<std::string_view>{"DiamStd", "VessODID"}));
    EXPECT_EQ(withSlot, 1256u);
    EXPECT_EQ(slots.size(), 1251u);
    EXPECT_EQ(*slots.begin(), 1);
    EXPECT_EQ(*slots.rbegin(), 4989);
}

TEST(ScalarVariableTableSlots, FiveSlotsCarryTwoNamesTheLaterOneSecond)
{
    std::map<std::int32_t, std::vector<std::string_view>> namesBySlot;
    for (const ScalarVariableEntry& entry : ScalarVariableTable)
        if (entry.Slot != NoSlot)
            namesBySlot[entry.Slot].emplace_back(entry.Name);
    std::map<std::int32_t, std::vector<std::string_view>> shared;
    for (const auto& [slot, names] : namesBySlot)
        if (names.size() > 1)
            shared.emplace(slot, names);
    const std::map<std::int32_t, std::vector<std::string_view>> expected{
        {1150, {"TubePattern", "TubePattern2"}}, {1151, {"TubePasses", "TubePassNum"}},
        {1153, {"TubePitch", "TubePitch2"}},     {1300, {"SupType", "SupTypeVer"}},
        {1397, {"EJSpRateNew", "VapBeltSpRateNew"}}};
    EXPECT_EQ(shared, expected);
}

TEST(ScalarVariableTableOrder, AscendsWithCaseIgnoredAndHyphensSkipped)
{
    EXPECT_TRUE(InOrderRule(Names()));
    const std::vector<std::string_view> firstFive(Names().begin(), Names().begin() + 5);
    EXPECT_EQ(firstFive, (std::vector<std::string_view>{"ActDiffPress", "ActiveInputChecking", "ADBoltType",
                                                        "ADd2PCd1", "ADNumofTube2rows"}));
    const std::vector<std::string_view> lastThree(Names().end() - 3, Names().end());
    EXPECT_EQ(lastThree, (std::vector<std::string_view>{"WRCShearLoadViV1", "ZickMethod", "ZOLTData"}));
    // Were hyphens compared, each pair would stand the other way round.
    EXPECT_LT(PositionOf(Names(), "FrHdLandDim"), PositionOf(Names(), "FrHd-UW-13-2NoBolt"));
    EXPECT_LT(PositionOf(Names(), "KetlRedType"), PositionOf(Names(), "KetlRed-UG33-1-cde"));
}

}  // namespace
