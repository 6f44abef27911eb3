#include "engine/engine_blocks.h"

void* ValueBlockAddress = nullptr;
void* StatusBlockAddress = nullptr;
void* AuxBlockAddress = nullptr;

void BlockPointerCallback(void* values, void* statuses, void* auxiliary)
{
    ValueBlockAddress = values;
    StatusBlockAddress = statuses;
    AuxBlockAddress = auxiliary;
}

bool BlockAddressesHandedOver() { return ValueBlockAddress != nullptr && StatusBlockAddress != nullptr; }

namespace {
bool IsSlot(std::int32_t slot) { return slot >= 0 && slot < SlotCount; }
}  // namespace

float* ValueSlotAddress(std::int32_t slot)
{
    if (!IsSlot(slot) || ValueBlockAddress == nullptr)
        return nullptr;
    return static_cast<float*>(ValueBlockAddress) + slot;
}

StatusEntry* StatusSlotAddress(std::int32_t slot)
{
    if (!IsSlot(slot) || StatusBlockAddress == nullptr)
        return nullptr;
    return static_cast<StatusEntry*>(StatusBlockAddress) + slot;
}
