// The array results table against its rules: names, their families and their fixed,
// unsorted order.
#include "dictionary/tables/array_results_table.h"

#include "table_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <utility>
#include <string>
#include <vector>

namespace {

const std::vector<std::string_view>& Names()
{
    static const std::vector<std::string_view> names = NamesOf(ArrayResultsTable);
    return names;
}

std::size_t CountIf(bool (*test)(std::string_view))
{
    return static_cast<std::size_t>(std::count_if(Names().begin(), Names().end(), test));
}

TEST(ArrayResultsTableNames, AreDistinctAlsoWithoutCaseAndHyphens)
{
    ASSERT_EQ(Names().size(), 1262u);
    EXPECT_EQ(DistinctIgnoringCaseAndHyphens(Names()), 1262u);
}

TEST(ArrayResultsTableNames, HaveTheStatedLengthsAndCharacters)
{
    std::vector<std::string_view> lowerCaseFirst;
    for (std::string_view name : Names()) {
        SCOPED_TRACE(std::string(name));
        EXPECT_GE(name.size(), 5u);
        EXPECT_LE(name.size(), 24u);
        EXPECT_TRUE(UsesOnly(name, "-_"));
        if (std::islower(static_cast<unsigned char>(name.front())))
            lowerCaseFirst.push_back(name);
    }
    EXPECT_EQ(lowerCaseFirst, (std::vector<std::string_view>{"arFlgHubLenhA-AD", "arFlgHubSF-AD"}));
    EXPECT_EQ(CountIf([](std::string_view name) { return name.find('-') != name.npos; }), 12u);
    EXPECT_EQ(CountIf([](std::string_view name) { return name.find('_') != name.npos; }), 10u);
    EXPECT_EQ(CountIf([](std::string_view name) { return name.starts_with("Ar"); }), 971u);
    EXPECT_EQ(CountIf([](std::string_view name) { return name.starts_with("ar"); }), 2u);
}

TEST(ArrayResultsTableNames, FallIntoTheStatedFamilies)
{
    // Each leading prefix with its family; "arFlg" belongs to the "ArFlg" family.
    const std::vector<std::pair<std::string_view, std::string_view>> prefixes{
        {"ArEJ", "ArEJ"},         {"ArNoz", "ArNoz"},       {"ArFlg", "ArFlg"},     {"arFlg", "ArFlg"},
        {"ArASMETS", "ArASMETS"}, {"TubSh", "TubSh"},       {"ArASMECase", "ArASMECase"},
        {"ArCovCyl", "ArCovCyl"}, {"ArTubSh", "ArTubSh"},   {"Part", "Part"},       {"SadStress", "SadStress"},
        {"Flag", "Flag"},         {"ArDome", "ArDome"}};
    std::map<std::string_view, std::size_t> families;
    for (std::string_view name : Names()) {
        const auto prefix = std::find_if(prefixes.begin(), prefixes.end(),
                                         [&](const auto& entry) { return name.starts_with(entry.first); });
        ++families[prefix == prefixes.end() ? "other" : prefix->second];
    }
    const std::map<std::string_view, std::size_t> expected{
        {"ArEJ", 169},      {"ArNoz", 167},   {"ArFlg", 153},   {"ArASMETS", 131}, {"TubSh", 117},
        {"ArASMECase", 74}, {"ArCovCyl", 57}, {"ArTubSh", 53},  {"Part", 46},      {"SadStress", 23},
        {"Flag", 22},       {"ArDome", 22},   {"other", 228}};
    EXPECT_EQ(families, expected);
}

TEST(ArrayResultsTableOrder, IsTheTablesOwnOrderNotASortedOne)
{
    EXPECT_EQ(Names()[0], "ArFlgActTks");
    EXPECT_EQ(Names()[752], "UBendLng");
    EXPECT_EQ(Names()[753], "ArMAWPDesignAll");
    EXPECT_EQ(Names()[754], "ArTubShTotalThk");
    EXPECT_EQ(Names()[755], "Ar_FtMax");
    EXPECT_EQ(Names()[1260], "ArFlgActBoltLoadOp");
    EXPECT_EQ(Names()[1261], "ArAddCEFinalItemDesc");
    // Entry 69 follows entry 68 against the alphabet.
    EXPECT_EQ(Names()[67], "ArFlgHubThkg1");
    EXPECT_EQ(Names()[68], "ArFlgHubLen");
    // Names out of place inside the sorted stretches.
    const std::size_t xRay = PositionOf(Names(), "ArKetBeltX-Ray");
    EXPECT_EQ(Names()[xRay + 1], "ArMatsCompName");
    EXPECT_EQ(Names()[xRay + 2], "ArMatsMatName");
    EXPECT_EQ(Names()[xRay + 3], "ArKetBeltHeadType");
    const std::size_t flangeExtension = PositionOf(Names(), "ArDblTubShFlngExt");
    EXPECT_EQ(Names()[flangeExtension + 1], "ArEJC3i");
    EXPECT_LT(PositionOf(Names(), "ArEJCaseB11"), PositionOf(Names(), "ArDblTubShGapThk"));
    EXPECT_EQ(Names()[PositionOf(Names(), "ArEJCaseB11") + 1], "ArDblTubShGapThk");
}

}  // namespace
