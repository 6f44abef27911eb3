#pragma once
// Numbers as text in the platform's en-US form, and text read back as numbers, whatever
// the process's locale.
#include <string>

#include "platform/com/hresult.h"

// At most `digits` significant digits, rounded half away from zero on the value's exact
// binary value; fixed notation from about 1E-11 up to below 10^digits, the exponent form
// ("1E+20", "5.6789E-12") otherwise.
std::string FormatReal(double value, int digits);

// A decimal number with optional blanks around it, a sign, a fraction and an exponent; the
// whole text or nothing. Answers S_OK, DISP_E_TYPEMISMATCH for text that is no number,
// DISP_E_OVERFLOW for one too large for a double (one too small for it is zero).
HRESULT ParseReal(const std::u16string& text, double& value);
