// The sample host's command line.
#include "sample/host/command_line.h"

#include "sample/host/quoted_token.h"

#include <charconv>
#include <limits>
#include <string_view>

namespace {

// Answers why the text is not a run number, or empty.
std::string ReadRunNumber(std::string_view text, std::int32_t& number)
{
    const bool hasSign = text.starts_with('+') || text.starts_with('-');
    const std::string_view digits = text.substr(hasSign ? 1 : 0);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return "the run number " + Quoted(text) + " is not a whole number";
    // from_chars takes a leading '-' but no '+'.
    const std::string_view numberText = text.starts_with('+') ? digits : text;
    const auto result = std::from_chars(numberText.data(), numberText.data() + numberText.size(), number);
    if (result.ec == std::errc::result_out_of_range)
        return "the run number " + Quoted(text) + " is out of range ("
               + std::to_string(std::numeric_limits<std::int32_t>::min()) + " to "
               + std::to_string(std::numeric_limits<std::int32_t>::max()) + ")";
    return {};
}

}  // namespace

CommandLine ParseCommandLine(int argc, char** argv)
{
    CommandLine line;
    for (int i = 1; i < argc; ++i)
        line.Help = line.Help || std::string_view(argv[i]) == "--help" || std::string_view(argv[i]) == "-h";
    if (line.Help)
        return line;
    if (argc < 2 || argc > 3) {
        line.Error = "expected a case file and at most a run number";
        return line;
    }
    line.CaseFile = argv[1];
    if (argc == 3) {
        std::int32_t number = 0;
        line.Error = ReadRunNumber(argv[2], number);
        line.RunNumber = number;
    }
    return line;
}
