#pragma once
// VARIANTs of each kind for the conversion tests, and the conversions' results read back.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/oleauto/oleauto.h"

// A VARIANT of type `vt` whose value bytes are all zero (a null text for VT_BSTR).
inline VARIANT Typed(VARTYPE vt)
{
    VARIANT v{};
    v.vt = vt;
    return v;
}

// A VARIANT of an integer or boolean type holding `value` in that type's member.
inline VARIANT Whole(VARTYPE vt, LONGLONG value)
{
    VARIANT v = Typed(vt);
    switch (vt) {
    case VT_I1: v.cVal = static_cast<CHAR>(value); break;
    case VT_UI1: v.bVal = static_cast<BYTE>(value); break;
    case VT_I2: v.iVal = static_cast<SHORT>(value); break;
    case VT_UI2: v.uiVal = static_cast<USHORT>(value); break;
    case VT_I4: v.lVal = static_cast<LONG>(value); break;
    case VT_UI4: v.ulVal = static_cast<ULONG>(value); break;
    case VT_INT: v.intVal = static_cast<INT>(value); break;
    case VT_UINT: v.uintVal = static_cast<UINT>(value); break;
    case VT_BOOL: v.boolVal = static_cast<VARIANT_BOOL>(value); break;
    case VT_CY: v.cyVal.int64 = value; break;
    default: v.llVal = value; break;  // VT_I8, and VT_UI8 by its bits
    }
    return v;
}

// The value of an integer, boolean or currency VARIANT, by its type (VT_UI8 by its bits).
inline LONGLONG WholeOf(const VARIANT& v)
{
    switch (v.vt) {
    case VT_I1: return v.cVal;
    case VT_UI1: return v.bVal;
    case VT_I2: return v.iVal;
    case VT_UI2: return v.uiVal;
    case VT_I4: return v.lVal;
    case VT_UI4: return v.ulVal;
    case VT_INT: return v.intVal;
    case VT_UINT: return v.uintVal;
    case VT_BOOL: return v.boolVal;
    case VT_CY: return v.cyVal.int64;
    default: return v.llVal;
    }
}

inline VARIANT Real(double value)
{
    VARIANT v = Typed(VT_R8);
    v.dblVal = value;
    return v;
}

inline VARIANT Single(float value)
{
    VARIANT v = Typed(VT_R4);
    v.fltVal = value;
    return v;
}

inline VARIANT Date(double value)
{
    VARIANT v = Typed(VT_DATE);
    v.date = value;
    return v;
}

// A decimal of 96 bits (hi, then the low 64), with its scale and sign byte.
inline VARIANT Decimal(BYTE scale, BYTE sign, ULONG hi, ULONGLONG lo)
{
    VARIANT v{};
    v.decVal.scale = scale;
    v.decVal.sign = sign;
    v.decVal.Hi32 = hi;
    v.decVal.Lo64 = lo;
    v.vt = VT_DECIMAL;  // the type code shares its place with the decimal's reserved word
    return v;
}

// The text of a VT_BSTR VARIANT; "" for any other type.
inline std::u16string TextOf(const VARIANT& v)
{
    return v.vt == VT_BSTR ? std::u16string(v.bstrVal, v.bstrVal + SysStringLen(v.bstrVal)) : u"";
}

// A VT_BSTR VARIANT that owns its text.
struct OwnedText {
    VARIANT v;
    explicit OwnedText(const std::u16string& text) : v(Typed(VT_BSTR))
    {
        const std::basic_string<OLECHAR> units(text.begin(), text.end());
        v.bstrVal = SysAllocStringLen(units.data(), static_cast<UINT>(units.size()));
    }
    OwnedText(const OwnedText&) = delete;
    OwnedText& operator=(const OwnedText&) = delete;
    ~OwnedText() { VariantClear(&v); }
};

// The result of VariantChangeType into a fresh VARIANT, which it owns.
struct Converted {
    HRESULT hr = E_FAIL;
    VARIANT value{};
    Converted(const VARIANT& source, VARTYPE vt)
    {
        VariantInit(&value);
        VARIANT from = source;  // the platform takes the source as changeable
        hr = VariantChangeType(&value, &from, 0, vt);
    }
    Converted(const Converted&) = delete;
    Converted& operator=(const Converted&) = delete;
    ~Converted() { VariantClear(&value); }
    std::u16string Text() const { return TextOf(value); }
};

// The text of a conversion to VT_BSTR; a failed one fails the test and gives "".
inline std::u16string AsText(const VARIANT& source)
{
    const Converted converted(source, VT_BSTR);
    EXPECT_EQ(converted.hr, S_OK);
    return converted.Text();
}

// UTF-16 texts of these tests are ASCII: shown as such in failure messages.
inline std::string Narrow(const std::u16string& text)
{
    return std::string(text.begin(), text.end());
}
