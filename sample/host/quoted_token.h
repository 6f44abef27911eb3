#pragma once
// An offending token as messages quote it: in quotes, cut to a readable length.
#include <string>
#include <string_view>

// The longest part of a token that a message quotes, in bytes.
inline constexpr std::size_t QuotedTokenLength = 40;

// 'token', or for a longer token its first bytes up to a whole character followed by
// "...' (N bytes)".
std::string Quoted(std::string_view token);
