// A host value set as text reads as a number with the point as its decimal separator,
// whatever locale the host's process has set.
#include <gtest/gtest.h>

#include <cmath>

#include "link/HostValue.h"
#include "tests/support/comma_locale_fixture.h"

namespace {

using HostValueUnderACommaLocale = CommaLocaleTest;

TEST_F(HostValueUnderACommaLocale, TextReadsAsTheNumberOfTheCLocale)
{
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"2.5", 2.5},
        {"  -1.25e3", -1250.0},
        {"+0.125", 0.125},
        {"3.5 m", 3.5},  // the number that the text begins with
        {"2,5", 2.0},
        {"warm", 0.0},
        {"1e400", HUGE_VAL},  // out of range: as large as a double goes
        {"-1e400", -HUGE_VAL},
#if defined(_WIN32)
        {"0x10", 0.0},  // the platform's C library reads no hexadecimal: the number is 0
#else
        {"0x10", 16.0},  // hexadecimal, as the C library reads it
#endif
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
