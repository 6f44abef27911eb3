#pragma once
// Where the sample engine's design module reports a run: "<case>-run.txt" beside the
// design case "<case>.QXR". The sample host looks for the report there.
#include <string>
#include <string_view>

inline std::string DesignReportFileOf(std::string_view casePath)
{
    constexpr std::string_view extension = ".QXR";
    if (casePath.ends_with(extension))
        casePath.remove_suffix(extension.size());
    return std::string(casePath) + "-run.txt";
}
