#pragma once
// Records of a unit's stream: each value is the 24-byte image of a VARIANT; a text
// follows its image with a 32-bit count of UTF-16 units and the units themselves.
#include <cstdint>

#include "platform/oleauto/variant.h"

constexpr std::uint32_t RecordImageBytes = 24;

std::int32_t WriteUnitVariant(std::int32_t unit, const VARIANT& value);
std::int32_t ReadUnitVariant(std::int32_t unit, VARIANT& out);

std::int32_t WriteUnitText(std::int32_t unit, const char* text, std::int32_t length);
std::int32_t WriteUnitDouble(std::int32_t unit, double value);
std::int32_t WriteUnitInteger(std::int32_t unit, std::int32_t value);

// Fills `buffer` with blanks, then copies the record's text (as much as fits) to its start.
std::int32_t ReadUnitText(std::int32_t unit, char* buffer, std::uint32_t length);
std::int32_t ReadUnitDouble(std::int32_t unit, double& out);
std::int32_t ReadUnitInteger(std::int32_t unit, std::int32_t& out);
