#pragma once
// What the sample host's exit status says.
enum HostExitCode : int {
    Succeeded = 0,  // the design run wrote its report, shown after the table; or help was asked for
    NoReport = 1,   // the design run gave no report; the reason follows where the host can tell
    Refused = 2,    // the command line or the case file was refused; nothing ran
};
