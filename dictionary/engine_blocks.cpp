// The engine's block addresses, null until the engine hands its blocks over.
#include "dictionary/engine_blocks.h"

void* ValueBlockAddress = nullptr;
void* StatusBlockAddress = nullptr;
void* AuxBlockAddress = nullptr;

void HandOverEngineBlocks(void* values, void* statuses, void* auxiliary)
{
    ValueBlockAddress = values;
    StatusBlockAddress = statuses;
    AuxBlockAddress = auxiliary;
}

void ForgetEngineBlocks() { HandOverEngineBlocks(nullptr, nullptr, nullptr); }

bool BlockAddressesHandedOver() { return ValueBlockAddress != nullptr && StatusBlockAddress != nullptr; }
