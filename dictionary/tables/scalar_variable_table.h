#pragma once
// The scalar design variables of the engine: each name as the host's map holds it, with
// its slot in the engine's value and status blocks, in the order the transfers walk them.
#include "dictionary/transfer_types.h"

#include <cstddef>
#include <cstdint>

// Names are held in place, so the table is plain read-only data with no relocations.
inline constexpr std::size_t ScalarVariableNameCapacity = 37;

struct ScalarVariableEntry {
    char Name[ScalarVariableNameCapacity];
    std::int32_t Slot;  // a slot of both blocks, or NoSlot
};

inline constexpr std::size_t ScalarVariableCount = 1258;

extern const ScalarVariableEntry ScalarVariableTable[ScalarVariableCount];
