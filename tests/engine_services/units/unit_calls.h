#pragma once
// The unit entry points as the engine's Fortran code calls them: each text with its length.
#include "engine_services/units/unit_entry_points.h"

#include <cstdint>
#include <string>

inline constexpr std::int32_t Mode = ReadWriteExclusive;

inline std::int32_t OpenUnit(std::int32_t unit, const std::string& name)
{
    return UnitOpen(&unit, name.data(), static_cast<std::uint32_t>(name.size()), &Mode);
}

inline std::int32_t CreateUnit(std::int32_t unit, const std::string& name)
{
    return UnitCreate(&unit, name.data(), static_cast<std::uint32_t>(name.size()), &Mode);
}

inline std::int32_t Write(std::int32_t unit, const std::string& text)
{
    return UnitWriteText(&unit, text.data(), static_cast<std::uint32_t>(text.size()));
}

inline std::int32_t Read(std::int32_t unit, std::string& buffer)
{
    return UnitReadText(&unit, buffer.data(), static_cast<std::uint32_t>(buffer.size()));
}
