#pragma once
// What every transfer of the variable dictionary shares: the engine's block model, the
// direction and force arguments, the host's source codes and the status rule.
#include <cstdint>

// The engine's blocks have this many slots, numbered from 0.
inline constexpr int SlotCount = 5000;
// The slot of a table entry that addresses no engine memory.
inline constexpr std::int32_t NoSlot = -1;

// An engine value equal to this has no value. Single-precision slots compare with the
// float nearest 1e-20, double-precision values with the double nearest 1e-20.
inline constexpr float NoValue = 1e-20f;
inline constexpr double NoValueDouble = 1e-20;

// 0 is EngineToHost; every other value is HostToEngine.
using TransferDirection = std::uint8_t;
inline constexpr TransferDirection EngineToHost = 0;
inline constexpr TransferDirection HostToEngine = 1;

// Exactly 1 makes every value written to the host take the source SourceEngine first.
using ForceEngineSource = std::uint8_t;

// The source code of a host value.
using ValueSource = short;
inline constexpr ValueSource SourceNone = 0;       // cleared instead of sent to the engine
inline constexpr ValueSource SourceProtected = 1;  // not overwritten from the engine
inline constexpr ValueSource SourceEngine = 2;     // set by a forced transfer

// One element of the engine's status block: the status code, then four bytes never read.
struct StatusEntry {
    std::int32_t Code;
    std::uint8_t Unused[4];
};
static_assert(sizeof(StatusEntry) == 8);

inline bool IsEngineToHost(TransferDirection direction) { return direction == EngineToHost; }
inline bool IsForced(ForceEngineSource force) { return force == 1; }

// The status rule: the engine's codes 0, 6 and 9 pass unchanged, every other becomes 4.
inline short HostStatusCode(std::int32_t engineCode)
{
    return engineCode == 0 || engineCode == 6 || engineCode == 9 ? static_cast<short>(engineCode) : short{4};
}
