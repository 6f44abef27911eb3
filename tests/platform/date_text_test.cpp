// A date as text, as the platform writes it for en-US with flags 0: "M/D/YYYY h:mm:ss AM",
// the date alone at midnight, the time alone on day 0 (12/30/1899).
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>

#include "tests/platform/variant_values.h"

namespace {

struct DateCase {
    double date;
    const char16_t* text;
};

template <std::size_t N>
void ExpectTexts(const DateCase (&cases)[N])
{
    for (const DateCase& c : cases)
        EXPECT_EQ(AsText(Date(c.date)), c.text) << c.date;
}

TEST(DateText, DateAndTimeInTheEnUsForm)
{
    const DateCase cases[] = {
        {0.0, u"12:00:00 AM"},
        {0.5, u"12:00:00 PM"},
        {0.75, u"6:00:00 PM"},
        {1.0, u"12/31/1899"},
        {3.34, u"1/2/1900 8:09:36 AM"},
        {3339.34, u"2/20/1909 8:09:36 AM"},
        {365.0, u"12/30/1900"},
        {365.25, u"12/30/1900 6:00:00 AM"},
        {1461.0, u"12/31/1903"},
        {1461.5, u"12/31/1903 12:00:00 PM"},
        {-657434.0, u"1/1/100"},
        {2958465.0, u"12/31/9999"},
        {2958465.5, u"12/31/9999 12:00:00 PM"},
    };
    ExpectTexts(cases);
}

TEST(DateText, BeforeDayZeroTheFractionsMagnitudeIsTheTime)
{
    const DateCase cases[] = {
        {-0.25, u"6:00:00 AM"},
        {-1.0, u"12/29/1899"},
        {-1.25, u"12/29/1899 6:00:00 AM"},
        {-5.9999884259259, u"12/25/1899 11:59:59 PM"},
        {-49192.24, u"4/24/1765 5:45:36 AM"},
        {-657434.5, u"1/1/100 12:00:00 PM"},
    };
    ExpectTexts(cases);
}

TEST(DateText, TheTimeIsRoundedToTheNearestSecond)
{
    const DateCase cases[] = {
        {29221.9888884444, u"1/1/1980 11:44:00 PM"},
        {29221.7508765432, u"1/1/1980 6:01:16 PM"},
        {29221.33333333, u"1/1/1980 8:00:00 AM"},
        {29221.999999999, u"1/2/1980"},
    };
    ExpectTexts(cases);
}

TEST(DateText, DatesOutsideTheYears100To9999AreInvalid)
{
    // 2958465.99999999 is a second short of 1/1/10000 by less than half a second.
    for (const double date : {-657435.0, 2958466.0, 2958465.99999999, 1e300, -1e300, std::nan("")}) {
        const Converted converted(Date(date), VT_BSTR);
        EXPECT_EQ(converted.hr, E_INVALIDARG) << date;
        EXPECT_EQ(converted.value.vt, VT_EMPTY) << date;
    }
}

}  // namespace
