#pragma once
// Records as a unit's stream holds them, and unit 1 bound to a new stream, for the tests of
// the record format and of the records' conversions.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine_services/units/unit_records.h"
#include "tests/engine_services/units/storage_fixture.h"

// A record's image: the type code, and the value's bytes from offset 8; the rest zero.
inline std::vector<BYTE> Image(VARTYPE vt, const void* value = nullptr, std::size_t size = 0)
{
    std::vector<BYTE> image(RecordImageBytes, 0);
    std::memcpy(image.data(), &vt, sizeof vt);
    if (value != nullptr)
        std::memcpy(image.data() + 8, value, size);
    return image;
}

// A text record: the image of a VT_BSTR, the count, then the UTF-16 code units.
inline std::vector<BYTE> StringRecord(std::uint32_t count, const OleString& text)
{
    std::vector<BYTE> record = Image(VT_BSTR);
    record.resize(RecordImageBytes + sizeof count);
    std::memcpy(record.data() + RecordImageBytes, &count, sizeof count);
    const auto* units = reinterpret_cast<const BYTE*>(text.data());
    record.insert(record.end(), units, units + text.size() * 2);
    return record;
}

class UnitRecords : public StorageFixture {
protected:
    void SetUp() override
    {
        StorageFixture::SetUp();
        Create(1);
    }
    // The next record of unit 1 as text, in a buffer of `length` bytes; the read answers
    // `expected`.
    std::string ReadText(std::uint32_t length, std::int32_t expected = 1)
    {
        std::string buffer(length, '#');
        EXPECT_EQ(ReadUnitText(1, buffer.data(), length), expected);
        return buffer;
    }
    // The text "2.5", written twice to unit 1, reads back as the double 2.5 and as the
    // integer 2 (half to even): the en-US forms, whatever the locale.
    void ExpectPointTextReadsAsEnUsNumbers()
    {
        ASSERT_EQ(WriteUnitText(1, "2.5", 3), 1);
        ASSERT_EQ(WriteUnitText(1, "2.5", 3), 1);
        ASSERT_EQ(RewindUnit(1), 1);
        double number = 0;
        ASSERT_EQ(ReadUnitDouble(1, number), 1);
        EXPECT_EQ(number, 2.5);
        std::int32_t whole = 0;
        ASSERT_EQ(ReadUnitInteger(1, whole), 1);
        EXPECT_EQ(whole, 2) << "2.5 rounds half to even";
    }
};
