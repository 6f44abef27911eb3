// The simple uppercase of one UTF-16 unit, looked up in the table of ranges.
#include "platform/com/linux/simple_uppercase.h"

#include <algorithm>

#include "platform/com/linux/simple_uppercase_ranges.h"

char16_t SimpleUppercase(char16_t unit)
{
    const UppercaseRange* end = SimpleUppercaseRanges + SimpleUppercaseRangeCount;
    // The last run that starts at or before the unit is the only one that may hold it.
    const UppercaseRange* after = std::upper_bound(
        SimpleUppercaseRanges, end, unit, [](char16_t value, const UppercaseRange& range) { return value < range.first; });
    if (after == SimpleUppercaseRanges)
        return unit;
    const UppercaseRange& range = *(after - 1);
    if (unit > range.last || (unit - range.first) % range.stride != 0)
        return unit;
    return static_cast<char16_t>(unit + range.delta);
}
