#pragma once
// Reads a design case: lines of "Name = value [source]", '#' starting a comment.
#include <optional>
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
    std::string Error;  // "<file>:<line>: <what>" or why the file cannot be read
};

// Reads the case; every name must be a scalar design variable of the dictionary.
CaseReadResult ReadDesignCase(const std::string& fileName);
