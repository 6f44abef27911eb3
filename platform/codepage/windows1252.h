#pragma once
// The Windows-1252 table, built once through glibc's iconv.
#include <optional>

#include "platform/win_types.h"

char16_t Windows1252ToUnicode(BYTE byte);
std::optional<BYTE> UnicodeToWindows1252(char16_t unit);
