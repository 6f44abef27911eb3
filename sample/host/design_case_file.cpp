// Reads a design case file.
#include "sample/host/design_case_file.h"

#include "dictionary/tables/scalar_variable_table.h"
#include "sample/host/file_calls.h"
#include "sample/host/quoted_token.h"

#include <cerrno>
#include <charconv>
#include <cstring>
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

// The number, of the kind of `number`, that the whole text spells: false when the text is
// not one or holds more.
template <typename Number>
bool ParseNumber(std::string_view text, Number& number)
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
        return "unknown variable " + Quoted(input.Name);

    std::istringstream fields{std::string(line.substr(equals + 1))};
    std::string value, source, extra;
    fields >> value >> source >> extra;
    if (value.empty())
        return "a value is missing for '" + input.Name + "'";
    if (!ParseNumber(value, input.Value))
        return Quoted(value) + " is not a number";
    if (!source.empty() && !ParseNumber(source, input.Source))
        return Quoted(source) + " is not a source code";
    if (!extra.empty())
        return "unexpected " + Quoted(extra) + " after the source";
    return {};
}

// Reads the whole file into the text; answers why it cannot be read, or empty.
std::string ReadWholeFile(const std::string& fileName, std::string& text)
{
    // Asked first: the platform does not open a folder at all.
    struct stat status {};
    if (stat(fileName.c_str(), &status) == 0 && S_ISDIR(status.st_mode))
        return "'" + fileName + "' is a folder, not a design case file";
    const int file = open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return "cannot open design case '" + fileName + "': " + std::strerror(errno);
    std::string error;
    char buffer[65536];
    while (error.empty()) {
        const ssize_t got = read(file, buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got > 0)
            text.append(buffer, static_cast<std::size_t>(got));
        else if (errno != EINTR)
            error = "cannot read design case '" + fileName + "' to its end: " + std::strerror(errno);
    }
    close(file);
    return error;
}

// A UTF-8 byte-order mark that an editor may have put at the start.
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

CaseReadResult ReadDesignCase(const std::string& fileName)
{
    CaseReadResult result;
    std::string text;
    result.Error = ReadWholeFile(fileName, text);
    if (!result.Error.empty())
        return result;
    std::string_view rest = text;
    if (rest.starts_with(ByteOrderMark))
        rest.remove_prefix(ByteOrderMark.size());
    for (int lineNumber = 1; !rest.empty(); ++lineNumber) {
        const auto end = rest.find('\n');
        std::string_view content = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
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
