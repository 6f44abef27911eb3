#pragma once
// The names of the array results of the mechanical design, in the order the walk visits
// them (a fixed order, not a sorted one). An entry is its name alone.
#include <cstddef>

// Names are held in place, so the table is plain read-only data with no relocations.
inline constexpr std::size_t ArrayResultNameCapacity = 25;
inline constexpr std::size_t ArrayResultCount = 1262;

extern const char ArrayResultsTable[ArrayResultCount][ArrayResultNameCapacity];
