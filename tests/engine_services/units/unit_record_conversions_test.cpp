// Records read and written through the platform's conversions: integers of one size by
// their bits, dates and decimals as text, and number texts that no locale changes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine_services/units/unit_records.h"
#include "platform/oleauto/oleauto.h"
#include "tests/engine_services/units/storage_fixture.h"
#include "tests/support/comma_locale_fixture.h"

namespace {

std::vector<BYTE> ByValueRecord(VARTYPE vt, const void* value, std::size_t size)
{
    std::vector<BYTE> image(RecordImageBytes, 0);
    std::memcpy(image.data(), &vt, sizeof vt);
    std::memcpy(image.data() + 8, value, size);
    return image;
}

class UnitRecordConversions : public StorageFixture {
protected:
    void SetUp() override
    {
        StorageFixture::SetUp();
        Create(1);
    }
    // The next record as text, in a buffer of `length` bytes.
    std::string ReadText(std::uint32_t length)
    {
        std::string buffer(length, '#');
        EXPECT_EQ(ReadUnitText(1, buffer.data(), length), 1);
        return buffer;
    }
};

TEST_F(UnitRecordConversions, AnUnsignedRecordReadsAsTheIntegerOfItsBits)
{
    const ULONG allOnes = 0xFFFFFFFF;
    Feed(1, ByValueRecord(VT_UI4, &allOnes, sizeof allOnes));
    ASSERT_EQ(RewindUnit(1), 1);
    std::int32_t whole = 0;
    ASSERT_EQ(ReadUnitInteger(1, whole), 1);
    EXPECT_EQ(whole, -1);
}

TEST_F(UnitRecordConversions, ADateRecordReadsAsTheDateText)
{
    const DATE dates[] = {3.34, 365.0, 0.75, -1.25};
    for (const DATE date : dates)
        Feed(1, ByValueRecord(VT_DATE, &date, sizeof date));
    ASSERT_EQ(RewindUnit(1), 1);
    EXPECT_EQ(ReadText(22), "1/2/1900 8:09:36 AM   ");
    EXPECT_EQ(ReadText(12), "12/30/1900  ");
    EXPECT_EQ(ReadText(12), "6:00:00 PM  ");
    EXPECT_EQ(ReadText(21), "12/29/1899 6:00:00 AM");
}

TEST_F(UnitRecordConversions, ADecimalIsWrittenAsItsText)
{
    VARIANT decimal{};
    decimal.decVal.scale = 3;
    decimal.decVal.sign = DECIMAL_NEG;
    decimal.decVal.Lo64 = 1500;
    decimal.vt = VT_DECIMAL;
    ASSERT_EQ(WriteUnitVariant(1, decimal), 1);
    const std::vector<BYTE> bytes = Bytes(1);
    ASSERT_EQ(bytes.size(), 28u + 2 * 4);
    VARTYPE vt = 0;
    std::uint32_t count = 0;
    std::memcpy(&vt, bytes.data(), sizeof vt);
    std::memcpy(&count, bytes.data() + 24, sizeof count);
    EXPECT_EQ(vt, VT_BSTR);
    EXPECT_EQ(count, 4u);
    std::u16string text(4, u'\0');
    std::memcpy(text.data(), bytes.data() + 28, 8);
    EXPECT_EQ(text, u"-1.5");

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
    ASSERT_EQ(WriteUnitText(1, "2.5", 3), 1);
    ASSERT_EQ(WriteUnitText(1, "2.5", 3), 1);
    ASSERT_EQ(RewindUnit(1), 1);
    EXPECT_EQ(ReadText(5), "1.5  ");
    double number = 0;
    ASSERT_EQ(ReadUnitDouble(1, number), 1);
    EXPECT_EQ(number, 2.5);
    std::int32_t whole = 0;
    ASSERT_EQ(ReadUnitInteger(1, whole), 1);
    EXPECT_EQ(whole, 2) << "2.5 rounds half to even";
}

}  // namespace
