// TransferScalarFloat's force and direction arguments, on a host map directly.
#include "dictionary/scalar_transfer.h"
#include "link/LinkJournal.h"
#include "link/UnmanagedEngineWrapper.h"
#include "tests/support/host_values.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct ForceCase {
    const char* Label;
    short Source;
    ForceEngineSource Force;
    bool ValueWritten;
    short SourceAfter;
};

void PrintTo(const ForceCase& c, std::ostream* out) { *out << c.Label; }

const ForceCase kForceCases[] = {
    {"ForceOneOverridesProtection", SourceProtected, 1, true, SourceEngine},
    {"ForceOneMarksAnUnprotectedValue", SourceNone, 1, true, SourceEngine},
    {"ForceTwoActsAsNone", SourceProtected, 2, false, SourceProtected},
    {"ForceTwoLeavesOtherSources", 3, 2, true, 3},
    {"NoForceLeavesProtection", SourceProtected, 0, false, SourceProtected},
};

class ForceEngineSourceTest : public ::testing::TestWithParam<ForceCase> {};

TEST_P(ForceEngineSourceTest, TowardTheHost)
{
    const ForceCase& c = GetParam();
    ScalarMap map;
    Hold(map, "DesTempSS", {1.0, c.Source});
    float slot = 2.5f;
    TransferScalarFloat(&map, "DesTempSS", &slot, EngineToHost, c.Force);
    const HeldValue host = Read(map, "DesTempSS");
    EXPECT_EQ(host.Value, c.ValueWritten ? 2.5 : 1.0);
    EXPECT_EQ(host.Source, c.SourceAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, ForceEngineSourceTest, ::testing::ValuesIn(kForceCases),
                         [](const auto& testParam) { return std::string(testParam.param.Label); });

TEST(ForceEngineSource, NoValueIsNotWrittenEvenWhenForced)
{
    ScalarMap map;
    Hold(map, "DesTempSS", {1.0, SourceProtected});
    float slot = NoValue;
    TransferScalarFloat(&map, "DesTempSS", &slot, EngineToHost, 1);
    const HeldValue host = Read(map, "DesTempSS");
    EXPECT_EQ(host.Value, 1.0);
    EXPECT_EQ(host.Source, SourceProtected);
}

TEST(TransferDirection, EveryNonZeroValueIsHostToEngine)
{
    for (TransferDirection direction : {TransferDirection{1}, TransferDirection{2}, TransferDirection{255}}) {
        ScalarMap map;
        Hold(map, "DesTempSS", {4.5, SourceEngine});
        float slot = 0.0f;
        TransferScalarFloat(&map, "DesTempSS", &slot, direction, 0);
        EXPECT_EQ(slot, 4.5f) << "direction " << int{direction};
        StatusEntry entry{9, {}};
        TransferScalarStatus(&map, "DesTempSS", &entry, direction);
        EXPECT_EQ(Read(map, "DesTempSS").Status, 0) << "no status goes to the host";
    }
}

TEST(TransferScalarFloat, NameNotHeldFetchesNoFurtherMember)
{
    ScalarMap map;
    LinkJournal::Clear();
    LinkJournal::Enable();
    float slot = 1.0f;
    TransferScalarFloat(&map, "DesTempSS", &slot, EngineToHost, 1);
    TransferScalarStatus(&map, "DesTempSS", nullptr, EngineToHost);
    LinkJournal::Disable();
    ASSERT_EQ(LinkJournal::Calls().size(), 2u);
    EXPECT_EQ(LinkJournal::Count("ScalarMap::operator[]"), 2u);
}

}  // namespace
