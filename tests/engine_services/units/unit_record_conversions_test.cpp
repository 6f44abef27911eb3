// Records read and written through the platform's conversions: integers of one size by
// their bits, dates and decimals as text, and number texts that no locale changes.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "engine_services/units/unit_records.h"
#include "platform/oleauto/oleauto.h"
#include "tests/engine_services/units/unit_record_fixture.h"
#include "tests/platform/variant_values.h"
#include "tests/support/comma_locale_fixture.h"

namespace {

class UnitRecordConversions : public UnitRecords {};

TEST_F(UnitRecordConversions, AnUnsignedRecordReadsAsTheIntegerOfItsBits)
{
    const ULONG allOnes = 0xFFFFFFFF;
    Feed(1, Image(VT_UI4, &allOnes, sizeof allOnes));
    ASSERT_EQ(RewindUnit(1), 1);
    std::int32_t whole = 0;
    ASSERT_EQ(ReadUnitInteger(1, whole), 1);
    EXPECT_EQ(whole, -1);
}

TEST_F(UnitRecordConversions, ADateRecordReadsAsTheDateText)
{
    const DATE dates[] = {3.34, 365.0, 0.75, -1.25};
    for (const DATE date : dates)
        Feed(1, Image(VT_DATE, &date, sizeof date));
    ASSERT_EQ(RewindUnit(1), 1);
    EXPECT_EQ(ReadText(22), "1/2/1900 8:09:36 AM   ");
    EXPECT_EQ(ReadText(12), "12/30/1900  ");
    EXPECT_EQ(ReadText(12), "6:00:00 PM  ");
    EXPECT_EQ(ReadText(21), "12/29/1899 6:00:00 AM");
}

TEST_F(UnitRecordConversions, ADecimalIsWrittenAsItsText)
{
    ASSERT_EQ(WriteUnitVariant(1, Decimal(3, DECIMAL_NEG, 0, 1500)), 1);
    EXPECT_EQ(Bytes(1), StringRecord(4, OLESTR("-1.5")));

    ASSERT_EQ(RewindUnit(1), 1);
    EXPECT_EQ(ReadText(6), "-1.5  ");
}

class UnitRecordsUnderACommaLocale : public UnitRecordConversions {
protected:
    void SetUp() override
    {
        UnitRecordConversions::SetUp();
        EnterCommaLocale();
    }
    void TearDown() override
    {
        LeaveCommaLocale();
        UnitRecordConversions::TearDown();
    }
};

TEST_F(UnitRecordsUnderACommaLocale, NumbersAndTheirTextsAreThoseOfTheCLocale)
{
    ASSERT_EQ(WriteUnitDouble(1, 1.5), 1);
    ASSERT_EQ(RewindUnit(1), 1);
    EXPECT_EQ(ReadText(5), "1.5  ");
    ASSERT_EQ(RewindUnit(1), 1);
    ExpectPointTextReadsAsEnUsNumbers();
}

TEST_F(UnitRecordConversions, TextOutsideTheAnsiCodePageReadsByTheBestFit)
{
    Feed(1, StringRecord(4, OLESTR("\u0100 \u221E\u4E2D")));
    ASSERT_EQ(RewindUnit(1), 1);
    EXPECT_EQ(ReadText(4), "A 8?") << "best fits where the platform has them, else the default character";
}

#if defined(_WIN32)
// A thread whose locale is not the system's: on a system of code page 1252, the thread's
// ANSI code page is Cyrillic (1251).
class UnitRecordsOnARussianThread : public UnitRecordConversions {
protected:
    void SetUp() override
    {
        UnitRecordConversions::SetUp();
        ASSERT_EQ(GetACP(), 1252u) << "the system's ANSI code page";
        systemLocale = GetThreadLocale();
        ASSERT_TRUE(SetThreadLocale(0x0419));
    }
    void TearDown() override
    {
        SetThreadLocale(systemLocale);
        UnitRecordConversions::TearDown();
    }

    LCID systemLocale = 0;
};

TEST_F(UnitRecordsOnARussianThread, TextReadsBackAsTheThreadWroteIt)
{
    ASSERT_EQ(WriteUnitText(1, "\xC4\xC0\xCD", 3), 1);
    EXPECT_EQ(Bytes(1), StringRecord(3, OLESTR("\u0414\u0410\u041D"))) << "stored as Cyrillic";
    ASSERT_EQ(RewindUnit(1), 1);
    EXPECT_EQ(ReadText(4), "\xC4\xC0\xCD ");
}
#endif

TEST_F(UnitRecordConversions, NumberTextsReadInEveryFormThePlatformReads)
{
    for (const char* text : {"1,000.5", "(2)", "$ 3", "&HF800", "4-"})
        ASSERT_EQ(WriteUnitText(1, text, static_cast<std::int32_t>(std::strlen(text))), 1) << text;
    ASSERT_EQ(RewindUnit(1), 1);
    double number = 0;
    std::int32_t whole = 0;
    ASSERT_EQ(ReadUnitDouble(1, number), 1);
    EXPECT_EQ(number, 1000.5);
    ASSERT_EQ(ReadUnitInteger(1, whole), 1);
    EXPECT_EQ(whole, -2);
    ASSERT_EQ(ReadUnitDouble(1, number), 1);
    EXPECT_EQ(number, 3.0);
    ASSERT_EQ(ReadUnitInteger(1, whole), 1);
    EXPECT_EQ(whole, 0xF800);
    ASSERT_EQ(ReadUnitDouble(1, number), 1);
    EXPECT_EQ(number, -4.0);
}

}  // namespace
