#include "sample/host/design_case_file.h"

#include "dictionary/tables/scalar_variable_table.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string_view>

namespace {

bool IsVariable(std::string_view name)
{
    for (const ScalarVariableEntry& entry : ScalarVariableTable)
        if (name == entry.Name)
            return true;
    return false;
}

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

template <typename Number>
bool ParseWhole(std::string_view text, Number& number)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

// Parses one line into the input; answers what is wrong, or empty.
std::string ParseLine(std::string_view line, CaseInput& input)
{
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return "expected 'Name = value [source]'";
    input.Name = std::string(Trimmed(line.substr(0, equals)));
    if (input.Name.empty())
        return "a name is missing before '='";
    if (!IsVariable(input.Name))
        return "unknown variable '" + input.Name + "'";

    std::istringstream fields{std::string(line.substr(equals + 1))};
    std::string value, source, extra;
    fields >> value >> source >> extra;
    if (value.empty())
        return "a value is missing for '" + input.Name + "'";
    if (!ParseWhole(value, input.Value))
        return "'" + value + "' is not a number";
    if (!source.empty() && !ParseWhole(source, input.Source))
        return "'" + source + "' is not a source code";
    if (!extra.empty())
        return "unexpected '" + extra + "' after the source";
    return {};
}

}  // namespace

CaseReadResult ReadDesignCase(const std::string& fileName)
{
    CaseReadResult result;
    std::ifstream in(fileName);
    if (!in) {
        result.Error = "cannot open design case '" + fileName + "': " + std::strerror(errno);
        return result;
    }
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        std::string_view content = line;
        content = Trimmed(content.substr(0, content.find('#')));
        if (content.empty())
            continue;
        CaseInput input;
        input.Line = lineNumber;
        if (std::string error = ParseLine(content, input); !error.empty()) {
            result.Error = fileName + ":" + std::to_string(lineNumber) + ": " + error;
            return result;
        }
        result.Inputs.push_back(std::move(input));
    }
    return result;
}
