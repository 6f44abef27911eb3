#include "dictionary/engine_blocks.h"

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
