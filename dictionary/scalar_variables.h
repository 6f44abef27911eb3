#pragma once
// The walk of the scalar variable table: every entry's value, then its status, between
// the host's map and the engine's blocks.
#include "dictionary/transfer_types.h"

class ScalarMap;

void TransferScalarVariables(ScalarMap* map, TransferDirection direction, ForceEngineSource force);
