// VariantChangeType with the platform's results: rounding half to even, overflow, type
// mismatch, the en-US text of numbers and what text parses as a number.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/platform/variant_values.h"

namespace {

TEST(VariantConversion, DoubleToIntegerRoundsHalfToEvenWithinRange)
{
    const struct {
        double value;
        HRESULT hr;
        LONG expected;
    } cases[] = {
        {0.5, S_OK, 0},
        {1.5, S_OK, 2},
        {2.5, S_OK, 2},
        {-0.5, S_OK, 0},
        {-1.5, S_OK, -2},
        {0.6, S_OK, 1},
        {2147483647.49, S_OK, 2147483647},
        {2147483647.5, DISP_E_OVERFLOW, 0},
        {-2147483648.5, S_OK, -2147483647 - 1},
        {-2147483648.51, DISP_E_OVERFLOW, 0},
        {std::nan(""), DISP_E_OVERFLOW, 0},
    };
    for (const auto& c : cases) {
        const VARIANT source = Real(c.value);
        VARIANT out;
        VariantInit(&out);
        EXPECT_EQ(VariantChangeType(&out, &source, 0, VT_I4), c.hr) << c.value;
        if (c.hr == S_OK) {
            EXPECT_EQ(out.vt, VT_I4);
            EXPECT_EQ(out.lVal, c.expected) << c.value;
        } else {
            EXPECT_EQ(out.vt, VT_EMPTY) << "a failed conversion leaves the destination";
        }
    }
}

TEST(VariantConversion, NarrowIntegersOverflowOutsideTheirRange)
{
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_I4;
    source.lVal = 40000;
    VARIANT out;
    VariantInit(&out);
    EXPECT_EQ(VariantChangeType(&out, &source, 0, VT_I2), DISP_E_OVERFLOW);
    EXPECT_EQ(VariantChangeType(&out, &source, 0, VT_UI2), S_OK);
    EXPECT_EQ(out.uiVal, 40000);
}

TEST(VariantConversion, DoubleTextHasTheFormOfThePlatform)
{
    const struct {
        double value;
        const char16_t* text;
    } cases[] = {
        {1.5, u"1.5"},
        {0.1, u"0.1"},
        {-2.0, u"-2"},
        {0.0, u"0"},
        {3.141592653589793, u"3.14159265358979"},
        {1e20, u"1E+20"},
        {1e15, u"1E+15"},
        {1.2e15, u"1.2E+15"},
        {999999999999999.0, u"999999999999999"},
        {1e-5, u"0.00001"},
        {5.6789e-11, u"0.000000000056789"},
        {5.6789e-12, u"5.6789E-12"},
        {123456789012345678.0, u"1.23456789012346E+17"},
        {1e-20, u"1E-20"},
        {-1e300, u"-1E+300"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AsText(Real(c.value)), c.text) << c.value;

    VARIANT single;
    VariantInit(&single);
    single.vt = VT_R4;
    single.fltVal = 1e8f;
    EXPECT_EQ(AsText(single), u"1E+08");
    single.fltVal = 0.1f;
    EXPECT_EQ(AsText(single), u"0.1");
}

TEST(VariantConversion, WholeNumbersAndCurrencyAsText)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = -42;
    EXPECT_EQ(AsText(v), u"-42");
    v.vt = VT_UI8;
    v.ullVal = 18446744073709551615ull;
    EXPECT_EQ(AsText(v), u"18446744073709551615");
    v.vt = VT_CY;
    v.cyVal.int64 = 12345;
    EXPECT_EQ(AsText(v), u"1.2345");
    v.cyVal.int64 = -20000;
    EXPECT_EQ(AsText(v), u"-2");
}

TEST(VariantConversion, TextToNumbers)
{
    const struct {
        const char16_t* text;
        HRESULT hr;
        double expected;
    } cases[] = {
        {u"1.5", S_OK, 1.5},
        {u"  -2.25E+2 ", S_OK, -225.0},
        {u"+7", S_OK, 7.0},
        {u".5", S_OK, 0.5},
        {u"", DISP_E_TYPEMISMATCH, 0},
        {u"   ", DISP_E_TYPEMISMATCH, 0},
        {u"abc", DISP_E_TYPEMISMATCH, 0},
        {u"1.5x", DISP_E_TYPEMISMATCH, 0},
        {u"1E", DISP_E_TYPEMISMATCH, 0},
        {u"inf", DISP_E_TYPEMISMATCH, 0},
        {u"1E400", DISP_E_OVERFLOW, 0},
    };
    for (const auto& c : cases) {
        OwnedText source(c.text);
        VARIANT out;
        VariantInit(&out);
        EXPECT_EQ(VariantChangeType(&out, &source.v, 0, VT_R8), c.hr);
        if (c.hr == S_OK) {
            EXPECT_EQ(out.dblVal, c.expected);
        }
    }
    VARIANT nullText;
    VariantInit(&nullText);
    nullText.vt = VT_BSTR;
    nullText.bstrVal = nullptr;
    VARIANT out;
    VariantInit(&out);
    EXPECT_EQ(VariantChangeType(&out, &nullText, 0, VT_R8), DISP_E_TYPEMISMATCH);
}

// The platform reads a text up to its first zero unit, whatever its stored length says.
TEST(VariantConversion, TextEndsAtItsFirstZeroUnit)
{
    OwnedText source(std::u16string(u"12\0x", 4));
    const Converted real(source.v, VT_R8);
    ASSERT_EQ(real.hr, S_OK);
    EXPECT_EQ(real.value.dblVal, 12.0);
    const Converted whole(source.v, VT_I4);
    ASSERT_EQ(whole.hr, S_OK);
    EXPECT_EQ(whole.value.lVal, 12);
}

// On the double's exact value: the double 0.00005 is a little above that, 0.00035 a little
// below; 0.03125 and 0.09375 are exact and fall half way.
TEST(VariantConversion, RealToCurrencyRoundsItsExactValueToTheNearestTenThousandthHalfToEven)
{
    const struct {
        double value;
        LONGLONG scaled;
    } cases[] = {
        {0.00006, 1},    {0.00004, 0},     {0.00005, 1},  {0.00025, 3},  {0.00035, 3},     {-0.00005, -1},
        {-0.00009, -1},  {1.23455, 12346}, {-2.5, -25000}, {0.03125, 312}, {0.09375, 938}, {-0.03125, -312},
    };
    for (const auto& c : cases) {
        const Converted converted(Real(c.value), VT_CY);
        ASSERT_EQ(converted.hr, S_OK) << c.value;
        EXPECT_EQ(converted.value.cyVal.int64, c.scaled) << c.value;
    }
}

TEST(VariantConversion, TextWithManyDigitsKeepsItsValueWhateverItsExponent)
{
    const std::u16string zeros(150000, u'0');
    const struct {
        const char* label;
        std::u16string text;
        HRESULT hr;
        double expected;
    } cases[] = {
        {"many integer digits, large negative exponent", u"1" + zeros + u"E-150000", S_OK, 1.0},
        {"many fraction digits, large positive exponent", u"0." + zeros + u"1E150001", S_OK, 1.0},
        {"many integer digits, still too large", u"1" + zeros + u"E-140000", DISP_E_OVERFLOW, 0},
        {"many fraction digits, still too small", u"0." + zeros + u"1E140000", S_OK, 0.0},
        {"huge exponent", u"1E99999999999999999999", DISP_E_OVERFLOW, 0},
        {"huge negative exponent", u"1E-99999999999999999999", S_OK, 0.0},
        {"zero with a huge exponent", u"0E99999999999999999999", S_OK, 0.0},
    };
    for (const auto& c : cases) {
        OwnedText source(c.text);
        const Converted converted(source.v, VT_R8);
        EXPECT_EQ(converted.hr, c.hr) << c.label;
        if (c.hr == S_OK && converted.hr == S_OK) {
            EXPECT_EQ(converted.value.dblVal, c.expected) << c.label;
        }
    }
}

TEST(VariantConversion, TextThatIsANumberOnlyInPartIsNoNumber)
{
    const char16_t* const texts[] = {
        u"2.5 3", u"1..5", u"1.5.2", u"--1", u"+-1", u"12abc", u"1E5x", u"1E+", u"0x10", u".", u"-", u"1 E5",
    };
    for (const char16_t* text : texts) {
        OwnedText source(text);
        for (const VARTYPE target : {VARTYPE{VT_R8}, VARTYPE{VT_I4}, VARTYPE{VT_CY}}) {
            const Converted converted(source.v, target);
            EXPECT_EQ(converted.hr, DISP_E_TYPEMISMATCH) << Narrow(text) << " to type " << target;
            EXPECT_EQ(converted.value.vt, VT_EMPTY) << Narrow(text);
        }
    }
    OwnedText blanksAround(u"\t 1.5 \t");
    const Converted converted(blanksAround.v, VT_R8);
    ASSERT_EQ(converted.hr, S_OK) << "spaces and tabs may stand around the number";
    EXPECT_EQ(converted.value.dblVal, 1.5);
}

TEST(VariantConversion, TextDigitsRoundHalfAwayFromZeroOnTheExactValue)
{
    const struct {
        const char* label;
        VARIANT value;
        const char16_t* text;
    } cases[] = {
        {"single tie", Single(654322.25f), u"654322.3"},
        {"negative single tie", Single(-654322.25f), u"-654322.3"},
        {"double tie", Real(123456789012344.5), u"123456789012345"},
        {"negative double tie", Real(-123456789012344.5), u"-123456789012345"},
        {"double tie in the fraction", Real(1234.000244140625), u"1234.00024414063"},
        {"double tie that carries", Real(999999999999999.5), u"1E+15"},
        {"just below a tie", Real(8.626903632435095), u"8.62690363243509"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AsText(c.value), c.text) << c.label;
}

TEST(VariantConversion, TextToIntegerRoundsHalfToEven)
{
    OwnedText half(u"2.5");
    VARIANT out;
    VariantInit(&out);
    ASSERT_EQ(VariantChangeType(&out, &half.v, 0, VT_I4), S_OK);
    EXPECT_EQ(out.lVal, 2);
    OwnedText large(u"3000000000");
    EXPECT_EQ(VariantChangeType(&out, &large.v, 0, VT_I4), DISP_E_OVERFLOW);
}

TEST(VariantConversion, EmptyIsZeroAndTheEmptyTextNullIsNoNumber)
{
    VARIANT empty;
    VariantInit(&empty);
    VARIANT out;
    VariantInit(&out);
    ASSERT_EQ(VariantChangeType(&out, &empty, 0, VT_R8), S_OK);
    EXPECT_EQ(out.dblVal, 0.0);
    ASSERT_EQ(VariantChangeType(&out, &empty, 0, VT_I4), S_OK);
    EXPECT_EQ(out.lVal, 0);
    EXPECT_EQ(AsText(empty), u"");

    VARIANT null;
    VariantInit(&null);
    null.vt = VT_NULL;
    EXPECT_EQ(VariantChangeType(&out, &null, 0, VT_R8), DISP_E_TYPEMISMATCH);
}

TEST(VariantConversion, EmptyAndNullTargetsDropNumbersAndBooleans)
{
    VARIANT empty;
    VariantInit(&empty);
    const struct {
        const char* label;
        VARIANT value;
    } sources[] = {
        {"empty", empty},
        {"I1", Whole(VT_I1, -3)},
        {"UI1", Whole(VT_UI1, 3)},
        {"I2", Whole(VT_I2, -3)},
        {"UI2", Whole(VT_UI2, 3)},
        {"I4", Whole(VT_I4, -3)},
        {"UI4", Whole(VT_UI4, 3)},
        {"I8", Whole(VT_I8, -3)},
        {"UI8", Whole(VT_UI8, 3)},
        {"INT", Whole(VT_INT, -3)},
        {"UINT", Whole(VT_UINT, 3)},
        {"bool", Whole(VT_BOOL, VARIANT_TRUE)},
        {"currency", Whole(VT_CY, 30000)},
        {"single", Single(2.5f)},
        {"double", Real(2.5)},
        {"date", Date(2.5)},
        {"decimal", Decimal(1, 0, 0, 25)},
    };
    for (const auto& source : sources) {
        for (const VARTYPE target : {VARTYPE{VT_EMPTY}, VARTYPE{VT_NULL}}) {
            const Converted converted(source.value, target);
            EXPECT_EQ(converted.hr, S_OK) << source.label << " to type " << target;
            EXPECT_EQ(converted.value.vt, target) << source.label;
        }
    }
}

TEST(VariantConversion, NullAndErrorConvertToNothingButThemselves)
{
    VARIANT null;
    VariantInit(&null);
    null.vt = VT_NULL;
    VARIANT error;
    VariantInit(&error);
    error.vt = VT_ERROR;
    error.scode = DISP_E_OVERFLOW;
    const struct {
        const char* label;
        VARIANT source;
        VARTYPE target;
        HRESULT hr;
    } cases[] = {
        {"null to null", null, VT_NULL, S_OK},
        {"null to empty", null, VT_EMPTY, DISP_E_TYPEMISMATCH},
        {"null to I4", null, VT_I4, DISP_E_TYPEMISMATCH},
        {"null to text", null, VT_BSTR, DISP_E_TYPEMISMATCH},
        {"error to error", error, VT_ERROR, S_OK},
        {"error to empty", error, VT_EMPTY, DISP_E_TYPEMISMATCH},
        {"error to null", error, VT_NULL, DISP_E_TYPEMISMATCH},
        {"error to I4", error, VT_I4, DISP_E_TYPEMISMATCH},
        {"error to text", error, VT_BSTR, DISP_E_TYPEMISMATCH},
    };
    for (const auto& c : cases) {
        const Converted converted(c.source, c.target);
        EXPECT_EQ(converted.hr, c.hr) << c.label;
        EXPECT_EQ(converted.value.vt, c.hr == S_OK ? c.target : VARTYPE{VT_EMPTY}) << c.label;
    }
}

TEST(VariantConversion, TargetsThatHoldNoValueOrAreNoVariantTypes)
{
    const VARIANT source = Real(1.0);
    const struct {
        VARTYPE target;
        HRESULT hr;
    } cases[] = {
        {VT_DISPATCH, DISP_E_TYPEMISMATCH}, {VT_UNKNOWN, DISP_E_TYPEMISMATCH}, {VT_ERROR, DISP_E_TYPEMISMATCH},
        {VT_VARIANT, DISP_E_TYPEMISMATCH},  {VT_RECORD, DISP_E_TYPEMISMATCH},  {VT_VOID, DISP_E_BADVARTYPE},
        {VT_HRESULT, DISP_E_BADVARTYPE},    {VT_PTR, DISP_E_BADVARTYPE},       {VT_LPSTR, DISP_E_BADVARTYPE},
        {VT_LPWSTR, DISP_E_BADVARTYPE},     {VT_FILETIME, DISP_E_BADVARTYPE},  {VT_BLOB, DISP_E_BADVARTYPE},
        {VT_CLSID, DISP_E_BADVARTYPE},
    };
    for (const auto& c : cases) {
        VARIANT out;
        VariantInit(&out);
        EXPECT_EQ(VariantChangeType(&out, &source, 0, c.target), c.hr) << c.target;
    }
}

TEST(VariantConversion, InPlaceConversionReplacesTheValue)
{
    VARIANT v = Real(0.25);
    ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_BSTR), S_OK);
    ASSERT_EQ(v.vt, VT_BSTR);
    EXPECT_EQ(std::u16string(v.bstrVal, SysStringLen(v.bstrVal)), u"0.25");
    ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_R8), S_OK);
    EXPECT_EQ(v.vt, VT_R8);
    EXPECT_EQ(v.dblVal, 0.25);
}

TEST(VariantConversion, TextReachesIntegersAndCurrencyByItsDecimalDigits)
{
    const struct {
        const char16_t* text;
        VARTYPE target;
        LONGLONG expected;
    } cases[] = {
        // The nearest doubles are 2.5, 0.000149999... and 9007199254740992: a double would
        // round these otherwise.
        {u"2.5000000000000000001", VT_I4, 3},
        {u"0.00015", VT_CY, 2},
        {u"9007199254740993", VT_I8, 9007199254740993},
        {u"-9007199254740993.5", VT_I8, -9007199254740994},
        {u"$1,234.56785", VT_CY, 12345678},
    };
    for (const auto& c : cases) {
        OwnedText source(c.text);
        const Converted converted(source.v, c.target);
        ASSERT_EQ(converted.hr, S_OK) << Narrow(c.text);
        EXPECT_EQ(WholeOf(converted.value), c.expected) << Narrow(c.text);
    }
}

}  // namespace
