#include "link/HostValue.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>

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
    return m_IsText ? std::strtod(m_Text.c_str(), nullptr) : m_Number;
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
