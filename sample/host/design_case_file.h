#pragma once
// Reads a design case: lines of "Name = value [source]", '#' starting a comment, after a
// UTF-8 byte-order mark if the file starts with one.
#include <string>
#include <vector>

struct CaseInput {
    std::string Name;
    double Value = 0.0;
    short Source = 3;  // a host input that the engine may overwrite
    int Line = 0;
};

struct CaseReadResult {
    std::vector<CaseInput> Inputs;
    std::string Error;  // "<file>:<line>: <what>", or why the file cannot be read to its end
};

// Reads the case; every name must be a scalar design variable of the dictionary. A folder,
// and a file that cannot be read to its end, are refused.
CaseReadResult ReadDesignCase(const std::string& fileName);
