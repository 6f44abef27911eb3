#pragma once
// The stream name of a unit's file name: the part after its first '.', or the part
// before a '.' that ends it, or the whole name; in UTF-16 through the ANSI code page.
#include <cstdint>

#include "platform/win_types.h"

constexpr int StreamNameUnits = 256;

// Reads at most `length` bytes of `name`, stopping early at a zero byte. Answers the
// number of UTF-16 units written to `buffer` before its terminator, 0 when there is no
// name to give (an empty part, or more than 255 units).
int StreamNameFromFileName(const char* name, std::int32_t length, OLECHAR (&buffer)[StreamNameUnits]);
