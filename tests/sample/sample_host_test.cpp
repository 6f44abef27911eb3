// The sample host as a user runs it: what it refuses, warns about and reports for bad
// input, and a good case end to end through the module and the sample engine.
#include "tests/sample/host_run.h"
#include "tests/support/processes_and_modules.h"
#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// What lies in the test's folder before the run. The report of the case "HX.QXR" is
// "HX-run.txt" beside it.
enum class Before {
    Nothing,
    EarlierReport,       // "HX-run.txt" from an earlier run, of run number 99
    ReportPathIsFolder,  // a folder where the report "HX-run.txt" would go
    CaseIsFolder,        // a folder in place of the case file
    OtherCasesReport,    // "a-run.txt", the report of another case "a.QXR"
};

// Where the host runs from: the build tree, or a copy of an installation in the test's
// folder that lacks one of the sample engine's modules.
enum class From { BuildTree, WithoutDesignModule, WithoutCodeModule, EngineInLowerCase };

struct HostCase {
    const char* Name;
    std::vector<std::string> Arguments = {};  // "<case>" stands for the case file's path
    const char* CaseFile = "";                // in the test's folder; none when empty
    std::string CaseText = {};
    Before Setup = Before::Nothing;
    From Installation = From::BuildTree;
    // In this order. "<case>" is the case file's path, "<folder>/" the test's folder, and
    // "<prefix>" that folder as the module takes the installation prefix from its own path.
    std::vector<std::string> Says = {};
    int ExitCode = 0;
    std::string Unsaid = {};  // what the output must not hold
    bool NeedsProcFileSystem = false;
};

void PrintTo(const HostCase& c, std::ostream* out) { *out << c.Name; }

std::string Repeated(const std::string& text, int times)
{
    std::string repeated;
    for (int i = 0; i < times; ++i)
        repeated += text;
    return repeated;
}

std::string SourceFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const std::string kGoodCase = "DesTempSS = 400\n";
const std::string kStatusLegend =
    "status: 0 accepted or not checked, 6 missing, 9 out of the plausible range, 4 any other finding";
const std::string kNoExtensionWarning =
    "warning: the case name '<case>' holds no \".QXR\" (in upper case), so the design run will not run";

const std::string kOtherCasePath =
    "the case file '<case>' holds \".QXR\" before the end of its name: the design run takes the name up to "
    "its first \".QXR\" for the case, and would run the case ";
const std::string kOtherCaseAdvice =
    " instead. Rename the file or its folders so that \".QXR\" occurs only at the end of the name";
const char kOtherCasesReport[] = "a-run.txt";
const char kOtherCasesReportText[] = "the other case's report\n";

const std::vector<HostCase> kHostCases = {
    // The case file's lines.
    {.Name = "NoEqualsSign", .Arguments = {"<case>"}, .CaseFile = "HX.QXR", .CaseText = "DesPressSS 1.5e6\n",
     .Says = {"<case>:1: expected 'Name = value [source]'"}, .ExitCode = 2},
    {.Name = "UnknownName", .Arguments = {"<case>"}, .CaseFile = "HX.QXR",
     .CaseText = "# comment\n\nDesPressSS = 1\nNoSuchVariable = 2\n",
     .Says = {"<case>:4: unknown variable 'NoSuchVariable'"}, .ExitCode = 2},
    {.Name = "NameCaseMatters", .Arguments = {"<case>"}, .CaseFile = "HX.QXR", .CaseText = "despressss = 1\n",
     .Says = {"<case>:1: unknown variable 'despressss'"}, .ExitCode = 2},
    {.Name = "NotANumber", .Arguments = {"<case>"}, .CaseFile = "HX.QXR", .CaseText = "DesTempSS = warm\n",
     .Says = {"<case>:1: 'warm' is not a number"}, .ExitCode = 2},
    {.Name = "BadSource", .Arguments = {"<case>"}, .CaseFile = "HX.QXR", .CaseText = "DesTempSS = 400 protected\n",
     .Says = {"<case>:1: 'protected' is not a source code"}, .ExitCode = 2},
    {.Name = "MissingValue", .Arguments = {"<case>"}, .CaseFile = "HX.QXR", .CaseText = "DesTempSS =\n",
     .Says = {"<case>:1: a value is missing for 'DesTempSS'"}, .ExitCode = 2},
    {.Name = "TrailingText", .Arguments = {"<case>"}, .CaseFile = "HX.QXR", .CaseText = "DesTempSS = 400 1 extra\n",
     .Says = {"<case>:1: unexpected 'extra' after the source"}, .ExitCode = 2},
    // An offending token is quoted cut to 40 bytes, and not within a character.
    {.Name = "LongTokenIsCut", .Arguments = {"<case>"}, .CaseFile = "HX.QXR",
     .CaseText = "DesTempSS = " + std::string(100000, 'x') + "\n",
     .Says = {"<case>:1: '" + std::string(40, 'x') + "...' (100000 bytes) is not a number"}, .ExitCode = 2,
     .Unsaid = std::string(41, 'x')},
    {.Name = "LongTokenIsCutBetweenCharacters", .Arguments = {"<case>"}, .CaseFile = "HX.QXR",
     .CaseText = "DesTempSS = x" + Repeated("\u00e9", 50) + "\n",
     .Says = {"<case>:1: 'x" + Repeated("\u00e9", 19) + "...' (101 bytes) is not a number"}, .ExitCode = 2},
    {.Name = "ByteOrderMarkIsSkipped", .Arguments = {"<case>"}, .CaseFile = "HX.QXR",
     .CaseText = "\xEF\xBB\xBF" "DesTempSS = 400\n", .Says = {"Design case <case>: 1 inputs"}},
    // The command line.
    {.Name = "Help", .Arguments = {"--help"},
     .Says = {"usage: quill_sample_host <case.QXR> [run number]", "Name = value [source]", kStatusLegend,
              "Exit status: 0"}},
    {.Name = "ShortHelp", .Arguments = {"HX.QXR", "-h"},
     .Says = {"usage: quill_sample_host <case.QXR> [run number]", "Name = value [source]", kStatusLegend,
              "Exit status: 0"}},
    {.Name = "NoArguments", .Says = {"usage: quill_sample_host <case.QXR> [run number]"}, .ExitCode = 2},
    {.Name = "TooManyArguments", .Arguments = {"<case>", "1", "2"}, .CaseFile = "HX.QXR", .CaseText = kGoodCase,
     .Says = {"usage: quill_sample_host <case.QXR> [run number]"}, .ExitCode = 2},
    {.Name = "RunNumberNotANumber", .Arguments = {"<case>", "seven"}, .CaseFile = "HX.QXR", .CaseText = kGoodCase,
     .Says = {"the run number 'seven' is not a whole number"}, .ExitCode = 2},
    {.Name = "RunNumberWithTrailingText", .Arguments = {"<case>", "7x"}, .CaseFile = "HX.QXR", .CaseText = kGoodCase,
     .Says = {"the run number '7x' is not a whole number"}, .ExitCode = 2},
    {.Name = "RunNumberEmpty", .Arguments = {"<case>", ""}, .CaseFile = "HX.QXR", .CaseText = kGoodCase,
     .Says = {"the run number '' is not a whole number"}, .ExitCode = 2},
    {.Name = "RunNumberTooLarge", .Arguments = {"<case>", "2147483648"}, .CaseFile = "HX.QXR",
     .CaseText = kGoodCase, .Says = {"the run number '2147483648' is out of range (-2147483648 to 2147483647)"},
     .ExitCode = 2},
    {.Name = "RunNumberTooSmall", .Arguments = {"<case>", "-2147483649"}, .CaseFile = "HX.QXR",
     .CaseText = kGoodCase, .Says = {"the run number '-2147483649' is out of range (-2147483648 to 2147483647)"},
     .ExitCode = 2},
    {.Name = "RunNumberAtTheLowerEnd", .Arguments = {"<case>", "-2147483648"}, .CaseFile = "HX.QXR",
     .CaseText = kGoodCase, .Says = {"run number:   -2147483648"}},
    // The output: a legend under the table; the sample case does what its comments say.
    {.Name = "LegendFollowsTheTable", .Arguments = {"<case>"}, .CaseFile = "HX.QXR", .CaseText = kGoodCase,
     .Says = {"DesTempSS               400      3              400      3      0\n\n" + kStatusLegend + "\n",
              "Design run:"}},
    {.Name = "SampleCase", .Arguments = {"<case>", "1"}, .CaseFile = "HX-101.QXR",
     .CaseText = SourceFile(QUILL_SAMPLE_CASE),
     .Says = {"DesPressSS          1.5e+06      3          1.5e+06      3      0\n",
              "ShlCylID                0.5      3            0.591      3      0\n",
              "TubeOD              0.01905      1          0.01905      1      0\n",
              "CorAllowSS            0.003      0          (empty)      0      0\n", "run number:   1"}},
    // The design run's report: shown only when this run wrote it.
    {.Name = "EarlierReportIsReplaced", .Arguments = {"<case>", "5"}, .CaseFile = "HX.QXR", .CaseText = kGoodCase,
     .Setup = Before::EarlierReport, .Says = {"Design run:", "run number:   5"}, .Unsaid = "run number:   99"},
    {.Name = "EarlierReportWithoutDesignModule", .Arguments = {"<case>", "5"}, .CaseFile = "HX.QXR",
     .CaseText = kGoodCase, .Setup = Before::EarlierReport, .Installation = From::WithoutDesignModule,
     .Says = {"Design run:", "no report: there is no design module at '<prefix>XEQ\\ORVEL.DLL'"}, .ExitCode = 1,
     .Unsaid = "run number:   99"},
    {.Name = "NoCodeModule", .Arguments = {"<case>"}, .CaseFile = "HX.QXR", .CaseText = kGoodCase,
     .Installation = From::WithoutCodeModule,
     .Says = {"engine check not available", "no report: there is no code module at '<prefix>XEQ\\ASME.DLL'"},
     .ExitCode = 1},
    {.Name = "ReportPathIsAFolder", .Arguments = {"<case>"}, .CaseFile = "HX.QXR", .CaseText = kGoodCase,
     .Setup = Before::ReportPathIsFolder,
     .Says = {"no report: the report '<folder>/HX-run.txt' could not be written: Is a directory"}, .ExitCode = 1},
    // The module finds "xeq/orvel.dll" as the platform would; so does the host's reason.
    {.Name = "ReportPathIsAFolderWithTheEngineInLowerCase", .Arguments = {"<case>"}, .CaseFile = "HX.QXR",
     .CaseText = kGoodCase, .Setup = Before::ReportPathIsFolder, .Installation = From::EngineInLowerCase,
     .Says = {"no report: the report '<folder>/HX-run.txt' could not be written: Is a directory"}, .ExitCode = 1},
    // The design run's case path ends at the first ".QXR": where that is not the case file
    // given, the run would be another case's, and the host refuses before anything is touched.
    {.Name = "ExtensionTwice", .Arguments = {"<case>"}, .CaseFile = "HX.QXR.QXR", .CaseText = kGoodCase,
     .Says = {kOtherCasePath + "'<folder>/HX.QXR'" + kOtherCaseAdvice}, .ExitCode = 2, .Unsaid = "Design run:"},
    {.Name = "ExtensionTwiceWithARunNumber", .Arguments = {"<case>", "5"}, .CaseFile = "HX.QXR.QXR",
     .CaseText = kGoodCase, .Says = {kOtherCasePath + "'<folder>/HX.QXR'" + kOtherCaseAdvice}, .ExitCode = 2,
     .Unsaid = "Design run:"},
    {.Name = "ExtensionInAFolderName", .Arguments = {"<case>"}, .CaseFile = "a.QXR.d/case.QXR",
     .CaseText = kGoodCase, .Setup = Before::OtherCasesReport,
     .Says = {kOtherCasePath + "'<folder>/a.QXR'" + kOtherCaseAdvice}, .ExitCode = 2,
     .Unsaid = "other case's report"},
    {.Name = "ExtensionInAFolderNameWithARunNumber", .Arguments = {"<case>", "5"}, .CaseFile = "a.QXR.d/case.QXR",
     .CaseText = kGoodCase, .Setup = Before::OtherCasesReport,
     .Says = {kOtherCasePath + "'<folder>/a.QXR'" + kOtherCaseAdvice}, .ExitCode = 2,
     .Unsaid = "other case's report"},
    // A case name without ".QXR", which the module seeks case-sensitively, is warned of first.
    {.Name = "LowerCaseExtension", .Arguments = {"<case>"}, .CaseFile = "hx.qxr", .CaseText = kGoodCase,
     .Says = {kNoExtensionWarning, "Design case", "no report: the case name holds no \".QXR\""}, .ExitCode = 1},
    {.Name = "NoExtension", .Arguments = {"<case>", "3"}, .CaseFile = "HX", .CaseText = kGoodCase,
     .Says = {kNoExtensionWarning, "Design case", "no report: the case name holds no \".QXR\""}, .ExitCode = 1},
    // The case file itself.
    {.Name = "MissingFile", .Arguments = {"/nonexistent/HX.QXR"},
     .Says = {"cannot open design case '/nonexistent/HX.QXR': No such file or directory"}, .ExitCode = 2},
    {.Name = "CaseIsAFolder", .Arguments = {"<case>"}, .CaseFile = "HX.QXR", .Setup = Before::CaseIsFolder,
     .Says = {"'<case>' is a folder, not a design case file"}, .ExitCode = 2},
    // Reading the process's own memory from its start fails with an input/output error.
    {.Name = "ReadErrorInTheFile", .Arguments = {"/proc/self/mem"},
     .Says = {"cannot read design case '/proc/self/mem' to its end: Input/output error"}, .ExitCode = 2,
     .NeedsProcFileSystem = true},
};

// Each test has a fresh folder of its own, kept when the test failed.
class SampleHost : public ::testing::Test {
protected:
    void SetUp() override { m_Folder = NewTemporaryFolder("quill-sample"); }

    void TearDown() override
    {
        std::error_code ignored;
        if (!HasFailure())
            fs::remove_all(m_Folder, ignored);
    }

    const fs::path& Folder() const { return m_Folder; }

private:
    fs::path m_Folder;
};

class SampleHostBadInputTest : public SampleHost, public ::testing::WithParamInterface<HostCase> {
protected:
    std::string Expanded(std::string text) const
    {
        const std::string casePath = (Folder() / GetParam().CaseFile).string();
        const char separator = static_cast<char>(fs::path::preferred_separator);
        for (const auto& [mark, value] :
             {std::pair<std::string, std::string>{"<case>", casePath},
              std::pair<std::string, std::string>{"<folder>/", Folder().string() + separator},
              std::pair<std::string, std::string>{"<prefix>", ShortPathOf(Folder()) + separator}})
            for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, at + value.size()))
                text.replace(at, mark.size(), value);
        return text;
    }

    // Lays out the folder as the case wants it; answers the host to run.
    fs::path Prepare() const
    {
        const HostCase& c = GetParam();
        if (c.Setup == Before::CaseIsFolder)
            fs::create_directories(Folder() / c.CaseFile);
        else if (c.CaseFile[0] != '\0') {
            fs::create_directories((Folder() / c.CaseFile).parent_path());
            std::ofstream(Folder() / c.CaseFile, std::ios::binary) << c.CaseText;
        }
        if (c.Setup == Before::OtherCasesReport)
            std::ofstream(Folder() / kOtherCasesReport) << kOtherCasesReportText;
        if (c.Setup == Before::EarlierReport)
            std::ofstream(Folder() / "HX-run.txt") << "design case:  HX.QXR\nrun number:   99\n";
        if (c.Setup == Before::ReportPathIsFolder)
            fs::create_directories(Folder() / "HX-run.txt" / "inside");
        switch (c.Installation) {
        case From::WithoutDesignModule:
            return InstallSampleHost(Folder(), true, false);
        case From::WithoutCodeModule:
            return InstallSampleHost(Folder(), false, true);
        case From::EngineInLowerCase:
            return InstallSampleHost(Folder(), true, true, true);
        case From::BuildTree:
            break;
        }
        return BuildTreeHost();
    }
};

TEST_P(SampleHostBadInputTest, SaysWhatHappened)
{
    const HostCase& c = GetParam();
    if (c.NeedsProcFileSystem && !HasProcFileSystem)
        GTEST_SKIP() << "the file that gives the read error is the process's memory under /proc, which the platform lacks";
    const fs::path host = Prepare();
    std::vector<std::string> arguments;
    for (const std::string& argument : c.Arguments)
        arguments.push_back(Expanded(argument));
    const HostRun run = RunHost(host, arguments);

    EXPECT_EQ(run.ExitCode, c.ExitCode) << run.Output;
    std::size_t at = 0;
    for (const std::string& text : c.Says) {
        const std::string expected = Expanded(text);
        const auto found = run.Output.find(expected, at);
        ASSERT_NE(found, std::string::npos) << "expected, after what came before it: " << expected << "\nin:\n"
                                            << run.Output;
        at = found + expected.size();
    }
    if (!c.Unsaid.empty()) {
        EXPECT_EQ(run.Output.find(Expanded(c.Unsaid)), std::string::npos) << run.Output;
    }
    if (c.Setup == Before::OtherCasesReport) {
        std::ifstream report(Folder() / kOtherCasesReport);
        std::ostringstream text;
        text << report.rdbuf();
        EXPECT_EQ(text.str(), kOtherCasesReportText) << "another case's report is left as it was";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SampleHostBadInputTest, ::testing::ValuesIn(kHostCases),
                         [](const auto& testParam) { return std::string(testParam.param.Name); });

// A module whose path holds no "XEQ" seeks the engine by the relative path "XEQ\ASME.DLL",
// which the loader's search finds in the program's folder before the working folder. The
// host says which module is missing as the loader finds them, not by its own look-up.
TEST_F(SampleHost, SaysWhichEngineModuleTheLoadersSearchDoesNotFind)
{
    fs::create_directories(Folder() / "lib");
    fs::create_directories(Folder() / "XEQ");
    fs::copy_file(QUILL_MODULE_FILE, Folder() / "lib" / fs::path(QUILL_MODULE_FILE).filename());
    fs::copy_file(QUILL_LINK_FILE, Folder() / "lib" / fs::path(QUILL_LINK_FILE).filename());
    fs::copy_file(QUILL_SAMPLE_ASME, Folder() / "XEQ" / fs::path(QUILL_SAMPLE_ASME).filename());
    const fs::path host = Folder() / fs::path(QUILL_SAMPLE_HOST).filename();
    fs::copy_file(QUILL_SAMPLE_HOST, host);
    const fs::path file = Folder() / "HX.QXR";
    std::ofstream(file) << kGoodCase;

    // The test's working folder is not the program's, and holds no XEQ folder.
    ASSERT_FALSE(fs::exists(fs::current_path() / "XEQ"));
    const HostRun run =
        RunHost(host, {file.string()}, {std::string(LibrarySearchVariable) + "=" + (Folder() / "lib").string()});
    EXPECT_EQ(run.ExitCode, 1) << run.Output;
    EXPECT_NE(run.Output.find("engine check done"), std::string::npos) << run.Output;
    EXPECT_NE(run.Output.find("no report: there is no design module at 'XEQ\\ORVEL.DLL'"), std::string::npos)
        << run.Output;
}

TEST_F(SampleHost, RunsACaseEndToEnd)
{
    const fs::path file = Folder() / "HX-7.QXR";
    std::ofstream(file) << "ShlCylOD = 0.5\nShlCylThk = 0.01\nShlCylID = 0\nDesPressSS = 2e9\n";
    const HostRun run = RunHost(BuildTreeHost(), {file.string(), "4"});
    ASSERT_EQ(run.ExitCode, 0) << run.Output;
    // The engine derived the inside diameter and rejected the implausible pressure (status 9).
    EXPECT_TRUE(std::regex_search(run.Output, std::regex("ShlCylID +0 +3 +0\\.48 +3 +0\n"))) << run.Output;
    EXPECT_TRUE(std::regex_search(run.Output, std::regex("DesPressSS +2e\\+09 +3 +2e\\+09 +3 +9\n"))) << run.Output;
    EXPECT_NE(run.Output.find("run number:   4"), std::string::npos) << run.Output;
    EXPECT_NE(run.Output.find("design case:  " + file.string()), std::string::npos) << run.Output;
}

}  // namespace
