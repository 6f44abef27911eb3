// Records for a user whose locale writes numbers with a comma: CTest runs this program with a
// German locale (LC_ALL). Records travel between machines and the engine's code reads numbers with a
// point, so the texts and numbers are the en-US ones whatever the user's locale.
#include <gtest/gtest.h>

#include <cstdint>

#include "engine_services/units/unit_records.h"
#include "platform/oleauto/oleauto.h"
#include "tests/engine_services/units/unit_record_fixture.h"

namespace {

class UnitRecordsForAGermanUser : public UnitRecords {
protected:
    void SetUp() override
    {
        UnitRecords::SetUp();
#if defined(_WIN32)
        // Otherwise the test could not tell the user's forms from the en-US ones.
        ASSERT_EQ(PRIMARYLANGID(LANGIDFROMLCID(GetUserDefaultLCID())), LANG_GERMAN)
            << "the program runs for a German user (LC_ALL=de_DE.UTF-8)";
#endif
    }
};

TEST_F(UnitRecordsForAGermanUser, NumbersAreWrittenAsEnUsTexts)
{
    ASSERT_EQ(WriteUnitDouble(1, 1.5), 1);
    VARIANT big;
    VariantInit(&big);
    big.vt = VT_R8;
    big.dblVal = 1234567.25;
    ASSERT_EQ(WriteUnitVariant(1, big), 1);
    ASSERT_EQ(RewindUnit(1), 1);
    EXPECT_EQ(ReadText(5), "1.5  ");
    EXPECT_EQ(ReadText(10), "1234567.25");
}

TEST_F(UnitRecordsForAGermanUser, TextsAreReadAsEnUsNumbers)
{
    ExpectPointTextReadsAsEnUsNumbers();
}

}  // namespace
