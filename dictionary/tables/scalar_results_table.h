#pragma once
// The names of the scalar results of the mechanical design, in the order the walk visits
// them (a fixed order, not a sorted one). An entry is its name alone.
#include <cstddef>

// Names are held in place, so the table is plain read-only data with no relocations.
inline constexpr std::size_t ScalarResultNameCapacity = 24;
inline constexpr std::size_t ScalarResultCount = 598;

extern const char ScalarResultsTable[ScalarResultCount][ScalarResultNameCapacity];
