#pragma once
// The addresses of the engine's blocks, module-wide and shared by every engine object: the
// value and status blocks, through which the dictionary's transfers address the slots, and
// the auxiliary block, which nothing reads. Null until the engine hands its blocks over.
#include "dictionary/transfer_types.h"

#include <cstdint>

extern void* ValueBlockAddress;
extern void* StatusBlockAddress;
extern void* AuxBlockAddress;

// The engine hands over its three blocks; each call replaces all three addresses.
void HandOverEngineBlocks(void* values, void* statuses, void* auxiliary);
// Forgets the blocks, as when the engine that owned them is gone: null again.
void ForgetEngineBlocks();

// Whether the engine has handed over its value and status blocks.
bool BlockAddressesHandedOver();

// The address of a slot's value or status entry, or null when the slot is NoSlot, lies
// outside the blocks, or the blocks have not been handed over.
inline bool IsSlot(std::int32_t slot) { return slot >= 0 && slot < SlotCount; }

inline float* ValueSlotAddress(std::int32_t slot)
{
    if (!IsSlot(slot) || ValueBlockAddress == nullptr)
        return nullptr;
    return static_cast<float*>(ValueBlockAddress) + slot;
}

inline StatusEntry* StatusSlotAddress(std::int32_t slot)
{
    if (!IsSlot(slot) || StatusBlockAddress == nullptr)
        return nullptr;
    return static_cast<StatusEntry*>(StatusBlockAddress) + slot;
}
