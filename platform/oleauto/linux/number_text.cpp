// Numbers as text and back without the C library's locale: std::to_chars and
// std::from_chars always write and read '.' and en-US digits.
#include "platform/oleauto/linux/number_text.h"

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

// White space around a number: every character of Unicode's White_Space property.
bool IsBlank(char16_t c)
{
    return (c >= u'\t' && c <= u'\r') || c == u' ' || c == u'\u0085' || c == u'\u00A0' || c == u'\u1680' ||
           (c >= u'\u2000' && c <= u'\u200A') || c == u'\u2028' || c == u'\u2029' || c == u'\u202F' ||
           c == u'\u205F' || c == u'\u3000';
}

// Significant digits and the power of ten of the first.
struct RoundedDigits {
    std::string mantissa;
    int exponent = 0;
};

// The exact value of a positive finite value: 1 + ExactDigits digits, zeros at the end.
RoundedDigits ExactDigitsOf(double magnitude)
{
    char exact[ExactDigits + 16];
    const char* const first = exact;
    const char* const end =
        std::to_chars(exact, exact + sizeof exact, magnitude, std::chars_format::scientific, ExactDigits).ptr;
    // "d.ddd...e+xx"
    const char* const e = std::find(first, end, 'e');
    RoundedDigits digits;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, digits.exponent);
    digits.mantissa.push_back(first[0]);
    digits.mantissa.append(first + 2, e);
    return digits;
}

// The significant digits of a positive finite value, rounded half away from zero on its
// exact value to `digits` of them, without trailing zeros.
RoundedDigits RoundHalfAwayFromZero(double magnitude, int digits)
{
    RoundedDigits rounded = ExactDigitsOf(magnitude);

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

constexpr ULONGLONG LargestMagnitude = ~ULONGLONG{0};

bool IsSign(char16_t c)
{
    return c == u'+' || c == u'-';
}

// The value of a digit in `base` (8, 10 or 16), or -1.
int DigitValue(char16_t c, int base)
{
    int value = -1;
    if (c >= u'0' && c <= u'9')
        value = c - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c - u'A' + 10;
    return value < base ? value : -1;
}

// magnitude x 10 + digit, unless that is beyond 64 bits.
bool AppendDigit(ULONGLONG& magnitude, int digit)
{
    if (magnitude > (LargestMagnitude - static_cast<ULONGLONG>(digit)) / 10)
        return false;
    magnitude = magnitude * 10 + static_cast<ULONGLONG>(digit);
    return true;
}

// The signs, currency symbol and parenthesis around a number, each allowed once.
struct Affixes {
    bool sign = false;
    bool currency = false;
    bool openParenthesis = false;
    bool closeParenthesis = false;
    bool negative = false;

    bool Any() const { return sign || currency || openParenthesis; }
    // Takes a blank, or the number's one sign, on either side of it.
    bool TakeBlankOrSign(char16_t c)
    {
        if (IsBlank(c))
            return true;
        if (IsSign(c) && !sign) {
            sign = true;
            negative = negative || c == u'-';
            return true;
        }
        return false;
    }
    // Takes the character before the number; false for one that may not stand there.
    bool TakeLeading(char16_t c)
    {
        if (TakeBlankOrSign(c))
            return true;
        if (c == u'$' && !currency)
            return currency = true;
        if (c == u'(' && !openParenthesis)
            return openParenthesis = true;
        return false;
    }
    // Takes the character after the number; false for one that may not stand there.
    bool TakeTrailing(char16_t c)
    {
        if (TakeBlankOrSign(c))
            return true;
        if (c == u')' && openParenthesis && !closeParenthesis)
            return closeParenthesis = true;
        return false;
    }
};

// "&H" or "&O" and their digits at text[i]; the rest of the text may only be blanks.
HRESULT ParsePattern(const std::u16string& text, std::size_t i, NumberText& number)
{
    const char16_t kind = i + 1 < text.size() ? text[i + 1] : u'\0';
    const int base = (kind == u'H' || kind == u'h') ? 16 : (kind == u'O' || kind == u'o') ? 8 : 0;
    if (base == 0)
        return DISP_E_TYPEMISMATCH;
    const int bitsPerDigit = base == 16 ? 4 : 3;
    i += 2;
    const std::size_t first = i;
    bool beyond = false;
    for (; i < text.size() && DigitValue(text[i], base) >= 0; ++i) {
        beyond = beyond || (number.bits >> (64 - bitsPerDigit)) != 0;
        number.bits = (number.bits << bitsPerDigit) | static_cast<ULONGLONG>(DigitValue(text[i], base));
    }
    if (i == first)
        return DISP_E_TYPEMISMATCH;
    for (; i < text.size(); ++i) {
        if (!IsBlank(text[i]))
            return DISP_E_TYPEMISMATCH;
    }
    number.pattern = true;
    return beyond ? DISP_E_OVERFLOW : S_OK;
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

HRESULT ParseNumber(const std::u16string& text, NumberText& number)
{
    number = NumberText{};
    const std::size_t n = text.size();
    std::size_t i = 0;
    Affixes affixes;
    for (; i < n && text[i] != u'&' && DigitValue(text[i], 10) < 0 && text[i] != u'.'; ++i) {
        if (!affixes.TakeLeading(text[i]))
            return DISP_E_TYPEMISMATCH;
    }
    if (i < n && text[i] == u'&')
        return affixes.Any() ? DISP_E_TYPEMISMATCH : ParsePattern(text, i, number);

    // Every digit, integer and fraction ones together, and how many came before the point.
    std::string digits;
    for (; i < n && (DigitValue(text[i], 10) >= 0 || (text[i] == u',' && !digits.empty())); ++i) {
        if (text[i] != u',')
            digits.push_back(static_cast<char>(text[i]));
    }
    const std::size_t integerDigits = digits.size();
    if (i < n && text[i] == u'.') {
        for (++i; i < n && DigitValue(text[i], 10) >= 0; ++i)
            digits.push_back(static_cast<char>(text[i]));
    }
    if (digits.empty())
        return DISP_E_TYPEMISMATCH;
    long long exponent = 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        const bool negativeExponent = i < n && text[i] == u'-';
        if (i < n && IsSign(text[i]))
            ++i;
        const std::size_t first = i;
        // Capped where the value is far beyond any range either way, whatever its digits.
        const long long exponentLimit = static_cast<long long>(digits.size()) + ExponentMargin;
        for (; i < n && DigitValue(text[i], 10) >= 0; ++i)
            exponent = std::min<long long>(exponent * 10 + (text[i] - u'0'), exponentLimit);
        if (i == first)
            return DISP_E_TYPEMISMATCH;
        if (negativeExponent)
            exponent = -exponent;
    }
    for (; i < n; ++i) {
        if (!affixes.TakeTrailing(text[i]))
            return DISP_E_TYPEMISMATCH;
    }
    if (affixes.openParenthesis != affixes.closeParenthesis)
        return DISP_E_TYPEMISMATCH;

    const std::size_t first = digits.find_first_not_of('0');
    const std::size_t last = digits.find_last_not_of('0');
    if (first != std::string::npos) {
        number.digits = digits.substr(first, last - first + 1);
        number.exponent = exponent + static_cast<long long>(integerDigits) - static_cast<long long>(last) - 1;
    }
    number.negative = affixes.negative || affixes.openParenthesis;
    return S_OK;
}

NumberText ExactNumber(double value)
{
    NumberText number;
    number.negative = std::signbit(value);
    if (value == 0)
        return number;
    const RoundedDigits exact = ExactDigitsOf(std::fabs(value));
    number.digits = exact.mantissa.substr(0, exact.mantissa.find_last_not_of('0') + 1);
    number.exponent = exact.exponent - static_cast<long long>(number.digits.size()) + 1;
    return number;
}

HRESULT NumberToReal(const NumberText& number, double& value)
{
    if (number.pattern) {
        value = static_cast<double>(number.bits);
        return S_OK;
    }
    double parsed = 0;
    if (!number.digits.empty()) {
        const std::string text = number.digits + "E" + std::to_string(number.exponent);
        const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
        if (error == std::errc::result_out_of_range) {
            // Too large for a double, or so small that it is zero.
            if (static_cast<long long>(number.digits.size()) - 1 + number.exponent > 0)
                return DISP_E_OVERFLOW;
            parsed = 0;
        }
    }
    value = number.negative ? -parsed : parsed;
    return S_OK;
}

HRESULT NumberToMagnitude(const NumberText& number, int scale, ULONGLONG& magnitude)
{
    magnitude = 0;
    if (number.pattern) {
        magnitude = number.bits;
        for (int i = 0; i < scale; ++i) {
            if (!AppendDigit(magnitude, 0))
                return DISP_E_OVERFLOW;
        }
        return S_OK;
    }
    const std::string& digits = number.digits;
    if (digits.empty())
        return S_OK;
    // The digits before the point, after scaling: all of them and zeros, or some, or none.
    const long long whole = static_cast<long long>(digits.size()) + number.exponent + scale;
    if (whole > std::numeric_limits<ULONGLONG>::digits10 + 1)
        return DISP_E_OVERFLOW;
    for (long long i = 0; i < whole; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (!AppendDigit(magnitude, at < digits.size() ? digits[at] - '0' : 0))
            return DISP_E_OVERFLOW;
    }
    if (whole < 0 || whole >= static_cast<long long>(digits.size()))
        return S_OK;
    // Half to even: the first dropped digit, and whether any non-zero digit follows it (the
    // digits end in a non-zero one).
    const auto dropped = static_cast<std::size_t>(whole);
    const char next = digits[dropped];
    const bool tie = next == '5' && dropped + 1 == digits.size();
    if (next > '5' || (next == '5' && !tie) || (tie && magnitude % 2 != 0)) {
        if (magnitude == LargestMagnitude)
            return DISP_E_OVERFLOW;
        ++magnitude;
    }
    return S_OK;
}
