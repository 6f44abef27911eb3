// An offending token as messages quote it.
#include "sample/host/quoted_token.h"

namespace {
bool IsUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }
}  // namespace

std::string Quoted(std::string_view token)
{
    if (token.size() <= QuotedTokenLength)
        return "'" + std::string(token) + "'";
    std::size_t cut = QuotedTokenLength;
    while (cut > 0 && IsUtf8Continuation(token[cut]))
        --cut;
    return "'" + std::string(token.substr(0, cut)) + "...' (" + std::to_string(token.size()) + " bytes)";
}
