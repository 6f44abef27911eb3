#pragma once
// The design run's report as this run's own. The report of an earlier run of the case is
// removed before the run, so that a report found after the run was written by it. (File
// times cannot tell: two runs within one tick of the file system's clock leave the same
// times.)
#include "sample/host/exit_codes.h"

#include <string>

class DesignRunReport {
public:
    // Before the run: finds where the run on the case name will report, and removes an
    // earlier run's report there. A folder at that path is left alone.
    explicit DesignRunReport(const std::string& caseName);

    // Whether the case name holds the ".QXR" without which the design run does not run.
    bool HasCasePath() const { return m_HasCasePath; }

    // After the run: prints the report if this run wrote one, or why there is none.
    HostExitCode Show() const;

private:
    // Why the run gave no report, as far as the host can tell.
    std::string WhyNoReport() const;

    bool m_HasCasePath = false;  // the case name holds ".QXR"
    std::string m_Path;
    std::string m_EarlierReportKept;  // why an earlier report could not be removed
};
