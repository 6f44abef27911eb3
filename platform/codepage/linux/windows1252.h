#pragma once
// The Windows-1252 table, built once through glibc's iconv. When the converter cannot be
// opened there is no table: the code page is not available.
#include <optional>

#include "platform/win_types.h"

// The iconv name of the converter the table is built with.
extern const char* const Windows1252ConverterName;

bool Windows1252Available();
// Only while the code page is available.
char16_t Windows1252ToUnicode(BYTE byte);
std::optional<BYTE> UnicodeToWindows1252(char16_t unit);
// The byte that stands in for a unit without one of its own, by the platform's best fit.
std::optional<BYTE> BestFitToWindows1252(char16_t unit);
