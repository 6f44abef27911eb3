#pragma once
// The sample host run as a user runs it: from the build tree, or from a copy of an
// installation laid out in a folder of the test's own.
#include <filesystem>
#include <string>
#include <vector>

struct HostRun {
    int ExitCode = -1;  // -1 when the host did not exit normally
    std::string Output;  // standard output and standard error as they came
};

// Runs the program with the arguments, its working folder the test's, and waits for it. The
// environment is the test's, with the XEQ folder beside the program on the library search
// path where the platform needs it, and then the given "NAME=value" entries.
HostRun RunHost(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                const std::vector<std::string>& addedEnvironment = {});

// The sample host of the build tree.
std::filesystem::path BuildTreeHost();

// Lays out an installation in the folder: the sample host, and in XEQ/ the module, the link
// library and the chosen modules of the sample engine, their names in lower case if asked
// ("asme.dll"). Answers the host's path.
std::filesystem::path InstallSampleHost(const std::filesystem::path& folder, bool codeModule, bool designModule,
                                        bool engineInLowerCase = false);
