// Relays of monitor messages from Fortran callers to the host's monitor.
#include "engine_services/monitor/monitor_relays.h"

#include "link/MonitorLink.h"

void WinMonRelay(char* code, std::uint32_t, char* message, std::uint32_t)
{
    MonitorLink::WinMon(code, message);
}

void WinMonBlankRelay(char* message, std::uint32_t)
{
    // Exactly one character: the monitor reads no more of a code text than that.
    char blankCode[1] = {' '};
    MonitorLink::WinMon(blankCode, message);
}

void WinMsgRelay(LONG* number, char* message, std::uint32_t)
{
    MonitorLink::WinMsg(number, message);
}

void ATVWinMsgRelay(LONG* first, LONG* second, char* message, std::uint32_t)
{
    MonitorLink::ATVWinMsg(first, second, message);
}
