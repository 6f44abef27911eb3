// The names that the dictionary's tables share, exactly as spelled, and those that none
// of them may share.
#include "dictionary/tables/array_results_table.h"
#include "dictionary/tables/array_variable_table.h"
#include "dictionary/tables/scalar_results_table.h"
#include "dictionary/tables/scalar_variable_table.h"

#include "table_rules.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct Tables {
    std::vector<std::string_view> ScalarVariables = NamesOf(ScalarVariableTable);
    std::vector<std::string_view> ArrayVariables = NamesOf(ArrayVariableTable);
    std::vector<std::string_view> ScalarResults = NamesOf(ScalarResultsTable);
    std::vector<std::string_view> ArrayResults = NamesOf(ArrayResultsTable);
};

TEST(SharedNames, ScalarResultsShare84NamesWithTheScalarVariablesAndNoneOtherwise)
{
    const Tables tables;
    const std::vector<std::string_view> expected{
        "BafSupNum", "BafSupNumIn", "BafSupNumOut", "BafCutPerc", "BafEndLngAtFrHd", "BafEndLngAtReHd", "BafNum",
        "BafSpcIn", "BafSpcOut", "BafSpcCenHShl", "BafSpcCenInOut", "BafSupNumInterm", "BafThk", "BafType",
        "BundleRemSpace", "ClrBafTube", "CorAllowSS", "CorAllowTS", "DensityIns", "DesPressSS", "DesPressTS",
        "DesPressVacSS", "DesPressVacTS", "DesTempSS", "DesTempTS", "DiamStd", "EJBellConvDepth", "EJBellConvPitch",
        "EJConvNum", "EJCycleLife", "EJID", "EJInd", "EJMtl", "EJNum", "EJPlies", "EJSpRateCorr", "EJSpRateNew",
        "EJType", "HdFrCylID", "HdFrCylOD", "HdReCovDishRad", "HdReCylID", "IFHDishLeverArm", "IFHDishOffset",
        "ImpProtType", "InsulationType", "MDMTSS", "MDMTTS", "RadgrSS", "RadgrTS", "ShlCylID", "ShlCylOD",
        "ShlMeanMetalTemp", "SpacerDia", "SuppNumatCenHShl", "SuppNumCenNoz", "TieRodDia", "TestPressSS",
        "TestPressTS", "TshDesMethod", "TshDesTemp", "TshMeanMetalTemp", "TubeDesTemp", "TubeMeanMetalTemp",
        "TubeNum", "TubeOD", "TubePasses", "TubePassLoutType", "TubeOTL", "TubePattern", "TubePitch",
        "TubeProjReTsh", "TubeToTshJntType", "TubeType", "TubeWallThk", "TubShTubeHoleDiam", "VacDesTempSS",
        "VacDesTempTS", "VacTshDesTemp", "VessODID", "WeightBund", "WeightEmpty", "WeightFull", "PneumaticTest"};
    ASSERT_EQ(expected.size(), 84u);
    EXPECT_EQ(NamesAlsoIn(tables.ScalarResults, tables.ScalarVariables), expected);
    EXPECT_TRUE(NamesAlsoIn(tables.ScalarResults, tables.ArrayVariables).empty());
    EXPECT_TRUE(NamesAlsoIn(tables.ScalarResults, tables.ArrayResults).empty());
}

TEST(SharedNames, ArrayResultsShare24NamesWithTheArrayVariablesAndOneWithTheScalarVariables)
{
    const Tables tables;
    const std::vector<std::string_view> expected{
        "ArFlgBoltDia", "ArFlgDesStd", "ArFlgGasFacm", "ArFlgGasFacy", "ArFlgGaskOD", "ArFlgGaskWidth",
        "ArFlgHubLen", "ArFlgID", "ArFlgNubHgt", "ArFlgNubMDia", "ArFlgNubWidth", "ArFlgOD", "ArFlgOLThk",
        "ArFlgRecDepth", "ArFlgRecDia", "ArWeightAccessories", "ArWeightDist", "DesignLoadBendMoment",
        "DesignLoadForces", "DesignLoadTorsMoment", "PartNumber", "PartUnitCost", "VocabBuffer",
        "DesignLoadShearForces"};
    EXPECT_EQ(NamesAlsoIn(tables.ArrayResults, tables.ArrayVariables), expected);
    EXPECT_EQ(NamesAlsoIn(tables.ArrayResults, tables.ScalarVariables),
              std::vector<std::string_view>{"InsulationWeight"});
}

TEST(SharedNames, ArrayResultsDifferFromTheArrayVariablesByCaseOnlyInArFlgthk)
{
    const Tables tables;
    std::set<std::string> arrayVariables;
    for (std::string_view name : tables.ArrayVariables)
        arrayVariables.insert(LowerCase(name));
    std::vector<std::string_view> caseOnly;
    for (std::string_view name : tables.ArrayResults)
        if (arrayVariables.contains(LowerCase(name)) && NamesAlsoIn({name}, tables.ArrayVariables).empty())
            caseOnly.push_back(name);
    EXPECT_EQ(caseOnly, std::vector<std::string_view>{"ArFlgthk"});
    EXPECT_EQ(NamesAlsoIn({"ArFlgThk"}, tables.ArrayVariables).size(), 1u);
}

}  // namespace
