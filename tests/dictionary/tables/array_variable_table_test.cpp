// The array variable table against its rules: names, first slots, how its arrays fit
// into the slot space left by the scalar variable table, and order.
#include "dictionary/tables/array_variable_table.h"
#include "dictionary/tables/scalar_variable_table.h"

#include "table_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const std::vector<std::string_view>& Names()
{
    static const std::vector<std::string_view> names = NamesOf(ArrayVariableTable);
    return names;
}

bool EndsInLettersAToO(std::string_view name) { return name.ends_with("A-O"); }

std::int32_t FirstSlotOf(std::string_view name)
{
    for (const ArrayVariableEntry& entry : ArrayVariableTable)
        if (entry.Name == name)
            return entry.FirstSlot;
    ADD_FAILURE() << "no array variable " << name;
    return NoSlot;
}

// The room of an array: the slots from its first slot up to the next slot that a name of
// either table occupies.
std::int32_t RoomOf(std::string_view name)
{
    std::set<std::int32_t> occupied;
    for (const ScalarVariableEntry& entry : ScalarVariableTable)
        occupied.insert(entry.Slot);
    for (const ArrayVariableEntry& entry : ArrayVariableTable)
        occupied.insert(entry.FirstSlot);
    const std::int32_t first = FirstSlotOf(name);
    const auto next = occupied.upper_bound(first);
    return next == occupied.end() ? SlotCount - first : *next - first;
}

TEST(ArrayVariableTableNames, AreDistinctAlsoWithoutCaseAndHyphens)
{
    ASSERT_EQ(Names().size(), 186u);
    EXPECT_EQ(DistinctIgnoringCaseAndHyphens(Names()), 186u);
}

TEST(ArrayVariableTableNames, AreLettersAndDigitsBesideTheirEndingAToO)
{
    std::size_t endingAToO = 0;
    for (std::string_view name : Names()) {
        SCOPED_TRACE(std::string(name));
        EXPECT_GE(name.size(), 5u);
        EXPECT_LE(name.size(), 23u);
        if (!EndsInLettersAToO(name)) {
            EXPECT_TRUE(UsesOnly(name, ""));
            continue;
        }
        ++endingAToO;
        const std::string_view stem = name.substr(0, name.size() - 3);
        if (name == "NozElevUG-40(e)A-O") {
            EXPECT_EQ(stem, "NozElevUG-40(e)");
        } else {
            EXPECT_TRUE(UsesOnly(stem, ""));
        }
    }
    EXPECT_EQ(endingAToO, 60u);
}

TEST(ArrayVariableTableSlots, EightNamesHaveNoSlotTheRestLieFrom604To4241)
{
    std::vector<std::string_view> withoutSlot;
    std::set<std::int32_t> firstSlots;
    std::size_t withSlot = 0;
    for (const ArrayVariableEntry& entry : ArrayVariableTable) {
        if (entry.FirstSlot == NoSlot) {
            withoutSlot.emplace_back(entry.Name);
            continue;
        }
        ++withSlot;
        firstSlots.insert(entry.FirstSlot);
        EXPECT_GE(entry.FirstSlot, 604) << entry.Name;
        EXPECT_LE(entry.FirstSlot, 4241) << entry.Name;
    }
    std::sort(withoutSlot.begin(), withoutSlot.end());
    EXPECT_EQ(withoutSlot, (std::vector<std::string_view>{"ArFlgDesCode", "CompCldMaterial", "CompCldName",
                                                          "CompMaterial", "CompName", "Notes", "VocabBuffer",
                                                          "dwgDescription"}));
    EXPECT_EQ(withSlot, 178u);
    EXPECT_EQ(firstSlots.size(), 175u);
    EXPECT_EQ(*firstSlots.begin(), 604);
    EXPECT_EQ(*firstSlots.rbegin(), 4241);
}

TEST(ArrayVariableTableSlots, ThreePairsShareAFirstSlot)
{
    std::map<std::int32_t, std::vector<std::string_view>> namesBySlot;
    for (const ArrayVariableEntry& entry : ArrayVariableTable)
        if (entry.FirstSlot != NoSlot)
            namesBySlot[entry.FirstSlot].emplace_back(entry.Name);
    std::map<std::int32_t, std::vector<std::string_view>> shared;
    for (const auto& [slot, names] : namesBySlot)
        if (names.size() > 1)
            shared.emplace(slot, names);
    const std::map<std::int32_t, std::vector<std::string_view>> expected{
        {3114, {"ArFlgCodeType", "ArFlgCodeTypeAD"}},
        {3414, {"ArFlgGasFacADk0KD", "ArFlgGasFacm"}},
        {3424, {"ArFlgGasFacADk1", "ArFlgGasFacy"}}};
    EXPECT_EQ(shared, expected);
}

TEST(ArrayVariableTableSlots, ShareNoSlotAndNoNameWithTheScalarTable)
{
    std::set<std::int32_t> scalarSlots;
    std::set<std::string> scalarNames;
    for (const ScalarVariableEntry& entry : ScalarVariableTable) {
        if (entry.Slot != NoSlot)
            scalarSlots.insert(entry.Slot);
        scalarNames.insert(LowerCase(entry.Name));
    }
    for (const ArrayVariableEntry& entry : ArrayVariableTable) {
        EXPECT_FALSE(scalarSlots.contains(entry.FirstSlot)) << entry.Name;
        EXPECT_FALSE(scalarNames.contains(LowerCase(entry.Name))) << entry.Name;
    }
}

TEST(ArrayVariableTableSlots, RoomsFollowFromBothTables)
{
    // Names ending in A-O have room 15, one per letter, but for these four.
    const std::map<std::string_view, std::int32_t> otherRooms{
        {"NozelevA-O", 10}, {"NozRePadPerLimA-O", 10}, {"NozElevUG-40(e)A-O", 10}, {"HorDistHdNozA-O", 10},
        {"NozcylIDA-O", 26}, {"VerDistHdNozA-O", 45}};
    for (std::string_view name : Names()) {
        if (!EndsInLettersAToO(name))
            continue;
        const auto other = otherRooms.find(name);
        EXPECT_EQ(RoomOf(name), other == otherRooms.end() ? 15 : other->second) << name;
    }
    const std::map<std::string_view, std::int32_t> stated{
        {"PartNumber", 200},      {"PartUnitCost", 101},    {"ArAddCEFinalMat", 50}, {"ArAddCEFinalLab", 50},
        {"ArAddCEFinalCost", 50}, {"DistBeltType", 9},      {"NozDomType", 3},       {"CplngMtl", 10},
        {"DesignLoadShearForces", 3}, {"ArFlgRecDia", 20}, {"ArFlgBoltTargStr", 7}};
    for (const auto& [name, room] : stated)
        EXPECT_EQ(RoomOf(name), room) << name;
    // The highest first slot and the end of its room lie below SlotCount.
    EXPECT_EQ(FirstSlotOf("ArFlgGskAssMaxStr"), 4241);
    EXPECT_EQ(FirstSlotOf("ArFlgGskAssMaxStr") + RoomOf("ArFlgGskAssMaxStr") - 1, 4247);
}

TEST(ArrayVariableTableOrder, AscendsWithCaseIgnoredAndHyphensSkipped)
{
    EXPECT_TRUE(InOrderRule(Names()));
    const std::vector<std::string_view> firstThree(Names().begin(), Names().begin() + 3);
    EXPECT_EQ(firstThree,
              (std::vector<std::string_view>{"AngLineNorPntcontactA-O", "ArAddCEFinalCost", "ArAddCEFinalLab"}));
    const std::vector<std::string_view> lastThree(Names().end() - 3, Names().end());
    EXPECT_EQ(lastThree, (std::vector<std::string_view>{"TempOperTS", "VerDistHdNozA-O", "VocabBuffer"}));
    EXPECT_LT(PositionOf(Names(), "NozReinfJEA5"), PositionOf(Names(), "NozReinfJEA-O"));
    EXPECT_LT(PositionOf(Names(), "arShellOutletTTS"), PositionOf(Names(), "ArWeightAccessories"));
    EXPECT_LT(PositionOf(Names(), "dwgDescription"), PositionOf(Names(), "HorDistHdNozA-O"));
}

}  // namespace
