#pragma once
// The HRESULT code that the common-block exchange reports.
#include "platform/win_types.h"

inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
