#pragma once
// The walk of the scalar results table: every name the host's map holds receives the
// first element of ResultBlock (0) with the source SourceEngine. Nothing in the system
// calls it.
#include "dictionary/transfer_types.h"

class ScalarMap;

// The direction and the flag have no effect. The map must not be null.
void TransferScalarResults(ScalarMap* map, TransferDirection direction, ForceEngineSource force);
