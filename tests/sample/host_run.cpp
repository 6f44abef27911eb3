// Runs the sample host as a user runs it, and lays out installations for it.
#include "tests/sample/host_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>

namespace fs = std::filesystem;

extern char** environ;

HostRun RunHost(const fs::path& program, const std::vector<std::string>& arguments,
                const std::vector<std::string>& addedEnvironment)
{
    std::vector<std::string> variables;
    for (char** variable = environ; *variable != nullptr; ++variable)
        variables.emplace_back(*variable);
    variables.insert(variables.end(), addedEnvironment.begin(), addedEnvironment.end());
    std::vector<char*> envp;
    for (std::string& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);

    std::vector<std::string> words{program.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    HostRun run;
    int output[2];
    if (pipe(output) != 0)
        return run;
    const pid_t child = fork();
    if (child == 0) {
        dup2(output[1], 1);
        dup2(output[1], 2);
        close(output[0]);
        close(output[1]);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(output[1]);
    char buffer[4096];
    for (ssize_t got; (got = read(output[0], buffer, sizeof buffer)) != 0;)
        if (got > 0)
            run.Output.append(buffer, static_cast<std::size_t>(got));
        else if (errno != EINTR)
            break;
    close(output[0]);
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.ExitCode = WEXITSTATUS(status);
    return run;
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
