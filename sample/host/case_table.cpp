// The design case in the host's map, and the table of what was sent and what came back.
#include "sample/host/case_table.h"

#include "link/ScalarMap.h"

#include <cstdio>
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

}  // namespace

void HoldInputs(ScalarMap& map, const std::vector<CaseInput>& inputs)
{
    for (const CaseInput& input : inputs) {
        map.Add(input.Name.c_str());
        ScalarLink* link = map[input.Name.c_str()];
        link->set_szValuePureSI(input.Value);
        link->set_source(input.Source);
        link->Destroy();
    }
}

void PrintCaseTable(ScalarMap& map, const std::vector<CaseInput>& inputs)
{
    std::printf("%-12s %14s %6s   %14s %6s %6s\n", "variable", "sent", "source", "afterwards", "source", "status");
    for (const CaseInput& input : inputs) {
        const Shown after = Read(map, input.Name);
        std::printf("%-12s %14g %6d   %14s %6d %6d\n", input.Name.c_str(), input.Value, input.Source,
                    after.Value.c_str(), after.Source, after.Status);
    }
}
