#pragma once
// The sample host's command line: quill_sample_host <case.QXR> [run number].
#include <cstdint>
#include <optional>
#include <string>

inline constexpr char Usage[] = "usage: quill_sample_host <case.QXR> [run number]";

struct CommandLine {
    bool Help = false;                      // --help or -h was given
    std::string CaseFile;
    std::optional<std::int32_t> RunNumber;  // none when not given
    std::string Error;                      // why the command line is refused, or empty
};

// Reads the arguments; --help or -h anywhere asks for help only. The run number is a
// whole decimal number with an optional sign, within the 32-bit signed range that the
// design run takes.
CommandLine ParseCommandLine(int argc, char** argv);
