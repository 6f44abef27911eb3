// Without a converter for the ANSI code page, conversions through it fail as they do on the
// platform for a code page that is not installed, and unit records refuse texts they cannot
// convert. This program links a converter name that does not exist in place of the real one.
#include <gtest/gtest.h>

#include <string>

#include "engine_services/units/unit_records.h"
#include "platform/codepage/codepage.h"
#include "platform/codepage/linux/windows1252.h"
#include "platform/last_error.h"
#include "tests/engine_services/units/storage_fixture.h"

const char* const Windows1252ConverterName = "NO-SUCH-CONVERTER";

namespace {

TEST(MissingAnsiConverter, AnsiConversionsAnswerZeroWithInvalidParameter)
{
    for (const UINT codePage : {CP_ACP, CP_THREAD_ACP, AnsiCodePage}) {
        char16_t wide[4] = {u'#', u'#', u'#', u'#'};
        SetLastError(0);
        EXPECT_EQ(MultiByteToWideChar(codePage, 0, "abc", -1, wide, 4), 0) << codePage;
        EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER) << codePage;
        EXPECT_EQ(wide[0], u'#') << "nothing passed through unchanged";
        SetLastError(0);
        EXPECT_EQ(MultiByteToWideChar(codePage, 0, "abc", 3, nullptr, 0), 0) << "no size either";
        EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER) << codePage;

        char narrow[4] = {'#', '#', '#', '#'};
        SetLastError(0);
        EXPECT_EQ(WideCharToMultiByte(codePage, 0, u"abc", -1, narrow, 4, nullptr, nullptr), 0) << codePage;
        EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER) << codePage;
        EXPECT_EQ(narrow[0], '#');
    }
}

TEST(MissingAnsiConverter, Utf8NeedsNoConverter)
{
    char16_t wide[4] = {};
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "\xC3\xA9", -1, wide, 4), 2);
    EXPECT_EQ(wide[0], 0x00E9);
    char narrow[4] = {};
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"\u00E9", -1, narrow, 4, nullptr, nullptr), 3);
    EXPECT_STREQ(narrow, "\xC3\xA9");
}

class UnitsWithoutAnsiConverter : public StorageFixture {
protected:
    // Binds unit 1 to a stream created directly: no file name can be converted here.
    void BindUnitOne()
    {
        IStream* stream = nullptr;
        ASSERT_EQ(storage->CreateStream(u"INP", ReadWriteExclusive, 0, 0, &stream), S_OK);
        UnitTable.emplace_back();
        UnitTable.back().unit = 1;
        UnitTable.back().stream = stream;
    }
};

TEST_F(UnitsWithoutAnsiConverter, NoStreamIsNamedAfterAFileName)
{
    EXPECT_EQ(CreateUnitStream(1, "CASE.DAT", 8, ReadWriteExclusive), 0);
    EXPECT_EQ(FindUnitStream(1), nullptr);
}

TEST_F(UnitsWithoutAnsiConverter, TextsAreNeitherWrittenNorDelivered)
{
    BindUnitOne();
    EXPECT_EQ(WriteUnitText(1, "LOST", 4), 0) << "not written as an empty text";
    EXPECT_EQ(WriteUnitText(1, "", 0), 0);
    EXPECT_TRUE(Bytes(1).empty());

    ASSERT_EQ(WriteUnitInteger(1, 12), 1) << "numbers need no code page";
    ASSERT_EQ(RewindUnit(1), 1);
    std::string buffer(4, '#');
    EXPECT_EQ(ReadUnitText(1, buffer.data(), 4), 0) << "not delivered as zero bytes";
    EXPECT_EQ(buffer, "    ");
}

}  // namespace
