#pragma once
// The module's own block of the results tables: 60000 bytes, zero from load to unload.
// Every results entry hands over its first element, a single-precision value.
#include <cstddef>

inline constexpr std::size_t ResultBlockSize = 60000;

extern float ResultBlock[ResultBlockSize / sizeof(float)];
