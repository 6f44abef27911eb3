// The sample engine's design module ORVEL.DLL: ORVELTL records the run it was asked for
// in a short report beside the design case ("<case>-run.txt" for "<case>.QXR").
#include "sample/design_report_file.h"

#include <cstdint>
#include <cstdio>
#include <string>

extern "C" __attribute__((visibility("default"))) std::int32_t ORVELTL(std::int32_t, const char* installPrefix,
                                                                        const char* casePath, const char* runKind,
                                                                        std::int32_t runNumber, void** rootGroup)
{
    const std::string report = DesignReportFileOf(casePath);
    std::FILE* out = std::fopen(report.c_str(), "w");
    if (out == nullptr)
        return 1;
    std::fprintf(out, "design case:  %s\n", casePath);
    std::fprintf(out, "installation: %s\n", installPrefix[0] != '\0' ? installPrefix : "(relative)");
    std::fprintf(out, "run kind:     %s\n", runKind);
    std::fprintf(out, "run number:   %d\n", static_cast<int>(runNumber));
    std::fprintf(out, "design tree:  %s\n", rootGroup != nullptr && *rootGroup != nullptr ? "present" : "none");
    std::fclose(out);
    return 0;
}
