// The walk of the array results table, which moves nothing.
#include "dictionary/tables/array_results.h"

#include "dictionary/noop_transfer.h"
#include "dictionary/tables/array_results_table.h"
#include "dictionary/tables/results_walk.h"

void TransferArrayResults(ScalarMap* map, TransferDirection, ForceEngineSource)
{
    WalkResults(ArrayResultsTable, map, TransferNoOp);
}
