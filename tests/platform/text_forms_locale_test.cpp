// The text forms of numbers do not follow the process's locale: under a locale whose decimal
// separator is a comma, as a host may have set with setlocale(LC_ALL, ""), every text and
// every number read from text is the one of the "C" locale.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "tests/support/comma_locale_fixture.h"
#include "tests/platform/variant_values.h"

namespace {

using CommaLocaleConversion = CommaLocaleTest;

TEST_F(CommaLocaleConversion, NumbersAsTextKeepThePoint)
{
    const struct {
        const char* label;
        VARIANT value;
        const char16_t* text;
    } cases[] = {
        {"double", Real(1.5), u"1.5"},
        {"small double", Real(5.6789e-11), u"0.000000000056789"},
        {"double in exponent form", Real(-1.25e20), u"-1.25E+20"},
        {"single", Single(0.1f), u"0.1"},
        {"currency", Whole(VT_CY, 12345), u"1.2345"},
        {"decimal", Decimal(1, DECIMAL_NEG, 0, 15), u"-1.5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AsText(c.value), c.text) << c.label;
}

TEST_F(CommaLocaleConversion, TextIsReadWithThePoint)
{
    const struct {
        const char16_t* text;
        VARTYPE target;
        double expected;  // the target's value as a double
    } cases[] = {
        {u"2.5", VT_R8, 2.5},
        {u" -2.25E+2 ", VT_R8, -225.0},
        {u"0.1", VT_R4, static_cast<double>(0.1f)},
        {u"2.5", VT_I4, 2.0},
        {u"3.5", VT_I4, 4.0},
        {u"1.25", VT_CY, 12500.0},
    };
    for (const auto& c : cases) {
        OwnedText source(c.text);
        const Converted converted(source.v, c.target);
        ASSERT_EQ(converted.hr, S_OK) << Narrow(c.text);
        const VARIANT& v = converted.value;
        const double got = c.target == VT_R8   ? v.dblVal
                           : c.target == VT_R4 ? static_cast<double>(v.fltVal)
                           : c.target == VT_I4 ? v.lVal
                                               : static_cast<double>(v.cyVal.int64);
        EXPECT_EQ(got, c.expected) << Narrow(c.text);
    }
}

}  // namespace
