#pragma once
// The platform's code-page conversions for the ANSI code page (Windows-1252 here, for
// the process and for every thread) and UTF-8. Lengths follow the platform: -1 counts the
// text up to and including its terminator, a destination size of 0 asks for the size
// needed, and a destination that is too small answers 0. Every failure answers 0 and sets
// the thread's last error: ERROR_INSUFFICIENT_BUFFER for a destination too small,
// ERROR_INVALID_PARAMETER otherwise, a code page that is not available included.
// WideCharToMultiByte to the ANSI code page maps a character without a byte of its own by
// the platform's best fit (U+0100 gives 'A') unless WC_NO_BEST_FIT_CHARS forbids it, and
// to the default character otherwise.
#if defined(_WIN32)  // the platform's own declarations
#include <windows.h>
#else
#include "platform/win_types.h"

constexpr UINT CP_ACP = 0;
constexpr UINT CP_THREAD_ACP = 3;
constexpr UINT CP_UTF8 = 65001;
constexpr UINT AnsiCodePage = 1252;

// WideCharToMultiByte: only characters that convert back unchanged, no best fit.
constexpr DWORD WC_NO_BEST_FIT_CHARS = 0x00000400;

int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                        LPWSTR lpWideCharStr, int cchWideChar);

int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                        LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar, BOOL* lpUsedDefaultChar);

// Whether the byte may start a character of two bytes: never in the code pages here (the
// platform has such characters only in its double-byte code pages). A code page that is not
// available answers FALSE as well, with ERROR_INVALID_PARAMETER.
BOOL IsDBCSLeadByteEx(UINT CodePage, BYTE TestChar);
#endif
