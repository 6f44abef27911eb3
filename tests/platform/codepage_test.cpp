// Code-page conversions: Windows-1252 as the ANSI code page, UTF-8, and the length rules.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/codepage/codepage.h"
#include "platform/last_error.h"

namespace {

TEST(CodePage, Windows1252MapsItsUpperHalfAndItsUndefinedBytes)
{
    const struct {
        unsigned char byte;
        char16_t unit;
    } cases[] = {
        {0x41, u'A'}, {0x80, 0x20AC}, {0x81, 0x0081}, {0x8D, 0x008D}, {0x8F, 0x008F},
        {0x90, 0x0090}, {0x9D, 0x009D}, {0x9F, 0x0178}, {0xE9, 0x00E9}, {0xFF, 0x00FF},
    };
    for (const UINT codePage : {CP_ACP, CP_THREAD_ACP}) {
        for (const auto& c : cases) {
            const char in = static_cast<char>(c.byte);
            char16_t out = 0;
            ASSERT_EQ(MultiByteToWideChar(codePage, 0, &in, 1, &out, 1), 1);
            EXPECT_EQ(out, c.unit) << int{c.byte};
            char back = 0;
            ASSERT_EQ(WideCharToMultiByte(codePage, 0, &out, 1, &back, 1, nullptr, nullptr), 1);
            EXPECT_EQ(static_cast<unsigned char>(back), c.byte);
        }
    }
}

TEST(CodePage, LengthRules)
{
    char16_t out[8] = {};
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, out, 8), 4) << "-1 counts the terminator";
    EXPECT_EQ(out[3], u'\0');
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", 3, nullptr, 0), 3) << "size query";
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", 3, out, 2), 0) << "buffer too small";
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", 0, out, 8), 0);
    EXPECT_EQ(MultiByteToWideChar(1200, 0, "abc", 3, out, 8), 0) << "code page not offered";

    char narrow[8] = {};
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"abc", -1, narrow, 8, nullptr, nullptr), 4);
    EXPECT_STREQ(narrow, "abc");
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"abc", 3, narrow, 2, nullptr, nullptr), 0);
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"abc", 3, nullptr, 0, nullptr, nullptr), 3);
}

TEST(CodePage, FailuresAnswerZeroWithThePlatformsLastError)
{
    char16_t wide[2] = {};
    char narrow[2] = {};
    BOOL usedDefault = FALSE;
    const char defaultChar = '_';
    const struct {
        const char* what;
        std::function<int()> convert;
        DWORD error;
    } cases[] = {
        {"to UTF-16 into a buffer too small", [&] { return MultiByteToWideChar(CP_ACP, 0, "abc", 3, wide, 2); },
         ERROR_INSUFFICIENT_BUFFER},
        {"to narrow text into a buffer too small",
         [&] { return WideCharToMultiByte(CP_ACP, 0, u"abc", 3, narrow, 2, nullptr, nullptr); },
         ERROR_INSUFFICIENT_BUFFER},
        {"a code page not offered", [&] { return MultiByteToWideChar(1200, 0, "a", 1, wide, 2); },
         ERROR_INVALID_PARAMETER},
        {"a code page not offered, to narrow text",
         [&] { return WideCharToMultiByte(437, 0, u"a", 1, narrow, 2, nullptr, nullptr); }, ERROR_INVALID_PARAMETER},
        {"no text", [&] { return MultiByteToWideChar(CP_ACP, 0, nullptr, 1, wide, 2); }, ERROR_INVALID_PARAMETER},
        {"a text of length 0", [&] { return MultiByteToWideChar(CP_ACP, 0, "a", 0, wide, 2); },
         ERROR_INVALID_PARAMETER},
        {"a length below -1", [&] { return WideCharToMultiByte(CP_ACP, 0, u"a", -2, narrow, 2, nullptr, nullptr); },
         ERROR_INVALID_PARAMETER},
        {"a size without a buffer", [&] { return MultiByteToWideChar(CP_ACP, 0, "a", 1, nullptr, 2); },
         ERROR_INVALID_PARAMETER},
        {"a negative size", [&] { return MultiByteToWideChar(CP_ACP, 0, "a", 1, wide, -1); },
         ERROR_INVALID_PARAMETER},
        {"a size without a buffer, to narrow text",
         [&] { return WideCharToMultiByte(CP_ACP, 0, u"a", 1, nullptr, 2, nullptr, nullptr); },
         ERROR_INVALID_PARAMETER},
        {"a negative size, to narrow text",
         [&] { return WideCharToMultiByte(CP_ACP, 0, u"a", 1, narrow, -1, nullptr, nullptr); },
         ERROR_INVALID_PARAMETER},
        {"a default character for UTF-8",
         [&] { return WideCharToMultiByte(CP_UTF8, 0, u"a", 1, narrow, 2, &defaultChar, nullptr); },
         ERROR_INVALID_PARAMETER},
        {"a default flag for UTF-8",
         [&] { return WideCharToMultiByte(CP_UTF8, 0, u"a", 1, narrow, 2, nullptr, &usedDefault); },
         ERROR_INVALID_PARAMETER},
    };
    for (const auto& c : cases) {
        SetLastError(0);
        EXPECT_EQ(c.convert(), 0) << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }
}

TEST(CodePage, CharactersWithoutAnAnsiFormBecomeTheDefault)
{
    char narrow[4] = {};
    BOOL usedDefault = FALSE;
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"a\u4E2D", 2, narrow, 4, nullptr, &usedDefault), 2);
    EXPECT_EQ(std::string(narrow, 2), "a?");
    EXPECT_EQ(usedDefault, TRUE);
}

TEST(CodePage, Utf8BothWays)
{
    const char* text = "\xE2\x82\xAC x \xF0\x9F\x98\x80";  // euro sign, x, an emoji
    char16_t wide[16] = {};
    const int units = MultiByteToWideChar(CP_UTF8, 0, text, -1, wide, 16);
    ASSERT_EQ(units, 7);
    EXPECT_EQ(std::u16string(wide, 6), u"\u20AC x \U0001F600");
    char back[16] = {};
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, wide, -1, back, 16, nullptr, nullptr), 11);
    EXPECT_STREQ(back, text);
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "\xFF", 1, wide, 16), 1);
    EXPECT_EQ(wide[0], 0xFFFD);
}

// Two-byte sequences have the lead bytes C2 to DF; C0 and C1 could only start overlong
// forms, and each such byte, like a stray continuation byte, is one replacement unit.
TEST(CodePage, Utf8TwoByteSequences)
{
    const struct {
        const char* bytes;
        std::u16string text;
    } cases[] = {
        {"\xC2\x80", u"\u0080"},
        {"\xC2\xB0", u"\u00B0"},
        {"\xDF\xBF", u"\u07FF"},
        {"\xC1\xBF", u"\uFFFD\uFFFD"},
        {"\xC0\x80", u"\uFFFD\uFFFD"},
    };
    for (const auto& c : cases) {
        char16_t wide[4] = {};
        const int units = MultiByteToWideChar(CP_UTF8, 0, c.bytes, 2, wide, 4);
        EXPECT_EQ(std::u16string(wide, static_cast<std::size_t>(units > 0 ? units : 0)), c.text) << c.bytes;
    }
}

}  // namespace
