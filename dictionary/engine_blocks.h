#pragma once
// The addresses of the engine's blocks, handed over through BlockPointerCallback (which the
// facade gives the engine) and kept module-wide for every object; the dictionary's transfers
// address the slots through them. They are null until the engine first hands them over.
#include "dictionary/transfer_types.h"

#include <cstdint>

extern void* ValueBlockAddress;
extern void* StatusBlockAddress;
extern void* AuxBlockAddress;

// The engine calls this, inside ASMEZI, with the addresses of its value, status and
// auxiliary blocks; each call replaces all three.
void BlockPointerCallback(void* values, void* statuses, void* auxiliary);
using BlockPointerCallbackFunction = void (*)(void*, void*, void*);

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
