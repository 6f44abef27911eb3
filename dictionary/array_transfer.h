#pragma once
// Per-entry transfers between a named host array and engine memory: one element as a double,
// an inclusive index range of doubles or unsigned 64-bit integers, or a range of statuses.
// A range runs upward from its lower index, which sits at buffer position 0; index i sits at
// position (i - low) * stride. Toward the engine the host's non-empty size is the highest index
// read; toward the host it sets no bound. The plain members take no force argument: they never
// overwrite a protected host element. A name that the map does not hold is skipped.
#include "dictionary/transfer_types.h"

#include <cstdint>

class ArrayMap;

void TransferArrayElementDouble(ArrayMap* map, std::int32_t index, const char* name, double* value,
                                TransferDirection direction, ForceEngineSource force);

void TransferArrayDouble(ArrayMap* map, std::int32_t first, std::int32_t last, std::int32_t stride,
                         const char* name, double* buffer, TransferDirection direction, ForceEngineSource force);
void TransferArrayDoubleContiguous(ArrayMap* map, std::int32_t first, std::int32_t last, const char* name,
                                   double* buffer, TransferDirection direction, ForceEngineSource force);
void TransferArrayDoublePlain(ArrayMap* map, std::int32_t first, std::int32_t last, std::int32_t stride,
                              const char* name, double* buffer, TransferDirection direction);
void TransferArrayDoublePlainContiguous(ArrayMap* map, std::int32_t first, std::int32_t last, const char* name,
                                        double* buffer, TransferDirection direction);

// Host elements arrive as signed 32-bit integers, sign-extended; engine elements 0 and -32767
// have no value, and the others reach the host as unsigned numbers.
void TransferArrayInteger(ArrayMap* map, std::int32_t first, std::int32_t last, std::int32_t stride,
                          const char* name, std::uint64_t* buffer, TransferDirection direction,
                          ForceEngineSource force);
void TransferArrayIntegerPlain(ArrayMap* map, std::int32_t first, std::int32_t last, std::int32_t stride,
                               const char* name, std::uint64_t* buffer, TransferDirection direction);

// Toward the host, each entry's code under the status rule; toward the engine nothing moves.
void TransferArrayStatus(ArrayMap* map, std::int32_t first, std::int32_t last, std::int32_t stride,
                         const char* name, StatusEntry* buffer, TransferDirection direction);
