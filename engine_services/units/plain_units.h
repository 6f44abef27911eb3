#pragma once
// The plain-unit routines (Fortran), called with gfortran's own convention: every
// argument by reference, lower-case names with a trailing underscore, and each text's
// length as a size_t after all other arguments.
#include <cstddef>
#include <cstdint>

extern "C" {
std::int32_t plainunitopen_(const std::int32_t* unit, const char* name, const std::int32_t* mode,
                            std::size_t name_length);
std::int32_t plainunitreadtext_(const std::int32_t* unit, char* buffer, std::size_t buffer_length);
std::int32_t plainunitclose_(const std::int32_t* unit);
std::int32_t plainunitrewind_(const std::int32_t* unit);
std::int32_t plainunitbackspace_(const std::int32_t* unit);
}
