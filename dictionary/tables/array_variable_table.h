#pragma once
// The array design variables of the engine: each array's name as the host knows it, with
// the first slot of its array in the slot numbering of the engine's blocks, in the order
// the walk visits them. The table holds no array lengths.
#include "dictionary/transfer_types.h"

#include <cstddef>
#include <cstdint>

// Names are held in place, so the table is plain read-only data with no relocations.
inline constexpr std::size_t ArrayVariableNameCapacity = 24;

struct ArrayVariableEntry {
    char Name[ArrayVariableNameCapacity];
    std::int32_t FirstSlot;  // the array's first slot, or NoSlot
};

inline constexpr std::size_t ArrayVariableCount = 186;

extern const ArrayVariableEntry ArrayVariableTable[ArrayVariableCount];
