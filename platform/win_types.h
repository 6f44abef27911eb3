#pragma once
// The platform's basic types, with the platform's sizes: LONG is 32-bit there, and
// OLECHAR is one UTF-16 unit.
#if defined(_WIN32)  // the platform's own declarations
#include <windows.h>
#else
#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using SHORT = std::int16_t;
using USHORT = std::uint16_t;
using INT = std::int32_t;
using UINT = std::uint32_t;
using BOOL = std::int32_t;
using LONGLONG = std::int64_t;
using ULONGLONG = std::uint64_t;
using FLOAT = float;
using DOUBLE = double;
using CHAR = char;
using LPSTR = char*;
using LPCSTR = const char*;
using OLECHAR = char16_t;
// A text or character literal of OLECHAR units.
#define OLESTR(str) u##str
using WCHAR = char16_t;
using LPOLESTR = OLECHAR*;
using LPCOLESTR = const OLECHAR*;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;
using HRESULT = std::int32_t;

// Macros, as the platform's headers define them; a host's own header may have defined them
// before, to the same values.
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
#endif
