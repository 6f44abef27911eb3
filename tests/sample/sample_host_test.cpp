// The sample host reports bad design cases by file and line, with a non-zero exit, and
// runs a good case end to end through the module and the sample engine.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <regex>
#include <string>

namespace fs = std::filesystem;

namespace {

struct HostRun {
    int ExitCode = -1;
    std::string Output;
};

HostRun RunHost(const std::string& arguments)
{
    HostRun run;
    const std::string command = std::string("'") + QUILL_SAMPLE_HOST + "' " + arguments + " 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), &pclose);
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe.get()) != nullptr)
        run.Output += buffer;
    const int status = pclose(pipe.release());
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

fs::path WriteCase(const std::string& name, const std::string& text)
{
    const fs::path folder = fs::temp_directory_path() / ("quill-sample-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path file = folder / name;
    std::ofstream(file) << text;
    return file;
}

struct BadCase {
    const char* Label;
    const char* Text;
    const char* Message;  // after "<file>:"
};

void PrintTo(const BadCase& c, std::ostream* out) { *out << c.Label; }

const BadCase kBadCases[] = {
    {"NoEqualsSign", "DesPressSS 1.5e6\n", ":1: expected 'Name = value [source]'"},
    {"UnknownName", "# comment\n\nDesPressSS = 1\nNoSuchVariable = 2\n", ":4: unknown variable 'NoSuchVariable'"},
    {"NameCaseMatters", "despressss = 1\n", ":1: unknown variable 'despressss'"},
    {"NotANumber", "DesTempSS = warm\n", ":1: 'warm' is not a number"},
    {"BadSource", "DesTempSS = 400 protected\n", ":1: 'protected' is not a source code"},
    {"MissingValue", "DesTempSS =\n", ":1: a value is missing for 'DesTempSS'"},
    {"TrailingText", "DesTempSS = 400 1 extra\n", ":1: unexpected 'extra' after the source"},
};

class SampleHostBadInputTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(SampleHostBadInputTest, NamesFileAndLine)
{
    const BadCase& c = GetParam();
    const fs::path file = WriteCase(std::string(c.Label) + ".QXR", c.Text);
    const HostRun run = RunHost("'" + file.string() + "'");
    EXPECT_NE(run.ExitCode, 0);
    EXPECT_NE(run.Output.find(file.string() + c.Message), std::string::npos) << run.Output;
    fs::remove_all(file.parent_path());
}

INSTANTIATE_TEST_SUITE_P(Cases, SampleHostBadInputTest, ::testing::ValuesIn(kBadCases),
                         [](const auto& testParam) { return std::string(testParam.param.Label); });

TEST(SampleHost, MissingFile)
{
    const HostRun run = RunHost("/nonexistent/HX.QXR");
    EXPECT_NE(run.ExitCode, 0);
    EXPECT_NE(run.Output.find("cannot open design case '/nonexistent/HX.QXR'"), std::string::npos) << run.Output;
}

TEST(SampleHost, RunsACaseEndToEnd)
{
    const fs::path file = WriteCase("HX-7.QXR", "ShlCylOD = 0.5\nShlCylThk = 0.01\nShlCylID = 0\nDesPressSS = 2e9\n");
    const HostRun run = RunHost("'" + file.string() + "' 4");
    ASSERT_EQ(run.ExitCode, 0) << run.Output;
    // The engine derived the inside diameter and rejected the implausible pressure (status 9).
    EXPECT_TRUE(std::regex_search(run.Output, std::regex("ShlCylID +0 +3 +0\\.48 +3 +0\n"))) << run.Output;
    EXPECT_TRUE(std::regex_search(run.Output, std::regex("DesPressSS +2e\\+09 +3 +2e\\+09 +3 +9\n"))) << run.Output;
    EXPECT_NE(run.Output.find("run number:   4"), std::string::npos) << run.Output;
    EXPECT_NE(run.Output.find("design case:  " + file.string()), std::string::npos) << run.Output;
    fs::remove_all(file.parent_path());
}

}  // namespace
