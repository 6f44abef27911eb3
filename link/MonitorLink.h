#pragma once
// The host's monitor. The relays pass texts without their lengths; the monitor reads the
// one character of a code text, and leaves message texts to its observer.
#include "link/link_export.h"
#include "platform/win_types.h"

// Host side: receives every monitor call as made, the caller's own addresses included.
class LINK_API MonitorObserver {
public:
    virtual ~MonitorObserver() = default;
    virtual void OnWinMon(char* code, char* message) = 0;
    virtual void OnWinMsg(LONG* number, char* message) = 0;
    virtual void OnATVWinMsg(LONG* first, LONG* second, char* message) = 0;
};

class LINK_API MonitorLink {
public:
    static void WinMon(char* code, char* message);
    static void WinMsg(LONG* number, char* message);
    static void ATVWinMsg(LONG* first, LONG* second, char* message);
    static int GetOrvelRunMode();

    // Host side: what GetOrvelRunMode answers from now on (0 until set).
    static void SetOrvelRunMode(int mode);
    // Host side: the observer of monitor calls, or null for none.
    static void SetObserver(MonitorObserver* observer);
};
