// Records for a Japanese user: CTest runs this program with a Japanese locale (LC_ALL), whose
// ANSI code page, 932, takes two bytes for a kanji. A text reads back into a buffer by
// bytes, as many as the buffer holds, and never ends on the first byte of a character.
#include <gtest/gtest.h>

#include <string>

#include "engine_services/units/unit_records.h"
#include "tests/engine_services/units/unit_record_fixture.h"

namespace {

// In code page 932: three kanji, a character whose second byte is also a first byte, and a
// katakana of one byte.
const std::string Nihongo = "\x93\xFA\x96\x7B\x8C\xEA";  // U+65E5 U+672C U+8A9E
const std::string FullwidthEquals = "\x81\x81";          // U+FF1D
const std::string HalfwidthA = "\xB1";                   // U+FF71

class UnitRecordsForAJapaneseUser : public UnitRecords {
protected:
    void SetUp() override
    {
        UnitRecords::SetUp();
        ASSERT_EQ(GetACP(), 932u) << "the program runs for a Japanese user (LC_ALL=ja_JP.UTF-8)";
    }
};

TEST_F(UnitRecordsForAJapaneseUser, TextIsStoredAsItsCharacters)
{
    ASSERT_EQ(WriteUnitText(1, Nihongo.data(), static_cast<std::int32_t>(Nihongo.size())), 1);
    EXPECT_EQ(Bytes(1), StringRecord(3, OLESTR("\u65E5\u672C\u8A9E")));
}

TEST_F(UnitRecordsForAJapaneseUser, TextReadsBackByBytesAndNeverEndsOnHalfACharacter)
{
    const struct {
        const char* what;
        std::string text;
        std::uint32_t length;
        std::string delivered;
    } cases[] = {
        {"room to spare", Nihongo, 10, Nihongo + "    "},
        {"exactly the room", Nihongo, 6, Nihongo},
        {"the last kanji cut", Nihongo, 5, Nihongo.substr(0, 4) + " "},
        {"no room for one kanji", Nihongo, 1, " "},
        {"six kanji", Nihongo + Nihongo, 12, Nihongo + Nihongo},
        {"one byte before a kanji", "A" + Nihongo, 2, "A "},
        {"one-byte katakana", HalfwidthA + HalfwidthA, 1, HalfwidthA},
        {"a second byte that could be a first", FullwidthEquals + FullwidthEquals, 3, FullwidthEquals + " "},
        {"a second byte that could be a first, then more", FullwidthEquals + "A", 2, FullwidthEquals},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(CreateUnitStream(1, "CASE.DAT", 8, ReadWriteExclusive | STGM_CREATE), 1);
        ASSERT_EQ(WriteUnitText(1, c.text.data(), static_cast<std::int32_t>(c.text.size())), 1) << c.what;
        ASSERT_EQ(RewindUnit(1), 1);
        EXPECT_EQ(ReadText(c.length), c.delivered) << c.what;
    }
}

}  // namespace
