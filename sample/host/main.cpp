// The sample host: loads the module as a host does, sends a design case to the engine,
// brings the engine's check back, runs the design, and prints what happened.
//
//     quill_sample_host <case.QXR> [run number]
//     quill_sample_host --help
#include "engine/COrvelEngine.h"
#include "engine/design_case.h"
#include "link/UnmanagedEngineWrapper.h"
#include "sample/host/case_table.h"
#include "sample/host/command_line.h"
#include "sample/host/design_case_file.h"
#include "sample/host/design_run_report.h"
#include "sample/host/exit_codes.h"
#include "sample/host/help_text.h"

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

int main(int argc, char** argv)
{
    const CommandLine commandLine = ParseCommandLine(argc, argv);
    if (commandLine.Help) {
        PrintHelp();
        return Succeeded;
    }
    if (!commandLine.Error.empty()) {
        std::cerr << "quill_sample_host: " << commandLine.Error << "\n" << Usage << "\n(--help tells more)\n";
        return Refused;
    }
    const std::string& caseFile = commandLine.CaseFile;
    // The design run takes the name up to its first ".QXR" for the case: where that is not
    // this file, it would run another case, and write and show that case's report.
    if (const auto casePathLength = CasePathLength(caseFile); casePathLength && *casePathLength < caseFile.size()) {
        std::cerr << "quill_sample_host: the case file '" << caseFile << "' holds \"" << CaseExtension
                  << "\" before the end of its name: the design run takes the name up to its first \""
                  << CaseExtension << "\" for the case, and would run the case '"
                  << caseFile.substr(0, *casePathLength) << "' instead. Rename the file or its folders so that \""
                  << CaseExtension << "\" occurs only at the end of the name\n";
        return Refused;
    }
    const CaseReadResult designCase = ReadDesignCase(caseFile);
    if (!designCase.Error.empty()) {
        std::cerr << "quill_sample_host: " << designCase.Error << "\n";
        return Refused;
    }

    ScalarMap scalars;
    ArrayMap arrays;
    HoldInputs(scalars, designCase.Inputs);

    // The module reads the run number from the text behind the case name's ".QXR".
    std::string caseName = caseFile + (commandLine.RunNumber ? std::to_string(*commandLine.RunNumber) : "");
    const DesignRunReport report(caseName);
    if (!report.HasCasePath())
        std::cerr << "quill_sample_host: warning: the case name '" << caseFile << "' holds no \"" << CaseExtension
                  << "\" (in upper case), so the design run will not run\n";

    // The host owns the object and destroys it through its virtual destructor.
    std::unique_ptr<COrvelEngine> engine(new COrvelEngine);
    engine->SetFileName(caseName.data());
    engine->TransferData(&scalars, &arrays);
    const bool checked = engine->CheckData(&scalars, &arrays);
    engine->Execute();

    std::printf("Design case %s: %zu inputs, engine check %s\n\n", caseFile.c_str(), designCase.Inputs.size(),
                checked ? "done" : "not available");
    PrintCaseTable(scalars, designCase.Inputs);
    std::printf("\n%s\n", StatusLegend);
    return report.Show();
}
