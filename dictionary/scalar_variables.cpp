// The walk of the scalar variable table between the host's map and the engine's blocks.
#include "dictionary/scalar_variables.h"

#include "dictionary/engine_blocks.h"
#include "dictionary/scalar_transfer.h"
#include "dictionary/tables/scalar_variable_table.h"

void TransferScalarVariables(ScalarMap* map, TransferDirection direction, ForceEngineSource force)
{
    for (const ScalarVariableEntry& entry : ScalarVariableTable) {
        // The block addresses are read at every entry: the engine may hand over new ones.
        // An entry without a slot, or blocks not yet handed over, address no memory.
        TransferScalarFloat(map, entry.Name, ValueSlotAddress(entry.Slot), direction, force);
        TransferScalarStatus(map, entry.Name, StatusSlotAddress(entry.Slot), direction);
    }
}
