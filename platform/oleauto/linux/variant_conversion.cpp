// VariantChangeType between the by-value types and text. A value is first read into a
// number (whole, unsigned, real or currency; a text or DECIMAL also exactly, for integer and
// currency targets), then written as the target type with the platform's rounding (half to
// even) and range checks. Signed and unsigned integers of one size, and booleans into
// integers, convert by their bits instead; dates and decimals have texts of their own.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "platform/oleauto/linux/date_text.h"
#include "platform/oleauto/linux/decimal_text.h"
#include "platform/oleauto/linux/number_text.h"
#include "platform/oleauto/oleauto.h"
#include "platform/oleauto/linux/variant_types.h"

namespace {

constexpr LONGLONG CurrencyScale = 10000;
constexpr int CurrencyDecimals = 4;
// The whole units that a currency holds: ±922337203685477.5807 in all. An integer of this
// magnitude or more overflows a currency, as the platform's recorded results show.
constexpr LONGLONG CurrencyWholeLimit = std::numeric_limits<LONGLONG>::max() / CurrencyScale;

struct Number {
    enum class Kind { Whole, Unsigned, Real, Currency } kind = Kind::Whole;
    LONGLONG whole = 0;  // Whole, and Currency scaled by 10000
    ULONGLONG unsignedValue = 0;
    double real = 0;
    bool single = false;  // a Real that came from VT_R4: seven digits as text
    bool bits = false;    // a Whole that came from VT_BOOL: integers take its bits
    std::optional<NumberText> exact;  // a Real read from text or a DECIMAL: its exact value
};

// Signed and unsigned integers of one size that the platform converts by their bits. These
// are the pairs that the platform's recorded results show converting so, and only these:
// other pairs of one size (VT_I8 and VT_UI8, VT_INT and VT_UINT, VT_I4 to VT_UINT) are
// range-checked like integers of different sizes.
bool KeepsTheBits(VARTYPE from, VARTYPE to)
{
    static constexpr std::pair<VARTYPE, VARTYPE> pairs[] = {
        {VT_I1, VT_UI1}, {VT_UI1, VT_I1}, {VT_I2, VT_UI2},  {VT_UI2, VT_I2},
        {VT_I4, VT_UI4}, {VT_UI4, VT_I4}, {VT_UINT, VT_I4},
    };
    return std::find(std::begin(pairs), std::end(pairs), std::make_pair(from, to)) != std::end(pairs);
}

// The types whose values VT_EMPTY and VT_NULL take, dropping the value.
bool IsNumberOrBoolean(VARTYPE vt)
{
    return (vt >= VT_I2 && vt <= VT_DATE) || vt == VT_BOOL || vt == VT_DECIMAL || (vt >= VT_I1 && vt <= VT_UINT);
}

double RoundHalfEven(double x)
{
    const double lower = std::floor(x);
    const double fraction = x - lower;
    if (fraction > 0.5)
        return lower + 1;
    if (fraction < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

// Currency divided by 10000, rounded half to even.
LONGLONG CurrencyToWhole(LONGLONG scaled)
{
    LONGLONG quotient = scaled / CurrencyScale;
    LONGLONG remainder = scaled % CurrencyScale;
    if (remainder < 0) {
        remainder += CurrencyScale;
        --quotient;
    }
    if (remainder > CurrencyScale / 2 || (remainder == CurrencyScale / 2 && (quotient % 2) != 0))
        ++quotient;
    return quotient;
}

// Currency as a 64-bit integer: half to even at and above zero; below zero, as the
// platform's recorded results have it, the whole units toward zero and one less (-1 gives
// -2, -1.5 gives -2, -0.4 gives -1).
LONGLONG CurrencyToLongLong(LONGLONG scaled)
{
    return scaled < 0 ? scaled / CurrencyScale - 1 : CurrencyToWhole(scaled);
}

double AsReal(const Number& n)
{
    switch (n.kind) {
    case Number::Kind::Whole: return static_cast<double>(n.whole);
    case Number::Kind::Unsigned: return static_cast<double>(n.unsignedValue);
    case Number::Kind::Currency: return static_cast<double>(n.whole) / CurrencyScale;
    case Number::Kind::Real: break;
    }
    return n.real;
}

std::u16string TextOf(BSTR text)
{
    std::u16string result;
    if (text == nullptr)
        return result;
    const UINT length = SysStringLen(text);
    for (UINT i = 0; i < length && text[i] != 0; ++i)
        result.push_back(text[i]);
    return result;
}

bool SameTextIgnoringCase(const std::u16string& text, const char* word)
{
    std::size_t i = 0;
    for (; word[i] != 0; ++i) {
        if (i >= text.size())
            return false;
        char16_t c = text[i];
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - u'a' + u'A');
        char w = word[i];
        if (w >= 'a' && w <= 'z')
            w = static_cast<char>(w - 'a' + 'A');
        if (c != static_cast<char16_t>(w))
            return false;
    }
    return i == text.size();
}

// A number's text read exactly, and as the double nearest it.
HRESULT ReadExactNumber(const std::u16string& text, Number& n)
{
    NumberText exact;
    HRESULT hr = ParseNumber(text, exact);
    if (SUCCEEDED(hr))
        hr = NumberToReal(exact, n.real);
    if (FAILED(hr))
        return hr;
    n.kind = Number::Kind::Real;
    n.exact = std::move(exact);
    return S_OK;
}

// An exact number times 10^scale as an integer of type T: a decimal value rounded half to
// even and range-checked. A hexadecimal or octal form converts to an integer (scale 0) by
// its bits, when they fit T, and scales as its unsigned value otherwise.
template <typename T>
HRESULT ExactToWhole(const NumberText& exact, int scale, T& out)
{
    using Limits = std::numeric_limits<T>;
    ULONGLONG magnitude = 0;
    const HRESULT hr = NumberToMagnitude(exact, scale, magnitude);
    if (FAILED(hr))
        return hr;
    if (exact.pattern && scale == 0) {
        constexpr int width = std::numeric_limits<std::make_unsigned_t<T>>::digits;
        if (width < 64 && (magnitude >> (width % 64)) != 0)
            return DISP_E_OVERFLOW;
        out = static_cast<T>(magnitude);
        return S_OK;
    }
    const auto largest = static_cast<ULONGLONG>(Limits::max());
    if (!exact.negative || magnitude == 0) {
        if (magnitude > largest)
            return DISP_E_OVERFLOW;
        out = static_cast<T>(magnitude);
        return S_OK;
    }
    if (!Limits::is_signed || magnitude > largest + 1)
        return DISP_E_OVERFLOW;
    out = static_cast<T>(-static_cast<LONGLONG>(magnitude - 1) - 1);
    return S_OK;
}

HRESULT ReadNumber(const VARIANT& v, VARTYPE target, Number& n)
{
    using Kind = Number::Kind;
    switch (v.vt) {
    case VT_EMPTY: n.kind = Kind::Whole; n.whole = 0; return S_OK;
    case VT_I1: n.whole = v.cVal; return S_OK;
    case VT_I2: n.whole = v.iVal; return S_OK;
    case VT_I4: n.whole = v.lVal; return S_OK;
    case VT_INT: n.whole = v.intVal; return S_OK;
    case VT_I8: n.whole = v.llVal; return S_OK;
    case VT_BOOL: n.whole = v.boolVal; n.bits = true; return S_OK;
    case VT_UI1: n.kind = Kind::Unsigned; n.unsignedValue = v.bVal; return S_OK;
    case VT_UI2: n.kind = Kind::Unsigned; n.unsignedValue = v.uiVal; return S_OK;
    case VT_UI4: n.kind = Kind::Unsigned; n.unsignedValue = v.ulVal; return S_OK;
    case VT_UINT: n.kind = Kind::Unsigned; n.unsignedValue = v.uintVal; return S_OK;
    case VT_UI8: n.kind = Kind::Unsigned; n.unsignedValue = v.ullVal; return S_OK;
    case VT_R4: n.kind = Kind::Real; n.real = static_cast<double>(v.fltVal); n.single = true; return S_OK;
    case VT_R8: n.kind = Kind::Real; n.real = v.dblVal; return S_OK;
    case VT_DATE: n.kind = Kind::Real; n.real = v.date; return S_OK;
    case VT_CY: n.kind = Kind::Currency; n.whole = v.cyVal.int64; return S_OK;
    case VT_BSTR: {
        const std::u16string text = TextOf(v.bstrVal);
        if (target == VT_BOOL) {
            if (SameTextIgnoringCase(text, "True")) {
                n.whole = VARIANT_TRUE;
                return S_OK;
            }
            if (SameTextIgnoringCase(text, "False")) {
                n.whole = VARIANT_FALSE;
                return S_OK;
            }
        }
        return ReadExactNumber(text, n);
    }
    case VT_DECIMAL: {
        std::string text;
        const HRESULT hr = FormatDecimal(v.decVal, text);
        return FAILED(hr) ? hr : ReadExactNumber(std::u16string(text.begin(), text.end()), n);
    }
    default: return DISP_E_TYPEMISMATCH;
    }
}

template <typename T>
HRESULT ToWhole(const Number& n, T& out)
{
    using Limits = std::numeric_limits<T>;
    switch (n.kind) {
    case Number::Kind::Whole:
    case Number::Kind::Currency: {
        const LONGLONG value = n.kind == Number::Kind::Whole ? n.whole : CurrencyToWhole(n.whole);
        if (n.bits) {
            out = static_cast<T>(value);
            return S_OK;
        }
        if constexpr (Limits::is_signed) {
            if (value < static_cast<LONGLONG>(Limits::min()) || value > static_cast<LONGLONG>(Limits::max()))
                return DISP_E_OVERFLOW;
        } else {
            if (value < 0 || static_cast<ULONGLONG>(value) > static_cast<ULONGLONG>(Limits::max()))
                return DISP_E_OVERFLOW;
        }
        out = static_cast<T>(value);
        return S_OK;
    }
    case Number::Kind::Unsigned:
        if (n.unsignedValue > static_cast<ULONGLONG>(Limits::max()))
            return DISP_E_OVERFLOW;
        out = static_cast<T>(n.unsignedValue);
        return S_OK;
    case Number::Kind::Real: break;
    }
    if (n.exact)
        return ExactToWhole(*n.exact, 0, out);
    if (!std::isfinite(n.real))
        return DISP_E_OVERFLOW;
    const double rounded = RoundHalfEven(n.real);
    // Limits::max() + 1 is a power of two, exactly representable as a double.
    const double above = std::ldexp(1.0, Limits::digits);
    const double lowest = Limits::is_signed ? -above : 0.0;
    if (rounded < lowest || rounded >= above)
        return DISP_E_OVERFLOW;
    out = static_cast<T>(rounded);
    return S_OK;
}

std::string WholeText(const Number& n)
{
    if (n.kind == Number::Kind::Unsigned)
        return std::to_string(n.unsignedValue);
    return std::to_string(n.whole);
}

std::string CurrencyText(LONGLONG scaled)
{
    const bool negative = scaled < 0;
    const ULONGLONG magnitude = negative ? 0 - static_cast<ULONGLONG>(scaled) : static_cast<ULONGLONG>(scaled);
    std::string text = (negative ? "-" : "") + std::to_string(magnitude / CurrencyScale);
    std::string fraction = std::to_string(magnitude % CurrencyScale);
    fraction.insert(0, 4 - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty())
        text += "." + fraction;
    return text;
}

// Whole numbers scale exactly; a real's exact value is scaled and rounded half to even, as
// the platform's recorded result shows: -461168601842738.7904 (the double
// -461168601842738.8125) gives -4611686018427388125, which a product in doubles misses.
HRESULT ToCurrency(const Number& n, LONGLONG& scaled)
{
    switch (n.kind) {
    case Number::Kind::Currency: scaled = n.whole; return S_OK;
    case Number::Kind::Whole:
        if (n.whole >= CurrencyWholeLimit || n.whole <= -CurrencyWholeLimit)
            return DISP_E_OVERFLOW;
        scaled = n.whole * CurrencyScale;
        return S_OK;
    case Number::Kind::Unsigned:
        if (n.unsignedValue >= static_cast<ULONGLONG>(CurrencyWholeLimit))
            return DISP_E_OVERFLOW;
        scaled = static_cast<LONGLONG>(n.unsignedValue) * CurrencyScale;
        return S_OK;
    case Number::Kind::Real: break;
    }
    if (n.exact)
        return ExactToWhole(*n.exact, CurrencyDecimals, scaled);
    if (!std::isfinite(n.real))
        return DISP_E_OVERFLOW;
    return ExactToWhole(ExactNumber(n.real), CurrencyDecimals, scaled);
}

HRESULT SetText(const std::string& text, VARIANT& out)
{
    const std::u16string units(text.begin(), text.end());
    out.vt = VT_BSTR;
    out.bstrVal = SysAllocStringLen(units.data(), static_cast<UINT>(units.size()));
    return out.bstrVal == nullptr ? E_OUTOFMEMORY : S_OK;
}

HRESULT ToText(const VARIANT& source, const Number& n, VARIANT& out)
{
    if (source.vt == VT_EMPTY)
        return SetText("", out);
    if (n.kind == Number::Kind::Real)
        return SetText(FormatReal(n.real, n.single ? 7 : 15), out);
    if (n.kind == Number::Kind::Currency)
        return SetText(CurrencyText(n.whole), out);
    return SetText(WholeText(n), out);
}

HRESULT WriteTarget(const VARIANT& source, const Number& n, VARTYPE vt, VARIANT& out)
{
    out.vt = vt;
    switch (vt) {
    case VT_I1: return ToWhole(n, out.cVal);
    case VT_I2: return ToWhole(n, out.iVal);
    case VT_I4: return ToWhole(n, out.lVal);
    case VT_INT: return ToWhole(n, out.intVal);
    case VT_I8:
        if (n.kind == Number::Kind::Currency) {
            out.llVal = CurrencyToLongLong(n.whole);
            return S_OK;
        }
        return ToWhole(n, out.llVal);
    case VT_UI1: return ToWhole(n, out.bVal);
    case VT_UI2: return ToWhole(n, out.uiVal);
    case VT_UI4: return ToWhole(n, out.ulVal);
    case VT_UINT: return ToWhole(n, out.uintVal);
    case VT_UI8: return ToWhole(n, out.ullVal);
    case VT_R8: out.dblVal = AsReal(n); return S_OK;
    case VT_DATE: out.date = AsReal(n); return S_OK;
    case VT_R4: {
        const double value = AsReal(n);
        if (std::isfinite(value) && std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max()))
            return DISP_E_OVERFLOW;
        out.fltVal = static_cast<float>(value);
        return S_OK;
    }
    case VT_CY: return ToCurrency(n, out.cyVal.int64);
    case VT_BOOL: {
        const bool isTrue = n.kind == Number::Kind::Real ? n.real != 0 : (n.whole != 0 || n.unsignedValue != 0);
        out.boolVal = isTrue ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }
    case VT_BSTR: return ToText(source, n, out);
    default: return DISP_E_TYPEMISMATCH;
    }
}

HRESULT CheckTarget(VARTYPE vt)
{
    if (vt == VT_DISPATCH || vt == VT_UNKNOWN || vt == VT_ERROR || vt == VT_VARIANT || vt == VT_RECORD ||
        vt == VT_DECIMAL)
        return DISP_E_TYPEMISMATCH;
    if ((vt & VT_ARRAY) != 0 && IsValidVariantType(vt))
        return DISP_E_TYPEMISMATCH;
    if (!IsValidVariantType(vt) || (vt & VT_BYREF) != 0)
        return DISP_E_BADVARTYPE;
    return S_OK;
}

HRESULT Convert(const VARIANT& source, VARTYPE vt, VARIANT& result)
{
    if (vt == VT_EMPTY || vt == VT_NULL) {
        if (source.vt != VT_EMPTY && !IsNumberOrBoolean(source.vt))
            return DISP_E_TYPEMISMATCH;
        result.vt = vt;
        return S_OK;
    }
    if (KeepsTheBits(source.vt, vt)) {
        std::memcpy(&result, &source, sizeof result);
        result.vt = vt;
        return S_OK;
    }
    if ((source.vt == VT_DATE || source.vt == VT_DECIMAL) && vt == VT_BSTR) {
        std::string text;
        const HRESULT hr = source.vt == VT_DATE ? FormatDate(source.date, text) : FormatDecimal(source.decVal, text);
        return FAILED(hr) ? hr : SetText(text, result);
    }
    Number number;
    const HRESULT hr = ReadNumber(source, vt, number);
    return FAILED(hr) ? hr : WriteTarget(source, number, vt, result);
}

}  // namespace

HRESULT VariantChangeType(VARIANTARG* pvargDest, const VARIANTARG* pvarSrc, USHORT, VARTYPE vt)
{
    if (pvargDest == nullptr || pvarSrc == nullptr)
        return E_INVALIDARG;
    if (!IsValidVariantType(pvarSrc->vt))
        return DISP_E_BADVARTYPE;

    VARIANT source;
    VariantInit(&source);
    HRESULT hr = VariantCopyInd(&source, pvarSrc);
    if (FAILED(hr))
        return hr;

    VARIANT result;
    VariantInit(&result);
    if (source.vt == vt) {
        std::memcpy(&result, &source, sizeof result);
        VariantInit(&source);
    } else {
        hr = CheckTarget(vt);
        if (SUCCEEDED(hr))
            hr = Convert(source, vt, result);
        VariantClear(&source);
        if (FAILED(hr))
            return hr;
    }
    hr = VariantClear(pvargDest);
    if (FAILED(hr)) {
        VariantClear(&result);
        return hr;
    }
    std::memcpy(pvargDest, &result, sizeof result);
    return S_OK;
}

HRESULT VariantChangeTypeEx(VARIANTARG* pvargDest, const VARIANTARG* pvarSrc, LCID, USHORT wFlags, VARTYPE vt)
{
    return VariantChangeType(pvargDest, pvarSrc, wFlags, vt);
}
