// Dates as text in the platform's en-US form.
#include "platform/oleauto/linux/date_text.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long long SecondsPerDay = 86400;
constexpr long long FirstDay = -657434;  // 1/1/100
constexpr long long LastDay = 2958465;   // 12/31/9999
// Days from 1/1/0001 of the proleptic Gregorian calendar to day 0, 12/30/1899.
constexpr long long DaysBeforeDayZero = 693593;

constexpr long long DaysIn400Years = 146097;
constexpr long long DaysIn100Years = 36524;
constexpr long long DaysIn4Years = 1461;
constexpr long long DaysInYear = 365;

struct CalendarDate {
    long long year = 1;
    int month = 1;
    int day = 1;
};

bool IsLeapYear(long long year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// The calendar date of a day number not before 1/1/0001.
CalendarDate CalendarDateOf(long long dayNumber)
{
    long long days = dayNumber + DaysBeforeDayZero;  // days since 1/1/0001
    CalendarDate date;
    date.year += 400 * (days / DaysIn400Years);
    days %= DaysIn400Years;
    // The last century of four, and the last year of four, is one day longer.
    const long long centuries = std::min(days / DaysIn100Years, 3LL);
    date.year += 100 * centuries;
    days -= centuries * DaysIn100Years;
    date.year += 4 * (days / DaysIn4Years);
    days %= DaysIn4Years;
    const long long years = std::min(days / DaysInYear, 3LL);
    date.year += years;
    days -= years * DaysInYear;

    const int monthDays[] = {31, IsLeapYear(date.year) ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    while (days >= monthDays[date.month - 1]) {
        days -= monthDays[date.month - 1];
        ++date.month;
    }
    date.day = static_cast<int>(days) + 1;
    return date;
}

std::string TwoDigits(long long value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

std::string DateText(const CalendarDate& date)
{
    return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" + std::to_string(date.year);
}

std::string TimeText(long long seconds)
{
    const long long hour = seconds / 3600;
    const long long hourOnClock = hour % 12 == 0 ? 12 : hour % 12;
    return std::to_string(hourOnClock) + ":" + TwoDigits(seconds / 60 % 60) + ":" + TwoDigits(seconds % 60) +
           (hour < 12 ? " AM" : " PM");
}

}  // namespace

HRESULT FormatDate(double date, std::string& text)
{
    if (!std::isfinite(date))
        return E_INVALIDARG;
    const double whole = std::trunc(date);
    if (whole < static_cast<double>(FirstDay) || whole > static_cast<double>(LastDay))
        return E_INVALIDARG;
    long long day = static_cast<long long>(whole);
    long long seconds = std::llround(std::fabs(date - whole) * static_cast<double>(SecondsPerDay));
    if (seconds == SecondsPerDay) {
        seconds = 0;
        ++day;
    }
    if (day > LastDay)
        return E_INVALIDARG;

    if (day == 0)
        text = TimeText(seconds);
    else if (seconds == 0)
        text = DateText(CalendarDateOf(day));
    else
        text = DateText(CalendarDateOf(day)) + " " + TimeText(seconds);
    return S_OK;
}
