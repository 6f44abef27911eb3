// The callback that keeps the engine's block addresses module-wide for every object.
#include "engine/block_pointer_callback.h"

#include "dictionary/engine_blocks.h"

void* AuxBlockAddress = nullptr;

void BlockPointerCallback(void* values, void* statuses, void* auxiliary)
{
    ValueBlockAddress = values;
    StatusBlockAddress = statuses;
    AuxBlockAddress = auxiliary;
}
