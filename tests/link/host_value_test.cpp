// A host value set as text reads as a number as the platform's C library reads it, with the
// point as its decimal separator whatever locale the host's process has set.
#include <gtest/gtest.h>

#include <cmath>

#include "link/HostValue.h"
#include "tests/support/comma_locale_fixture.h"

namespace {

using HostValueUnderACommaLocale = CommaLocaleTest;

// As the platform's C library (msvcrt) reads a number with strtod: blanks, a sign, digits
// with a point, an exponent after 'e' or 'd'; no hexadecimal, infinity or NaN.
TEST_F(HostValueUnderACommaLocale, TextReadsAsThePlatformsCLibraryReadsANumber)
{
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"2.5", 2.5},
        {"  -1.25e3", -1250.0},
        {" \t\n\v\f\r+0.125", 0.125},
        {"3.5 m", 3.5},  // the number that the text begins with
        {"2,5", 2.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"-.5E1", -5.0},
        {"1d2", 100.0},
        {"1D-1", 0.1},
        {"1e", 1.0},
        {"1e+", 1.0},
        {"1.5e+2x", 150.0},
        {"1e400", HUGE_VAL},  // out of range: as large as a double goes
        {"-1e400", -HUGE_VAL},
        {"1e-400", 0.0},
        {"0.1e-307", 1e-308},
        {"0x10", 0.0},
        {"inf", 0.0},
        {"nan", 0.0},
        {"warm", 0.0},
        {".", 0.0},
        {"+-1", 0.0},
        {"", 0.0},
    };
    for (const auto& c : cases) {
        HostValue value;
        value.SetText(c.text);
        EXPECT_EQ(value.AsDouble(), c.expected) << c.text;
    }
}

TEST_F(HostValueUnderACommaLocale, ANumberReadsBackAsTextWithThePoint)
{
    HostValue value;
    value.SetNumber(1.5);
    EXPECT_STREQ(value.AsText(), "1.5");
}

}  // namespace
