// The walk of the array variable table over the module's own local blocks.
#include "dictionary/tables/array_variables.h"

#include "dictionary/noop_transfer.h"

void TransferArrayVariables(ScalarMap* map, TransferDirection direction, ForceEngineSource force)
{
    WalkArrayVariables(map, direction, force, TransferNoOp, TransferStatusNoOp);
}
