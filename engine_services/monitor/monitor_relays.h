#pragma once
// Relays of monitor messages for callers with the Fortran calling convention: every
// argument by reference, each text followed at once by its hidden length, passed by value.
// The relays hand the caller's own addresses to MonitorLink and drop the hidden lengths; they
// check, copy and catch nothing.
#include "platform/win_types.h"

#include <cstdint>

extern "C" {

// MonitorLink::WinMon(code, message).
void WinMonRelay(char* code, std::uint32_t codeLength, char* message, std::uint32_t messageLength);
// MonitorLink::WinMon with a code of one blank, held in a buffer of the relay's own.
void WinMonBlankRelay(char* message, std::uint32_t messageLength);
// MonitorLink::WinMsg(number, message).
void WinMsgRelay(LONG* number, char* message, std::uint32_t messageLength);
// MonitorLink::ATVWinMsg(first, second, message).
void ATVWinMsgRelay(LONG* first, LONG* second, char* message, std::uint32_t messageLength);

}
