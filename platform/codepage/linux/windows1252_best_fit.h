#pragma once
// The platform's best-fit mapping to code page 1252: for UTF-16 units that have no byte of
// their own, the byte that stands in for them (U+0100 gives 'A'). Ordered by unit.
#include <cstddef>

#include "platform/win_types.h"

struct BestFit {
    char16_t unit;
    BYTE byte;
};

extern const BestFit Windows1252BestFits[];
extern const std::size_t Windows1252BestFitCount;
