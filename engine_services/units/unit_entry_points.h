#pragma once
// The unit entry points for the engine's Fortran code: every argument by reference, each
// text followed at once by its length as an unsigned 32-bit value. While a storage is
// attached they work on its streams, otherwise on the Fortran run-time's plain units.
#include <cstdint>

extern "C" {
std::int32_t UnitOpen(const std::int32_t* unit, const char* name, std::uint32_t name_length,
                      const std::int32_t* mode);
std::int32_t UnitCreate(const std::int32_t* unit, const char* name, std::uint32_t name_length,
                        const std::int32_t* mode);
std::int32_t UnitWriteText(const std::int32_t* unit, const char* text, std::uint32_t text_length);
std::int32_t UnitReadText(const std::int32_t* unit, char* buffer, std::uint32_t buffer_length);
std::int32_t UnitClose(const std::int32_t* unit);
std::int32_t UnitCommit(const std::int32_t* unit);
std::int32_t UnitRewind(const std::int32_t* unit);
std::int32_t UnitBackspace(const std::int32_t* unit);
}
