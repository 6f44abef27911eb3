// The code-page rows through MultiByteToWideChar and WideCharToMultiByte.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/platform_conformance/conformance_cases.h"
#include "tests/platform_conformance/expected_answer.h"
#include "tests/platform_conformance/platform_text.h"

namespace {

class PlatformToWide : public ::testing::TestWithParam<ToWideCase> {};

TEST_P(PlatformToWide, AnswersAsThePlatform)
{
    const ToWideCase& row = GetParam();
    const ExpectedAnswer expected(row);
    std::vector<WCHAR> out(static_cast<std::size_t>(std::max(row.room, 1)));
    SetLastError(0);
    const int answer = MultiByteToWideChar(row.codePage, row.flags, row.bytes.data(), static_cast<int>(row.bytes.size()),
                                           row.room == 0 ? nullptr : out.data(), row.room);
    ASSERT_EQ(answer, expected->answer);
    if (answer == 0) {
        EXPECT_EQ(GetLastError(), expected->lastError);
    } else if (row.room > 0) {
        const std::u16string units(out.begin(), out.begin() + answer);
        EXPECT_EQ(Readable(units), Readable(expected->units));
    }
}

class PlatformToNarrow : public ::testing::TestWithParam<ToNarrowCase> {};

TEST_P(PlatformToNarrow, AnswersAsThePlatform)
{
    const ToNarrowCase& row = GetParam();
    const ExpectedAnswer expected(row);
    const std::vector<WCHAR> units = WideUnits(row.units);
    std::string out(static_cast<std::size_t>(std::max(row.room, 1)), '\0');
    constexpr BOOL NotSet = 7;
    BOOL usedDefault = NotSet;
    SetLastError(0);
    const int answer = WideCharToMultiByte(row.codePage, row.flags, units.data(), static_cast<int>(units.size()),
                                           row.room == 0 ? nullptr : out.data(), row.room, row.defaultChar,
                                           row.askUsedDefault ? &usedDefault : nullptr);
    ASSERT_EQ(answer, expected->answer);
    if (answer == 0) {
        EXPECT_EQ(GetLastError(), expected->lastError);
        return;
    }
    if (row.room > 0) {
        EXPECT_EQ(Readable(out.substr(0, static_cast<std::size_t>(answer))), Readable(expected->bytes));
    }
    if (row.askUsedDefault) {
        EXPECT_EQ(usedDefault, expected->usedDefault);
    }
}

// Code page 1252 and UTF-8 have no characters of two bytes, so no byte leads one; a code
// page that is not there answers FALSE too, and says why in the last error.
TEST(PlatformLeadBytes, NoByteLeadsACharacterOutsideTheDoubleByteCodePages)
{
    for (const UINT codePage : {UINT{CP_ACP}, UINT{CP_THREAD_ACP}, UINT{1252}, UINT{CP_UTF8}}) {
        for (int byte = 0; byte < 256; ++byte) {
            EXPECT_FALSE(IsDBCSLeadByteEx(codePage, static_cast<BYTE>(byte)))
                << "code page " << codePage << ", byte " << byte;
        }
    }
    SetLastError(0);
    EXPECT_FALSE(IsDBCSLeadByteEx(12345, 0x81));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

INSTANTIATE_TEST_SUITE_P(Table, PlatformToWide, ::testing::ValuesIn(ToWideCases().begin(), ToWideCases().end()),
                         RowName<::testing::TestParamInfo<ToWideCase>>);
INSTANTIATE_TEST_SUITE_P(Table, PlatformToNarrow, ::testing::ValuesIn(ToNarrowCases().begin(), ToNarrowCases().end()),
                         RowName<::testing::TestParamInfo<ToNarrowCase>>);

}  // namespace
