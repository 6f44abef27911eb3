#pragma once
// BSTR: UTF-16 text after a 32-bit byte count and before a zero unit, as on the platform.
#include "platform/oleauto/variant.h"

BSTR SysAllocString(const OLECHAR* psz);
BSTR SysAllocStringLen(const OLECHAR* strIn, UINT ui);
UINT SysStringLen(BSTR pbstr);
void SysFreeString(BSTR bstrString);
