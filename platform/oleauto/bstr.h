#pragma once
// BSTR: UTF-16 text after a 32-bit byte count and before a zero unit, as on the platform.
#if defined(_WIN32)  // the platform's own declarations
#include <windows.h>
#else
#include "platform/oleauto/variant.h"

BSTR SysAllocString(const OLECHAR* psz);
BSTR SysAllocStringLen(const OLECHAR* strIn, UINT ui);
UINT SysStringLen(BSTR pbstr);
void SysFreeString(BSTR bstrString);
#endif
