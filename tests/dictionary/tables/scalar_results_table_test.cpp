// The scalar results table against its rules: names and their fixed, unsorted order.
#include "dictionary/tables/scalar_results_table.h"

#include "table_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const std::vector<std::string_view>& Names()
{
    static const std::vector<std::string_view> names = NamesOf(ScalarResultsTable);
    return names;
}

TEST(ScalarResultsTableNames, AreDistinctAlsoWithoutCase)
{
    ASSERT_EQ(Names().size(), 598u);
    EXPECT_EQ(DistinctIgnoringCase(Names()), 598u);
}

TEST(ScalarResultsTableNames, AreLettersDigitsAndUnderscoresBesideOneHyphen)
{
    std::vector<std::string_view> withHyphen;
    for (std::string_view name : Names()) {
        SCOPED_TRACE(std::string(name));
        EXPECT_GE(name.size(), 4u);
        EXPECT_LE(name.size(), 23u);
        EXPECT_TRUE(UsesOnly(name, "_-"));
        if (name.find('-') != name.npos)
            withHyphen.push_back(name);
    }
    EXPECT_EQ(withHyphen, std::vector<std::string_view>{"WindSeismicLoad-NBC"});
    EXPECT_EQ(std::count(Names().begin(), Names().end(), "TubSh_hg_prime"), 1);
}

TEST(ScalarResultsTableOrder, IsTheTablesOwnOrderNotASortedOne)
{
    const std::vector<std::string_view> firstFour(Names().begin(), Names().begin() + 4);
    EXPECT_EQ(firstFour, (std::vector<std::string_view>{"BafSupNum", "BafSupNumIn", "BafSupNumOut", "AvMetTempSS"}));
    // The first 581 names ascend without regard to case but for 26 out of place.
    const std::vector<std::string_view> first581(Names().begin(), Names().begin() + 581);
    EXPECT_EQ(LongestAscendingIgnoringCase(first581), 581u - 26u);
    // The last 17 follow in no alphabetical order.
    EXPECT_EQ(Names()[581], "EJSpRateCorrTEMA_LE_FEA");
    EXPECT_EQ(Names().back(), "DesPressSSOrig");
}

}  // namespace
