// The per-entry operations that do nothing, for the array tables.
#include "dictionary/noop_transfer.h"

void TransferNoOp(ScalarMap*, const char*, float*, TransferDirection, ForceEngineSource) {}

void TransferStatusNoOp(ScalarMap*, const char*, StatusEntry*, TransferDirection, ForceEngineSource) {}
