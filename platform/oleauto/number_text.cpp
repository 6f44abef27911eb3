// Numbers as text and back without the C library's locale: std::to_chars and
// std::from_chars always write and read '.' and en-US digits.
#include "platform/oleauto/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr int SmallestFixedExponent = -11;

// Digits after the first in the scientific form that hold the exact decimal value of every
// double (767 significant digits at most), so that rounding sees the exact value.
constexpr int ExactDigits = 780;

// Beyond the number of digits, a double's whole range of powers of ten (about 10^-324 to
// 10^308) and some to spare: an exponent capped at that many plus the digit count puts the
// first non-zero digit out of range either way, so the cap changes no result.
constexpr long long ExponentMargin = 400;

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

// The significant digits of a positive finite value, rounded half away from zero on its
// exact value to `digits` of them, without trailing zeros, and the power of ten of the first.
struct RoundedDigits {
    std::string mantissa;
    int exponent = 0;
};

RoundedDigits RoundHalfAwayFromZero(double magnitude, int digits)
{
    char exact[ExactDigits + 16];
    const char* const first = exact;
    const char* const end =
        std::to_chars(exact, exact + sizeof exact, magnitude, std::chars_format::scientific, ExactDigits).ptr;
    // "d.ddd...e+xx"
    const char* const e = std::find(first, end, 'e');
    RoundedDigits rounded;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, rounded.exponent);
    rounded.mantissa.push_back(first[0]);
    rounded.mantissa.append(first + 2, e);

    const auto kept = static_cast<std::size_t>(digits);
    const bool up = rounded.mantissa[kept] >= '5';
    rounded.mantissa.resize(kept);
    if (up) {
        std::size_t i = kept;
        while (i > 0 && rounded.mantissa[i - 1] == '9')
            rounded.mantissa[--i] = '0';
        if (i == 0) {
            rounded.mantissa.insert(rounded.mantissa.begin(), '1');
            rounded.mantissa.pop_back();
            ++rounded.exponent;
        } else {
            ++rounded.mantissa[i - 1];
        }
    }
    while (rounded.mantissa.size() > 1 && rounded.mantissa.back() == '0')
        rounded.mantissa.pop_back();
    return rounded;
}

std::string ExponentText(int exponent)
{
    std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < 2)
        digits.insert(digits.begin(), '0');
    return std::string("E") + (exponent < 0 ? '-' : '+') + digits;
}

// Appends the digits from text[i] on to `into` and answers how many there were.
std::size_t TakeDigits(const std::u16string& text, std::size_t& i, std::string& into)
{
    const std::size_t first = i;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        into.push_back(static_cast<char>(text[i]));
    return i - first;
}

// The power of ten of a number's first non-zero digit: its digits (integer and fraction
// ones together, `integerDigits` of them before the point) and its exponent.
long long LeadingPowerOfTen(const std::string& digits, std::size_t integerDigits, long long exponent)
{
    const std::size_t first = digits.find_first_not_of('0');
    return static_cast<long long>(integerDigits) - 1 - static_cast<long long>(first) + exponent;
}

}  // namespace

std::string FormatReal(double value, int digits)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    if (value == 0)
        return "0";
    const RoundedDigits rounded = RoundHalfAwayFromZero(std::fabs(value), digits);
    const std::string& mantissa = rounded.mantissa;
    const int exponent = rounded.exponent;

    std::string result = value < 0 ? "-" : "";
    if (exponent >= digits || exponent < SmallestFixedExponent) {
        result += mantissa.substr(0, 1);
        if (mantissa.size() > 1)
            result += "." + mantissa.substr(1);
        return result + ExponentText(exponent);
    }
    if (exponent < 0)
        return result + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (mantissa.size() <= whole)
        return result + mantissa + std::string(whole - mantissa.size(), '0');
    return result + mantissa.substr(0, whole) + "." + mantissa.substr(whole);
}

HRESULT ParseReal(const std::u16string& text, double& value)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && IsBlank(text[i]))
        ++i;
    const bool negative = i < n && text[i] == u'-';
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    std::string digits;
    const std::size_t integerDigits = TakeDigits(text, i, digits);
    std::string number = digits;
    if (i < n && text[i] == u'.') {
        ++i;
        std::string fraction;
        TakeDigits(text, i, fraction);
        digits += fraction;
        number += "." + fraction;
    }
    if (digits.empty())
        return DISP_E_TYPEMISMATCH;
    long long exponent = 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        const bool negativeExponent = i < n && text[i] == u'-';
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        std::string exponentDigits;
        if (TakeDigits(text, i, exponentDigits) == 0)
            return DISP_E_TYPEMISMATCH;
        const long long exponentLimit = static_cast<long long>(digits.size()) + ExponentMargin;
        for (const char d : exponentDigits)
            exponent = std::min<long long>(exponent * 10 + (d - '0'), exponentLimit);
        if (negativeExponent)
            exponent = -exponent;
        number += "E" + std::to_string(exponent);
    }
    while (i < n && IsBlank(text[i]))
        ++i;
    if (i != n)
        return DISP_E_TYPEMISMATCH;

    double parsed = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, parsed);
    if (error == std::errc::result_out_of_range) {
        // Too large for a double, or so small that it is zero.
        if (LeadingPowerOfTen(digits, integerDigits, exponent) > 0)
            return DISP_E_OVERFLOW;
        parsed = 0;
    } else if (error != std::errc{} || stop != end) {
        return DISP_E_TYPEMISMATCH;
    }
    value = negative ? -parsed : parsed;
    return S_OK;
}
