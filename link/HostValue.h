#pragma once
// One value as the host keeps it: empty, a double, or a text.
#include "link/link_export.h"

#include <string>

class LINK_API HostValue {
public:
    bool IsEmpty() const { return !m_HasValue; }
    void SetNumber(double value);
    // The empty text clears the value.
    void SetText(const char* text);
    double AsDouble() const;
    float AsFloat() const;
    int AsInteger() const;
    // The value as text; the pointer stays valid until the value changes.
    const char* AsText() const;
    // The shortest text that reads back as exactly the double.
    static std::string Formatted(double value);

private:
    bool m_HasValue = false;
    bool m_IsText = false;
    double m_Number = 0.0;
    mutable std::string m_Text;
};
