#pragma once
// Dates as text in the platform's en-US form, conversion flags 0.
#include <string>

#include "platform/com/hresult.h"

// "M/D/YYYY h:mm:ss AM" (or PM): the date alone when the time is midnight, the time alone on
// day 0 (12/30/1899). Days count from 12/30/1899; before it the fraction's magnitude is the
// time of day. The time is rounded to the nearest second. Dates outside 1/1/100 to
// 12/31/9999 answer E_INVALIDARG.
HRESULT FormatDate(double date, std::string& text);
