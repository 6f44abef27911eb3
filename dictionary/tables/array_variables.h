#pragma once
// The walk of the array variable table: for every entry a value operation, then a status
// operation, each with the map, the name, the entry's element of the module's own local
// blocks, and the caller's direction and flag. Nothing in the system calls it.
#include "dictionary/tables/array_variable_table.h"
#include "dictionary/tables/local_blocks.h"
#include "dictionary/transfer_types.h"

class ScalarMap;

// The operations take the arguments of TransferNoOp and TransferStatusNoOp.
template <typename ValueOperation, typename StatusOperation>
void WalkArrayVariables(ScalarMap* map, TransferDirection direction, ForceEngineSource force,
                        ValueOperation&& valueOperation, StatusOperation&& statusOperation)
{
    for (const ArrayVariableEntry& entry : ArrayVariableTable) {
        valueOperation(map, entry.Name, LocalValueElement(entry.FirstSlot), direction, force);
        statusOperation(map, entry.Name, LocalStatusElement(entry.FirstSlot), direction, force);
    }
}

// With TransferNoOp and TransferStatusNoOp: moves nothing, so any map, a null one included,
// any direction and any flag leave every map and block as they were.
void TransferArrayVariables(ScalarMap* map, TransferDirection direction, ForceEngineSource force);
