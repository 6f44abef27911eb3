#pragma once
// Per-entry transfers of one named single-precision value and of one named status code
// between a host link and engine memory. A name that the map does not hold is skipped.
#include "dictionary/transfer_types.h"

class ScalarMap;

void TransferScalarFloat(ScalarMap* map, const char* name, float* value, TransferDirection direction,
                         ForceEngineSource force);
void TransferScalarStatus(ScalarMap* map, const char* name, StatusEntry* entry, TransferDirection direction);
