#pragma once
// An inclusive index range of a named array and the engine buffer that goes with it.
#include <cstddef>
#include <cstdint>

struct IndexRange {
    // Held in 64 bits, so that walking up to the largest 32-bit index cannot overflow.
    std::int64_t Low;
    std::int64_t High;

    // The range always runs upward from its lower index, whichever argument carried it.
    static IndexRange Between(std::int32_t first, std::int32_t last)
    {
        return first > last ? IndexRange{last, first} : IndexRange{first, last};
    }

    // Toward the engine the host's non-empty size is the highest index read (inclusive):
    // lowers High to the size. Answers false when nothing may be read: the lower index lies
    // below 0 or above the size.
    bool ClampHighForReading(short nonEmptySize)
    {
        if (High > nonEmptySize)
            High = nonEmptySize;
        return Low >= 0 && Low <= nonEmptySize;
    }

    // Buffer position of an index, in elements: the lower index is at position 0.
    std::ptrdiff_t Position(std::int64_t index, std::int32_t stride) const
    {
        return static_cast<std::ptrdiff_t>((index - Low) * stride);
    }

    template <typename Visit>
    void ForEach(Visit&& visit) const
    {
        for (std::int64_t index = Low; index <= High; ++index)
            visit(static_cast<int>(index));
    }
};
