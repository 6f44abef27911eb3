#pragma once
// The module's own value and status blocks, laid out like the engine's, into which the
// array variable walk hands element addresses. Nothing writes them: they stay zero from
// load to unload.
#include "dictionary/transfer_types.h"

#include <cstdint>

extern float LocalValueBlock[SlotCount];
extern StatusEntry LocalStatusBlock[SlotCount];

// The element of a slot, or null for NoSlot and for a slot outside the blocks.
inline float* LocalValueElement(std::int32_t slot)
{
    return slot >= 0 && slot < SlotCount ? &LocalValueBlock[slot] : nullptr;
}
inline StatusEntry* LocalStatusElement(std::int32_t slot)
{
    return slot >= 0 && slot < SlotCount ? &LocalStatusBlock[slot] : nullptr;
}
