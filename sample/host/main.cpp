// The sample host: loads the module as a host does, sends a design case to the engine,
// brings the engine's check back, runs the design, and prints what happened.
//
//     quill_sample_host <case.QXR> [run number]
#include "engine/COrvelEngine.h"
#include "link/UnmanagedEngineWrapper.h"
#include "sample/host/command_line.h"
#include "sample/host/design_case_file.h"
#include "sample/host/exit_codes.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

namespace {

struct Shown {
    std::string Value = "(empty)";
    short Source = 0;
    short Status = 0;
};

Shown Read(ScalarMap& map, const std::string& name)
{
    Shown shown;
    ScalarLink* link = map[name.c_str()];
    if (link == nullptr)
        return shown;
    if (!link->isEmpty()) {
        double value = 0.0;
        link->get_szValuePureSI(&value);
        std::ostringstream text;
        text << value;
        shown.Value = text.str();
    }
    shown.Source = link->get_source();
    shown.Status = link->get_status();
    link->Destroy();
    return shown;
}

void Hold(ScalarMap& map, const CaseInput& input)
{
    map.Add(input.Name.c_str());
    ScalarLink* link = map[input.Name.c_str()];
    link->set_szValuePureSI(input.Value);
    link->set_source(input.Source);
    link->Destroy();
}

std::string ReportFileOf(const std::string& caseFile)
{
    const auto extension = caseFile.rfind(".QXR");
    return (extension == std::string::npos ? caseFile : caseFile.substr(0, extension)) + "-run.txt";
}

}  // namespace

int main(int argc, char** argv)
{
    const CommandLine commandLine = ParseCommandLine(argc, argv);
    if (!commandLine.Error.empty()) {
        std::cerr << "quill_sample_host: " << commandLine.Error << "\n" << Usage << "\n";
        return Refused;
    }
    const std::string& caseFile = commandLine.CaseFile;
    const CaseReadResult designCase = ReadDesignCase(caseFile);
    if (!designCase.Error.empty()) {
        std::cerr << "quill_sample_host: " << designCase.Error << "\n";
        return Refused;
    }

    ScalarMap scalars;
    ArrayMap arrays;
    for (const CaseInput& input : designCase.Inputs)
        Hold(scalars, input);

    // The host owns the object and destroys it through its virtual destructor.
    std::unique_ptr<COrvelEngine> engine(new COrvelEngine);
    // The module reads the run number from the text behind the case name's ".QXR".
    std::string caseName = caseFile + (commandLine.RunNumber ? std::to_string(*commandLine.RunNumber) : "");
    engine->SetFileName(caseName.data());
    engine->TransferData(&scalars, &arrays);
    const bool checked = engine->CheckData(&scalars, &arrays);
    engine->Execute();

    std::printf("Design case %s: %zu inputs, engine check %s\n\n", caseFile.c_str(), designCase.Inputs.size(),
                checked ? "done" : "not available");
    std::printf("%-12s %14s %6s   %14s %6s %6s\n", "variable", "sent", "source", "afterwards", "source", "status");
    for (const CaseInput& input : designCase.Inputs) {
        const Shown after = Read(scalars, input.Name);
        std::printf("%-12s %14g %6d   %14s %6d %6d\n", input.Name.c_str(), input.Value, input.Source,
                    after.Value.c_str(), after.Source, after.Status);
    }

    std::printf("\nDesign run:\n");
    std::ifstream report(ReportFileOf(caseFile));
    if (!report) {
        std::printf("  (the design module wrote no report)\n");
        return ReportShown;
    }
    for (std::string line; std::getline(report, line);)
        std::printf("  %s\n", line.c_str());
    return ReportShown;
}
