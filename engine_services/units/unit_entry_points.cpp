// The unit entry points that the engine's Fortran code calls.
#include "engine_services/units/unit_entry_points.h"

#include <limits>
#include <new>

#include "engine_services/units/plain_units.h"
#include "engine_services/units/unit_records.h"
#include "engine_services/units/unit_streams.h"

namespace {

constexpr std::uint32_t LargestCount = std::numeric_limits<std::int32_t>::max();

// The name's length without its trailing blanks (the blank only).
std::uint32_t TrimmedLength(const char* name, std::uint32_t length)
{
    while (length != 0 && name[length - 1] == ' ')
        --length;
    return length;
}

// The stream operations take signed lengths; a longer text names nothing.
std::int32_t OpenTrimmed(const std::int32_t* unit, const char* name, std::uint32_t name_length,
                         const std::int32_t* mode, std::int32_t (*open)(std::int32_t, const char*, std::int32_t, DWORD))
{
    const std::uint32_t length = name != nullptr ? TrimmedLength(name, name_length) : 0;
    if (length > LargestCount)
        return 0;
    return open(*unit, name, static_cast<std::int32_t>(length), static_cast<DWORD>(*mode));
}

// The Fortran run-time keeps the units -1 and -2 for its internal files: a statement on one
// of them, with no file behind it, ends the process. So no negative unit reaches a plain
// statement; each is answered as the run-time answers a negative unit it never handed out.
bool ReachesPlainStatement(const std::int32_t* unit)
{
    return *unit >= 0;
}

// The run-time's BACKSPACE status for such a unit; its OPEN and READ refuse it with the
// answer 0, and its CLOSE and REWIND complete (0).
constexpr std::int32_t NegativeUnitBackspaceStatus = 5005;

// No exception may unwind into the engine's Fortran frames: exhausted memory is a failure.
template <typename Operation>
std::int32_t ZeroOnExhaustedMemory(Operation operation)
{
    try {
        return operation();
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

}  // namespace

extern "C" {

std::int32_t UnitOpen(const std::int32_t* unit, const char* name, std::uint32_t name_length, const std::int32_t* mode)
{
    if (IsStorageAttached() == 0)
        return ReachesPlainStatement(unit) ? plainunitopen_(unit, name, mode, name_length) : 0;
    return ZeroOnExhaustedMemory([&] { return OpenTrimmed(unit, name, name_length, mode, &OpenExistingUnitStream); });
}

std::int32_t UnitCreate(const std::int32_t* unit, const char* name, std::uint32_t name_length,
                        const std::int32_t* mode)
{
    if (IsStorageAttached() == 0)
        return 0;
    return ZeroOnExhaustedMemory([&] { return OpenTrimmed(unit, name, name_length, mode, &CreateUnitStream); });
}

std::int32_t UnitWriteText(const std::int32_t* unit, const char* text, std::uint32_t text_length)
{
    if (IsStorageAttached() == 0 || text_length > LargestCount)
        return 0;
    return ZeroOnExhaustedMemory([&] { return WriteUnitText(*unit, text, static_cast<std::int32_t>(text_length)); });
}

std::int32_t UnitReadText(const std::int32_t* unit, char* buffer, std::uint32_t buffer_length)
{
    if (IsStorageAttached() == 0)
        return ReachesPlainStatement(unit) ? plainunitreadtext_(unit, buffer, buffer_length) : 0;
    return ReadUnitText(*unit, buffer, buffer_length);
}

std::int32_t UnitClose(const std::int32_t* unit)
{
    if (IsStorageAttached() == 0)
        return ReachesPlainStatement(unit) ? plainunitclose_(unit) : 0;
    return CloseUnitStream(*unit);
}

std::int32_t UnitCommit(const std::int32_t* unit)
{
    if (IsStorageAttached() == 0)
        return 0;
    return CommitUnit(*unit);
}

std::int32_t UnitRewind(const std::int32_t* unit)
{
    if (IsStorageAttached() == 0)
        return ReachesPlainStatement(unit) ? plainunitrewind_(unit) : 0;
    return RewindUnit(*unit);
}

std::int32_t UnitBackspace(const std::int32_t* unit)
{
    if (IsStorageAttached() == 0)
        return ReachesPlainStatement(unit) ? plainunitbackspace_(unit) : NegativeUnitBackspaceStatus;
    return BackspaceUnit(*unit);
}

}  // extern "C"
