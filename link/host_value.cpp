// One value as the host keeps it.
#include "link/HostValue.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <locale.h>
#include <stdlib.h>

namespace {
// The number that the text begins with, read as the C library's strtod reads it in the "C"
// locale, so that text reads with the point as its decimal separator whatever locale the
// host's process has set; 0 when it begins with none. The "C" locale is made once (for "C",
// newlocale hands back the C library's own locale object, which needs no freeing).
double LeadingNumber(const std::string& text)
{
#if defined(_WIN32)
    static const _locale_t c = _create_locale(LC_ALL, "C");
    return _strtod_l(text.c_str(), nullptr, c);
#else
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(text.c_str(), nullptr, c);
#endif
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
