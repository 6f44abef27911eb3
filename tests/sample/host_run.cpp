// Runs the sample host as a user runs it, and lays out installations for it.
#include "tests/sample/host_run.h"

#include "tests/support/processes_and_modules.h"

#include <algorithm>
#include <cctype>

namespace fs = std::filesystem;

HostRun RunHost(const fs::path& program, const std::vector<std::string>& arguments,
                const std::vector<std::string>& addedEnvironment)
{
    ChildProgram host;
    host.Program = program;
    host.Arguments = arguments;
    host.Environment = ModuleFolderOnSearchPath(program.parent_path() / "XEQ");
    host.Environment.insert(host.Environment.end(), addedEnvironment.begin(), addedEnvironment.end());
    const ChildRun run = RunChild(host);
    return {run.ExitCode, run.Output};
}

fs::path BuildTreeHost() { return QUILL_SAMPLE_HOST; }

fs::path InstallSampleHost(const fs::path& folder, bool codeModule, bool designModule, bool engineInLowerCase)
{
    const fs::path xeq = folder / "XEQ";
    fs::create_directories(xeq);
    const auto place = [](const fs::path& file, const fs::path& into, bool lowerCase = false) {
        std::string name = file.filename().string();
        if (lowerCase)
            std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        fs::copy_file(file, into / name, fs::copy_options::overwrite_existing);
    };
    place(QUILL_MODULE_FILE, xeq);
    place(QUILL_LINK_FILE, xeq);
    if (codeModule)
        place(QUILL_SAMPLE_ASME, xeq, engineInLowerCase);
    if (designModule)
        place(QUILL_SAMPLE_ORVEL, xeq, engineInLowerCase);
    place(QUILL_SAMPLE_HOST, folder);
    return folder / fs::path(QUILL_SAMPLE_HOST).filename();
}
