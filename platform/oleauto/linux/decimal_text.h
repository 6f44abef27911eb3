#pragma once
// DECIMAL values as text in the platform's en-US form.
#include <string>

#include "platform/com/hresult.h"
#include "platform/oleauto/variant.h"

// Every digit of the 96-bit value with the point placed by the scale, no trailing zeros
// after the point, and '-' for the negative sign. A scale above 28, or a sign byte other
// than 0 and DECIMAL_NEG, answers E_INVALIDARG.
HRESULT FormatDecimal(const DECIMAL& value, std::string& text);
