#pragma once
// The calling thread's last error code, which the platform's functions set when they fail,
// with the platform's values.
#include "platform/win_types.h"

constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;

DWORD GetLastError();
void SetLastError(DWORD dwErrCode);
