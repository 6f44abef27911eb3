#pragma once
// The design-case file name as Execute reads it: the path up to and including its first
// ".QXR", and the run number written behind it.
#include <cstdint>
#include <optional>
#include <string_view>

inline constexpr std::string_view CaseExtension = ".QXR";

// The length of the case path (up to and including the first ".QXR", found
// case-sensitively), or none when the name holds no ".QXR".
std::optional<std::size_t> CasePathLength(std::string_view caseFileName);

// The decimal number that begins the text: white space skipped, an optional sign, then
// digits; 0 without digits; saturated at the 32-bit signed range.
std::int32_t LeadingNumber(std::string_view text);

// The run number: the number plus the run mode, as a 32-bit sum that wraps.
std::int32_t RunNumberOf(std::int32_t number, std::int32_t runMode);
