#pragma once
// The walk of the array results table with the operation that does nothing: it moves
// no value and touches no map or block. Nothing in the system calls it.
#include "dictionary/transfer_types.h"

class ScalarMap;

// The direction and the flag have no effect; the map is handed on, never dereferenced.
void TransferArrayResults(ScalarMap* map, TransferDirection direction, ForceEngineSource force);
