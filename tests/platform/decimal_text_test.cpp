// A DECIMAL as text: every digit of its 96-bit value, the point placed by its scale, no
// trailing zeros after the point, and its sign.
#include <gtest/gtest.h>

#include "tests/platform/variant_values.h"

namespace {

constexpr ULONGLONG AllOnes = 0xFFFFFFFFFFFFFFFFull;

TEST(DecimalText, ValueScaleAndSign)
{
    const struct {
        BYTE scale;
        BYTE sign;
        ULONG hi;
        ULONGLONG lo;
        const char16_t* text;
    } cases[] = {
        {0, 0, 0, 0, u"0"},
        {0, 0, 0, 1, u"1"},
        {3, 0, 0, 1000, u"1"},
        {1, 0, 0, 15, u"1.5"},
        {3, 0, 0, 1500, u"1.5"},
        {1, DECIMAL_NEG, 0, 15, u"-1.5"},
        {4, 0, 0, 9, u"0.0009"},
        {7, 0, 0, 9000, u"0.0009"},
        {10, 0, 0, 1, u"0.0000000001"},
        {0, 0, 0, 0xFFFFFFFF, u"4294967295"},
        {0, 0, 0, 0x100000000, u"4294967296"},
        {0, 0, 0, AllOnes, u"18446744073709551615"},
        {0, 0, 1, 0, u"18446744073709551616"},
        {0, 0, 0xFFFFFFFF, AllOnes, u"79228162514264337593543950335"},
        {0, DECIMAL_NEG, 0xFFFFFFFF, AllOnes, u"-79228162514264337593543950335"},
        {10, 0, 0xFFFFFFFF, AllOnes, u"7922816251426433759.3543950335"},
        {28, 0, 0xFFFFFFFF, AllOnes, u"7.9228162514264337593543950335"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AsText(Decimal(c.scale, c.sign, c.hi, c.lo)), c.text) << Narrow(c.text);
}

TEST(DecimalText, AScaleAbove28OrAnUnknownSignIsInvalid)
{
    const struct {
        BYTE scale;
        BYTE sign;
    } cases[] = {{29, 0}, {0, 0x01}, {0, 0x40}, {0, 0x7F}};
    for (const auto& c : cases) {
        const Converted converted(Decimal(c.scale, c.sign, 0, 0), VT_BSTR);
        EXPECT_EQ(converted.hr, E_INVALIDARG) << int{c.scale} << " " << int{c.sign};
        EXPECT_EQ(converted.value.vt, VT_EMPTY);
    }
}

}  // namespace
