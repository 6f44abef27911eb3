#pragma once
// The calling thread's last error code, which the platform's functions set when they fail,
// with the platform's values.
#if defined(_WIN32)  // the platform's own declarations
#include <windows.h>
#else
#include "platform/win_types.h"

constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_MOD_NOT_FOUND = 126;
constexpr DWORD ERROR_FILENAME_EXCED_RANGE = 206;
constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;

DWORD GetLastError();
void SetLastError(DWORD dwErrCode);
#endif
