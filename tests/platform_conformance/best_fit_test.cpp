// The best-fit table of code page 1252, row by row, against WideCharToMultiByte without
// flags: each unit in the table gets its byte by best fit, and each unit not in it gets a
// byte of its own or the default character. In the Windows build this checks the table
// itself against the platform; here, that the stand-in converts by it.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "platform/codepage/codepage.h"
#include "platform/codepage/linux/windows1252_best_fit.h"
#include "tests/platform_conformance/platform_text.h"
#include "tests/support/platform_objects.h"

namespace {

constexpr UINT Windows1252 = 1252;

// The unit that Wine answers with the default character, where the platform's published
// best-fit table (bestfit1252.txt), and so the stand-in's, maps it to '?'.
constexpr char16_t WineDefaultsFullwidthQuestionMark = 0xFF1F;

std::optional<BYTE> TableByte(char16_t unit)
{
    const BestFit* const end = Windows1252BestFits + Windows1252BestFitCount;
    const BestFit* const found =
        std::find_if(Windows1252BestFits, end, [unit](const BestFit& fit) { return fit.unit == unit; });
    return found == end ? std::nullopt : std::optional<BYTE>(found->byte);
}

// How the platform converts the unit: "byte XX" for a byte of its own, "best fit XX", or
// "default".
std::string Conversion(char16_t unit)
{
    const WCHAR wide = unit;
    char byte = 0;
    BOOL usedDefault = FALSE;
    WideCharToMultiByte(Windows1252, 0, &wide, 1, &byte, 1, nullptr, &usedDefault);
    if (usedDefault)
        return "default";
    WCHAR back = 0;
    MultiByteToWideChar(Windows1252, 0, &byte, 1, &back, 1);
    std::string shown = back == wide ? "byte " : "best fit ";
    AppendHex(shown, static_cast<unsigned char>(byte), 2);
    return shown;
}

std::string Expected(char16_t unit)
{
    const std::optional<BYTE> byte = TableByte(unit);
    if (!byte)
        return "";  // a byte of its own, or the default
    if (unit == WineDefaultsFullwidthQuestionMark && RunsUnderWine())
        return "default";
    std::string shown = "best fit ";
    AppendHex(shown, *byte, 2);
    return shown;
}

TEST(PlatformBestFit, EveryUnitConvertsAsTheTableSays)
{
    ASSERT_TRUE(std::is_sorted(Windows1252BestFits, Windows1252BestFits + Windows1252BestFitCount,
                               [](const BestFit& a, const BestFit& b) { return a.unit < b.unit; }));
    int differences = 0;
    for (unsigned value = 1; value <= 0xFFFF; ++value) {
        const auto unit = static_cast<char16_t>(value);
        const std::string converted = Conversion(unit);
        const std::string expected = Expected(unit);
        const bool agrees = expected.empty() ? converted.rfind("best fit", 0) != 0 : converted == expected;
        if (!agrees && ++differences <= 20) {
            ADD_FAILURE() << "U+" << Readable(std::u16string(1, unit)).substr(2) << ": the platform gives " << converted
                          << ", the table " << (expected.empty() ? "no best fit" : expected);
        }
    }
    EXPECT_EQ(differences, 0) << "units that convert otherwise than the table says";
}

}  // namespace
