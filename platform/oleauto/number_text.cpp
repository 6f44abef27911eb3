#include "platform/oleauto/number_text.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int SmallestFixedExponent = -11;

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
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
    // d.dddE+x with `digits` significant digits, rounded once.
    char scientific[64];
    std::snprintf(scientific, sizeof scientific, "%.*E", digits - 1, value);
    std::string text(scientific);
    const std::size_t e = text.find('E');
    const int exponent = std::atoi(text.c_str() + e + 1);
    const bool negative = text[0] == '-';
    std::string mantissa;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i)
        if (text[i] != '.')
            mantissa.push_back(text[i]);
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    std::string result = negative ? "-" : "";
    if (exponent >= digits || exponent < SmallestFixedExponent) {
        result += mantissa.substr(0, 1);
        if (mantissa.size() > 1)
            result += "." + mantissa.substr(1);
        char tail[16];
        std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return result + tail;
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
    std::string number;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        number.push_back(static_cast<char>(text[i++]));
    std::size_t mantissaDigits = 0;
    for (; i < n && IsDigit(text[i]); ++i, ++mantissaDigits)
        number.push_back(static_cast<char>(text[i]));
    if (i < n && text[i] == u'.') {
        number.push_back('.');
        for (++i; i < n && IsDigit(text[i]); ++i, ++mantissaDigits)
            number.push_back(static_cast<char>(text[i]));
    }
    if (mantissaDigits == 0)
        return DISP_E_TYPEMISMATCH;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        number.push_back('E');
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            number.push_back(static_cast<char>(text[i++]));
        std::size_t exponentDigits = 0;
        for (; i < n && IsDigit(text[i]); ++i, ++exponentDigits)
            number.push_back(static_cast<char>(text[i]));
        if (exponentDigits == 0)
            return DISP_E_TYPEMISMATCH;
    }
    while (i < n && IsBlank(text[i]))
        ++i;
    if (i != n)
        return DISP_E_TYPEMISMATCH;
    errno = 0;
    const double parsed = std::strtod(number.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(parsed))
        return DISP_E_OVERFLOW;
    value = parsed;
    return S_OK;
}
