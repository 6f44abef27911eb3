// The design run's report, as this run's own.
#include "sample/host/design_run_report.h"

#include "engine/design_case.h"
#include "sample/design_report_file.h"
#include "sample/host/engine_modules.h"
#include "sample/host/file_calls.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace {

// Answers why the earlier report could not be removed, or empty.
std::string RemoveEarlierReport(const std::string& path)
{
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0 || S_ISDIR(status.st_mode) || unlink(path.c_str()) == 0)
        return {};
    return "the earlier report '" + path + "' could not be removed: " + std::strerror(errno);
}

bool ReportPresent(const std::string& path)
{
    struct stat status {};
    return lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// Where no report lies: tries to create one, and removes what it created. Answers why it
// cannot be created, or empty.
std::string WhyReportCannotBeWritten(const std::string& path)
{
    // A folder at the path is told as one on both builds (the platform answers that access
    // is denied); non-blocking for a FIFO.
    const std::string cannot = "the report '" + path + "' could not be written: ";
    struct stat status {};
    if (stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode))
        return cannot + std::strerror(EISDIR);
    const int probe = open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (probe < 0)
        return cannot + std::strerror(errno);
    close(probe);
    unlink(path.c_str());
    return {};
}

}  // namespace

DesignRunReport::DesignRunReport(const std::string& caseName)
{
    const auto casePathLength = CasePathLength(caseName);
    m_HasCasePath = casePathLength.has_value();
    if (!m_HasCasePath)
        return;
    m_Path = DesignReportFileOf(std::string_view(caseName).substr(0, *casePathLength));
    m_EarlierReportKept = RemoveEarlierReport(m_Path);
}

std::string DesignRunReport::WhyNoReport() const
{
    if (!m_HasCasePath)
        return "the case name holds no \"" + std::string(CaseExtension) + "\"";
    if (!m_EarlierReportKept.empty())
        return m_EarlierReportKept + ", so this run's report cannot be told from it";
    if (std::string missing = MissingEngineModule(); !missing.empty())
        return missing;
    if (std::string unwritable = WhyReportCannotBeWritten(m_Path); !unwritable.empty())
        return unwritable;
    return "the design module wrote none";
}

HostExitCode DesignRunReport::Show() const
{
    std::printf("\nDesign run:\n");
    if (!m_HasCasePath || !m_EarlierReportKept.empty() || !ReportPresent(m_Path)) {
        std::printf("  no report: %s\n", WhyNoReport().c_str());
        return NoReport;
    }
    std::ifstream report(m_Path);
    if (!report) {
        std::printf("  the report '%s' could not be read: %s\n", m_Path.c_str(), std::strerror(errno));
        return NoReport;
    }
    for (std::string line; std::getline(report, line);)
        std::printf("  %s\n", line.c_str());
    return Succeeded;
}
