#pragma once
// The per-entry operations that do nothing: the array tables call them for their entries,
// with the arguments of TransferScalarFloat. They fetch no link.
#include "dictionary/transfer_types.h"

class ScalarMap;

void TransferNoOp(ScalarMap* map, const char* name, float* value, TransferDirection direction,
                  ForceEngineSource force);
void TransferStatusNoOp(ScalarMap* map, const char* name, StatusEntry* entry, TransferDirection direction,
                        ForceEngineSource force);
