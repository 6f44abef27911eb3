// Arbitrary bytes as UTF-16 text read as a double, and their first eight bytes as a double
// written as text. The parser never reads past the text (AddressSanitizer watches the
// BSTR's block) and answers the same under a comma-decimal locale as under "C"; a double's
// text is the same under both and reads back as the double rounded to 15 significant digits.
#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include <sanitizer/lsan_interface.h>

#include "platform/oleauto/oleauto.h"
#include "tests/support/comma_locale.h"

namespace {

locale_t commaLocale = nullptr;

void Require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "number_text_fuzz: %s\n", what);
        std::abort();
    }
}

// VariantChangeType of `source`, which it clears, into `vt`; `take` reads a converted value.
template <typename Take>
HRESULT ConvertAndClear(VARIANT& source, VARTYPE vt, Take take)
{
    VARIANT out;
    VariantInit(&out);
    const HRESULT hr = VariantChangeType(&out, &source, 0, vt);
    if (hr == S_OK)
        take(out);
    VariantClear(&out);
    VariantClear(&source);
    return hr;
}

struct Parsed {
    HRESULT hr = E_FAIL;
    double value = 0;
};

Parsed ParseAsDouble(const std::u16string& text)
{
    VARIANT source{};
    source.vt = VT_BSTR;
    source.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    Parsed parsed;
    parsed.hr = ConvertAndClear(source, VT_R8, [&parsed](const VARIANT& out) { parsed.value = out.dblVal; });
    return parsed;
}

std::u16string TextOf(double value)
{
    VARIANT source{};
    source.vt = VT_R8;
    source.dblVal = value;
    std::u16string text;
    const HRESULT hr = ConvertAndClear(
        source, VT_BSTR, [&text](const VARIANT& out) { text.assign(out.bstrVal, SysStringLen(out.bstrVal)); });
    Require(hr == S_OK, "a finite double has a text");
    return text;
}

// Runs `action` with the calling thread's locale set to the comma-decimal one.
template <typename Action>
auto UnderCommaLocale(Action action)
{
    uselocale(commaLocale);
    auto result = action();
    uselocale(LC_GLOBAL_LOCALE);
    return result;
}

// Whether the exact decimal value of `value` ends with a 5 as its 16th significant digit.
bool IsTieAtTheSixteenthDigit(double value)
{
    char buffer[800];
    const char* const exact = buffer;
    const char* const end =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 780).ptr;
    const char* const exponent = std::find(exact, end, 'e');
    // "d.ddd...": the 16th digit stands at index 16.
    return exact[16] == '5' && std::all_of(exact + 17, exponent, [](char c) { return c == '0'; });
}

// The double nearest to `value` rounded half away from zero to 15 significant digits; none
// when that leaves the range of doubles. The standard library rounds half to even, so an
// exact tie is first moved off the tie, away from zero.
std::optional<double> RoundedToFifteenDigits(double value)
{
    const double away = value > 0 ? HUGE_VAL : -HUGE_VAL;
    const double nudged = IsTieAtTheSixteenthDigit(value) ? std::nextafter(value, away) : value;
    char text[64];
    const char* const end = std::to_chars(text, text + sizeof text, nudged, std::chars_format::scientific, 14).ptr;
    double rounded = 0;
    if (std::from_chars(text, end, rounded).ec != std::errc{})
        return std::nullopt;
    return rounded;
}

void CheckParsing(const std::u16string& text)
{
    const Parsed inC = ParseAsDouble(text);
    if (commaLocale == nullptr)
        return;
    const Parsed inComma = UnderCommaLocale([&text] { return ParseAsDouble(text); });
    Require(inComma.hr == inC.hr, "a text parses with the same result under a comma locale");
    Require(std::memcmp(&inComma.value, &inC.value, sizeof inC.value) == 0,
            "a text parses to the same double under a comma locale");
}

void CheckFormatting(double value)
{
    if (!std::isfinite(value))
        return;
    const std::u16string text = TextOf(value);
    if (commaLocale != nullptr)
        Require(UnderCommaLocale([value] { return TextOf(value); }) == text,
                "a double has the same text under a comma locale");
    const Parsed back = ParseAsDouble(text);
    const std::optional<double> expected = RoundedToFifteenDigits(value);
    if (!expected) {
        Require(back.hr == DISP_E_OVERFLOW, "a text rounded beyond the largest double overflows");
        return;
    }
    Require(back.hr == S_OK, "a double's text parses");
    Require(back.value == *expected, "a double's text is the double rounded to 15 significant digits");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const char* name = FindCommaLocale();
    if (name != nullptr) {
        // newlocale keeps a copy of LOCPATH that it never frees: not a leak of the code under test.
        __lsan_disable();
        commaLocale = newlocale(LC_ALL_MASK, name, nullptr);
        __lsan_enable();
    }
    if (commaLocale == nullptr)
        std::fprintf(stderr, "number_text_fuzz: no comma-decimal locale here; the locale checks do not run\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::u16string text(size / sizeof(char16_t), u'\0');
    std::memcpy(text.data(), data, text.size() * sizeof(char16_t));
    CheckParsing(text);
    double value = 0;
    if (size >= sizeof value) {
        std::memcpy(&value, data, sizeof value);
        CheckFormatting(value);
    }
    return 0;
}
