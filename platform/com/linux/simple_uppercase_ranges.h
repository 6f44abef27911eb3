#pragma once
// The simple uppercase mapping of UTF-16 units as runs: every `stride`-th unit from
// `first` to `last` maps to itself plus `delta`. Runs are ordered by `first` and do not
// overlap; a unit in no run maps to itself.
#include <cstddef>
#include <cstdint>

struct UppercaseRange {
    char16_t first;
    char16_t last;
    std::uint8_t stride;
    std::int32_t delta;
};

extern const UppercaseRange SimpleUppercaseRanges[];
extern const std::size_t SimpleUppercaseRangeCount;
