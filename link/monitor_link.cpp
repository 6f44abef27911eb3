// The host's monitor and its run mode.
#include "link/MonitorLink.h"

#include "link/LinkJournal.h"

#include <string>

namespace {
int g_RunMode = 0;
MonitorObserver* g_Observer = nullptr;
}  // namespace

void MonitorLink::WinMon(char* code, char* message)
{
    // A code text may be a single character with nothing after it: read no more than that.
    LinkJournal::Record("MonitorLink::WinMon", {}, -1, code != nullptr ? std::string(1, code[0]) : std::string());
    if (g_Observer != nullptr)
        g_Observer->OnWinMon(code, message);
}

void MonitorLink::WinMsg(LONG* number, char* message)
{
    LinkJournal::Record("MonitorLink::WinMsg", {});
    if (g_Observer != nullptr)
        g_Observer->OnWinMsg(number, message);
}

void MonitorLink::ATVWinMsg(LONG* first, LONG* second, char* message)
{
    LinkJournal::Record("MonitorLink::ATVWinMsg", {});
    if (g_Observer != nullptr)
        g_Observer->OnATVWinMsg(first, second, message);
}

int MonitorLink::GetOrvelRunMode()
{
    LinkJournal::Record("MonitorLink::GetOrvelRunMode", {});
    return g_RunMode;
}

void MonitorLink::SetOrvelRunMode(int mode) { g_RunMode = mode; }
void MonitorLink::SetObserver(MonitorObserver* observer) { g_Observer = observer; }
