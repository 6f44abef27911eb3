#pragma once
// The walk that both results tables share: one call of the per-entry operation for every
// name, in table order, each with the first element of ResultBlock, EngineToHost and
// ForceEngineSource 1, whatever the caller of the table's procedure passed.
#include "dictionary/tables/result_block.h"
#include "dictionary/transfer_types.h"

#include <cstddef>

class ScalarMap;

inline constexpr TransferDirection ResultsDirection = EngineToHost;
inline constexpr ForceEngineSource ResultsForce = 1;

// The operation takes the arguments of TransferScalarFloat.
template <std::size_t Count, std::size_t Capacity, typename Operation>
void WalkResults(const char (&names)[Count][Capacity], ScalarMap* map, Operation&& operation)
{
    for (const char(&name)[Capacity] : names)
        operation(map, name, &ResultBlock[0], ResultsDirection, ResultsForce);
}
