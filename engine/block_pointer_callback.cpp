// The callback that hands the engine's block addresses to the dictionary, module-wide for
// every object.
#include "engine/block_pointer_callback.h"

#include "dictionary/engine_blocks.h"

void BlockPointerCallback(void* values, void* statuses, void* auxiliary)
{
    HandOverEngineBlocks(values, statuses, auxiliary);
}
