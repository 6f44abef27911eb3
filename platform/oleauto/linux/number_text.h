#pragma once
// Numbers as text in the platform's en-US form, and text read back as numbers the way the
// platform's number parser reads it with all of its standard flags, whatever the process's
// locale.
#include <string>

#include "platform/com/hresult.h"
#include "platform/win_types.h"

// At most `digits` significant digits, rounded half away from zero on the value's exact
// binary value; fixed notation from about 1E-11 up to below 10^digits, the exponent form
// ("1E+20", "5.6789E-12") otherwise.
std::string FormatReal(double value, int digits);

// A number read from text, exactly: a decimal value, or the bits of a hexadecimal or octal
// form.
struct NumberText {
    bool negative = false;
    std::string digits;      // significant decimal digits, no leading or trailing zeros ("" is zero)
    long long exponent = 0;  // the value is digits x 10^exponent
    bool pattern = false;    // a hexadecimal or octal form, whose value is `bits`
    ULONGLONG bits = 0;
};

// Reads the whole text or nothing (en-US): white space (every Unicode white space
// character) around the number; before it a sign, the currency symbol '$' and an opening
// parenthesis, each at most once and in any order, white space between; digits with thousands separators (','), a decimal point, an
// exponent; after it a sign (if none came before) and the closing parenthesis (if one
// opened: the number is negative). Or "&H" and hexadecimal digits, or "&O" and octal digits,
// with white space around only. Answers S_OK, DISP_E_TYPEMISMATCH for text that is no number,
// DISP_E_OVERFLOW for a hexadecimal or octal value beyond 64 bits.
HRESULT ParseNumber(const std::u16string& text, NumberText& number);

// The exact value of a finite double.
NumberText ExactNumber(double value);

// The double nearest the number: DISP_E_OVERFLOW beyond a double's range (a number too
// small for it is zero).
HRESULT NumberToReal(const NumberText& number, double& value);

// The magnitude of the number times 10^scale, rounded half to even, or the bits of a
// hexadecimal or octal form times 10^scale: DISP_E_OVERFLOW beyond 64 bits.
HRESULT NumberToMagnitude(const NumberText& number, int scale, ULONGLONG& magnitude);
