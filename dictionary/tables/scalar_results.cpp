// The walk of the scalar results table: every held name receives the first result.
#include "dictionary/tables/scalar_results.h"

#include "dictionary/scalar_transfer.h"
#include "dictionary/tables/results_walk.h"
#include "dictionary/tables/scalar_results_table.h"

void TransferScalarResults(ScalarMap* map, TransferDirection, ForceEngineSource)
{
    WalkResults(ScalarResultsTable, map, TransferScalarFloat);
}
