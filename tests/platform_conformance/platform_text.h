#pragma once
// Texts for the conformance table, written once for both builds: the table holds UTF-16
// texts as char16_t literals, and these helpers copy them unit by unit to and from the
// platform's 16-bit units (OLECHAR and WCHAR are wchar_t on the platform, char16_t here).
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "platform/oleauto/oleauto.h"

// The units of `text` as the platform's wide characters.
inline std::vector<WCHAR> WideUnits(std::u16string_view text)
{
    return std::vector<WCHAR>(text.begin(), text.end());
}

// The units of `text` and a zero unit after them, as the platform's names are passed.
inline std::vector<OLECHAR> TerminatedName(std::u16string_view text)
{
    std::vector<OLECHAR> units(text.size() + 1, 0);
    std::copy(text.begin(), text.end(), units.begin());
    return units;
}

// A new BSTR holding exactly the units of `text`.
inline BSTR MakeBstr(std::u16string_view text)
{
    const std::vector<OLECHAR> units(text.begin(), text.end());
    return SysAllocStringLen(units.data(), static_cast<UINT>(units.size()));
}

// The units of a BSTR, all of its length.
inline std::u16string UnitsOf(BSTR text)
{
    std::u16string units;
    const UINT length = text == nullptr ? 0 : SysStringLen(text);
    for (UINT i = 0; i < length; ++i)
        units.push_back(static_cast<char16_t>(text[i]));
    return units;
}

// `width` hexadecimal digits of `value`.
inline void AppendHex(std::string& shown, unsigned long value, int width)
{
    static const char digits[] = "0123456789ABCDEF";
    for (int shift = 4 * (width - 1); shift >= 0; shift -= 4)
        shown.push_back(digits[(value >> shift) & 0xF]);
}

// An HRESULT as the platform's documentation writes it, for comparisons that show it so.
inline std::string Hex(HRESULT hr)
{
    std::string shown = "0x";
    AppendHex(shown, static_cast<ULONG>(hr), 8);
    return shown;
}

// A character for failure messages: ASCII as it is, others as `escape` and `width` hex digits.
inline void AppendReadable(std::string& shown, unsigned value, const char* escape, int width)
{
    if (value >= 0x20 && value < 0x7F) {
        shown.push_back(static_cast<char>(value));
        return;
    }
    shown += escape;
    AppendHex(shown, value, width);
}

// Units as readable text for failure messages: ASCII as it is, others as \uXXXX.
inline std::string Readable(std::u16string_view text)
{
    std::string shown;
    for (const char16_t unit : text)
        AppendReadable(shown, unit, "\\u", 4);
    return shown;
}

// Bytes as readable text for failure messages: ASCII as it is, others as \xXX.
inline std::string Readable(std::string_view bytes)
{
    std::string shown;
    for (const char octet : bytes)
        AppendReadable(shown, static_cast<unsigned char>(octet), "\\x", 2);
    return shown;
}
