#pragma once
// Per-entry transfers of one named scalar between a host link and engine memory of other
// kinds than a single-precision slot: a text buffer, a double, an unsigned 64-bit integer.
// The plain members take no force argument: they never overwrite a protected host value.
#include "dictionary/transfer_types.h"

#include <cstddef>
#include <cstdint>

class ScalarMap;

// The text moves whatever the sources: toward the engine, at most capacity - 1 bytes and a
// terminator (a capacity of 0 writes nothing); toward the host, the buffer up to its
// terminator or its capacity, whichever comes first.
void TransferScalarText(ScalarMap* map, const char* name, char* buffer, std::size_t capacity,
                        TransferDirection direction);

void TransferScalarDouble(ScalarMap* map, const char* name, double* value, TransferDirection direction,
                          ForceEngineSource force);
void TransferScalarDoublePlain(ScalarMap* map, const char* name, double* value, TransferDirection direction);

// The value moves as a double and comes back truncated toward zero, in either direction;
// a double with no unsigned 64-bit form (negative, 2^64 or more, NaN) leaves it as it was.
void TransferScalarUnsigned(ScalarMap* map, const char* name, std::uint64_t* value, TransferDirection direction,
                            ForceEngineSource force);
void TransferScalarUnsignedPlain(ScalarMap* map, const char* name, std::uint64_t* value,
                                 TransferDirection direction);
