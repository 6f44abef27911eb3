#pragma once
// The design case in the host's map, and the table of what was sent and what came back.
#include "sample/host/design_case_file.h"

#include <vector>

class ScalarMap;

// Holds each input in the map with its value and source.
void HoldInputs(ScalarMap& map, const std::vector<CaseInput>& inputs);

// Prints one row per input: the value and source sent, and the value, source and status
// that the map holds now.
void PrintCaseTable(ScalarMap& map, const std::vector<CaseInput>& inputs);
