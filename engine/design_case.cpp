// The case path and run number that Execute reads from the design-case file name.
#include "engine/design_case.h"

#include <limits>

std::optional<std::size_t> CasePathLength(std::string_view caseFileName)
{
    const auto position = caseFileName.find(CaseExtension);
    if (position == std::string_view::npos)
        return std::nullopt;
    return position + CaseExtension.size();
}

namespace {
bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::int32_t LeadingNumber(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && IsWhiteSpace(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    // Accumulate the magnitude, stopping once it is past the range either way.
    constexpr std::int64_t beyondRange = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 2;
    std::int64_t magnitude = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at)
        if (magnitude < beyondRange)
            magnitude = magnitude * 10 + (text[at] - '0');
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::int32_t RunNumberOf(std::int32_t number, std::int32_t runMode)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(number) + static_cast<std::uint32_t>(runMode));
}
