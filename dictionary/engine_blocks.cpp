// The engine's block addresses, null until the engine hands its blocks over.
#include "dictionary/engine_blocks.h"

void* ValueBlockAddress = nullptr;
void* StatusBlockAddress = nullptr;

bool BlockAddressesHandedOver() { return ValueBlockAddress != nullptr && StatusBlockAddress != nullptr; }
