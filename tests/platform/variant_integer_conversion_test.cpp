// VariantChangeType between the integer, boolean and currency types: same-size integers by
// their bits, booleans by theirs, and currency from 64-bit integers exactly.
#include <gtest/gtest.h>

#include <cstddef>

#include "tests/platform/variant_values.h"

namespace {

struct WholeCase {
    const char* label;
    VARIANT source;
    VARTYPE target;
    HRESULT hr;
    LONGLONG expected;  // the target's value; a VT_UI8 by its bits
};

template <std::size_t N>
void ExpectConversions(const WholeCase (&cases)[N])
{
    for (const WholeCase& c : cases) {
        const Converted converted(c.source, c.target);
        EXPECT_EQ(converted.hr, c.hr) << c.label;
        if (c.hr != S_OK) {
            EXPECT_EQ(converted.value.vt, VT_EMPTY) << c.label;
            continue;
        }
        EXPECT_EQ(converted.value.vt, c.target) << c.label;
        EXPECT_EQ(WholeOf(converted.value), c.expected) << c.label;
    }
}

TEST(IntegerConversion, SameSizeSignedAndUnsignedKeepTheBits)
{
    const WholeCase cases[] = {
        {"UI4 all ones to I4", Whole(VT_UI4, 0xFFFFFFFF), VT_I4, S_OK, -1},
        {"I4 -1 to UI4", Whole(VT_I4, -1), VT_UI4, S_OK, 4294967295},
        {"UINT high bit to I4", Whole(VT_UINT, 0x80000000), VT_I4, S_OK, -2147483647 - 1},
        {"I2 -2 to UI2", Whole(VT_I2, -2), VT_UI2, S_OK, 65534},
        {"UI2 40000 to I2", Whole(VT_UI2, 40000), VT_I2, S_OK, -25536},
        {"I1 -1 to UI1", Whole(VT_I1, -1), VT_UI1, S_OK, 255},
        {"UI1 200 to I1", Whole(VT_UI1, 200), VT_I1, S_OK, -56},
    };
    ExpectConversions(cases);
}

TEST(IntegerConversion, BetweenSizesTheRangeIsChecked)
{
    const WholeCase cases[] = {
        {"UI4 all ones to I2", Whole(VT_UI4, 0xFFFFFFFF), VT_I2, DISP_E_OVERFLOW, 0},
        {"I4 -1 to UI2", Whole(VT_I4, -1), VT_UI2, DISP_E_OVERFLOW, 0},
        {"I1 -1 to UI4", Whole(VT_I1, -1), VT_UI4, DISP_E_OVERFLOW, 0},
        {"UI2 40000 to I1", Whole(VT_UI2, 40000), VT_I1, DISP_E_OVERFLOW, 0},
        {"I8 -1 to UI4", Whole(VT_I8, -1), VT_UI4, DISP_E_OVERFLOW, 0},
        {"UI4 all ones to I8", Whole(VT_UI4, 0xFFFFFFFF), VT_I8, S_OK, 4294967295},
        {"UI1 200 to I2", Whole(VT_UI1, 200), VT_I2, S_OK, 200},
    };
    ExpectConversions(cases);
}

TEST(IntegerConversion, TrueIsAllOnesInEveryIntegerType)
{
    const VARIANT yes = Whole(VT_BOOL, VARIANT_TRUE);
    const WholeCase cases[] = {
        {"to UI1", yes, VT_UI1, S_OK, 255},
        {"to UI2", yes, VT_UI2, S_OK, 65535},
        {"to UI4", yes, VT_UI4, S_OK, 4294967295},
        {"to UINT", yes, VT_UINT, S_OK, 4294967295},
        {"to UI8", yes, VT_UI8, S_OK, -1},
        {"to I1", yes, VT_I1, S_OK, -1},
        {"to I4", yes, VT_I4, S_OK, -1},
        {"to I8", yes, VT_I8, S_OK, -1},
        {"false to UI1", Whole(VT_BOOL, VARIANT_FALSE), VT_UI1, S_OK, 0},
    };
    ExpectConversions(cases);
}

TEST(IntegerConversion, CurrencyFromIntegersIsExactUpToItsRange)
{
    // The platform's recorded results: integers convert below 922337203685477 in magnitude,
    // though currency holds ±922337203685477.5807 in all.
    constexpr LONGLONG largest = 922337203685476;
    const WholeCase cases[] = {
        {"largest I8", Whole(VT_I8, largest), VT_CY, S_OK, largest * 10000},
        {"smallest I8", Whole(VT_I8, -largest), VT_CY, S_OK, -largest * 10000},
        {"I8 a double cannot scale exactly", Whole(VT_I8, 123456789012345), VT_CY, S_OK, 1234567890123450000},
        {"largest UI8", Whole(VT_UI8, largest), VT_CY, S_OK, largest * 10000},
        {"I8 just above", Whole(VT_I8, largest + 1), VT_CY, DISP_E_OVERFLOW, 0},
        {"I8 just below", Whole(VT_I8, -largest - 1), VT_CY, DISP_E_OVERFLOW, 0},
        {"UI8 just above", Whole(VT_UI8, largest + 1), VT_CY, DISP_E_OVERFLOW, 0},
        {"UI8 all ones", Whole(VT_UI8, -1), VT_CY, DISP_E_OVERFLOW, 0},
        {"I4", Whole(VT_I4, -2147483647 - 1), VT_CY, S_OK, -21474836480000},
        {"true", Whole(VT_BOOL, VARIANT_TRUE), VT_CY, S_OK, -10000},
    };
    ExpectConversions(cases);
}

}  // namespace
