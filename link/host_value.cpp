// One value as the host keeps it.
#include "link/HostValue.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <string_view>

namespace {

bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The digits at text[i] onwards; i moves past them.
std::string_view Digits(std::string_view text, std::size_t& i)
{
    const std::size_t first = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return text.substr(first, i - first);
}

// The number that the text begins with, read as the platform's C library (msvcrt) reads it
// with strtod, the same on every build and whatever locale the host's process has set:
// white space, a sign, digits with one point ('.'), and an exponent after 'e', 'E', 'd' or
// 'D' when digits follow it; no hexadecimal, infinity or NaN. 0 when the text begins with
// no number; beyond a double's range HUGE_VAL with the number's sign, below it 0.
double LeadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::string_view whole = Digits(text, i);
    std::string_view fraction;
    if (i < text.size() && text[i] == '.') {
        ++i;
        fraction = Digits(text, i);
    }
    if (whole.empty() && fraction.empty())
        return 0.0;
    long long exponent = 0;
    if (i + 1 < text.size() && std::string_view("eEdD").find(text[i]) != std::string_view::npos) {
        std::size_t at = i + 1;
        const bool negativeExponent = text[at] == '-';
        if (text[at] == '+' || text[at] == '-')
            ++at;
        // Capped where every value is far beyond a double's range either way.
        const long long limit = static_cast<long long>(whole.size() + fraction.size()) + 400;
        for (const char digit : Digits(text, at))
            exponent = std::min(exponent * 10 + (digit - '0'), limit);
        if (negativeExponent)
            exponent = -exponent;
    }
    const std::string number = std::string(whole) + "." + std::string(fraction) + "e" + std::to_string(exponent);
    double value = 0.0;
    if (std::from_chars(number.data(), number.data() + number.size(), value).ec == std::errc::result_out_of_range) {
        // Beyond the range when the first non-zero digit stands before the point.
        const std::string digits = std::string(whole) + std::string(fraction);
        const auto leadingZeros = static_cast<long long>(digits.find_first_not_of('0'));
        value = static_cast<long long>(whole.size()) - leadingZeros + exponent > 0 ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

}  // namespace

void HostValue::SetNumber(double value)
{
    m_HasValue = true;
    m_IsText = false;
    m_Number = value;
}

void HostValue::SetText(const char* text)
{
    m_IsText = true;
    m_Text = text != nullptr ? text : "";
    m_HasValue = !m_Text.empty();
}

double HostValue::AsDouble() const
{
    if (!m_HasValue)
        return 0.0;
    return m_IsText ? LeadingNumber(m_Text) : m_Number;
}

float HostValue::AsFloat() const { return static_cast<float>(AsDouble()); }

int HostValue::AsInteger() const
{
    const double value = std::round(AsDouble());
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

const char* HostValue::AsText() const
{
    if (!m_HasValue)
        return "";
    if (!m_IsText)
        m_Text = Formatted(m_Number);
    return m_Text.c_str();
}

std::string HostValue::Formatted(double value)
{
    char digits[64];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, written.ptr);
}
