#pragma once
// The maps' index by name, looked up with the caller's text without building a key string.
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
};

template <typename Variable>
using NameIndex = std::unordered_map<std::string, Variable, NameHash, std::equal_to<>>;
