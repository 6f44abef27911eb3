// The rules the dictionary's tables are checked against.
#include "table_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

std::string LowerCase(std::string_view name)
{
    std::string result(name);
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

std::string OrderKey(std::string_view name)
{
    std::string result = LowerCase(name);
    std::erase(result, '-');
    return result;
}

bool InOrderRule(const std::vector<std::string_view>& names)
{
    for (std::size_t i = 1; i < names.size(); ++i)
        if (!(OrderKey(names[i - 1]) < OrderKey(names[i])))
            return false;
    return true;
}

std::size_t LongestAscendingIgnoringCase(const std::vector<std::string_view>& names)
{
    // Patience sorting: tails[k] is the least last name of an ascending run of length k + 1.
    std::vector<std::string> tails;
    for (std::string_view name : names) {
        std::string key = LowerCase(name);
        auto place = std::lower_bound(tails.begin(), tails.end(), key);
        if (place == tails.end())
            tails.push_back(std::move(key));
        else
            *place = std::move(key);
    }
    return tails.size();
}

bool UsesOnly(std::string_view name, std::string_view punctuation)
{
    return std::all_of(name.begin(), name.end(), [&](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || punctuation.find(c) != std::string_view::npos;
    });
}

std::size_t PositionOf(const std::vector<std::string_view>& names, std::string_view name)
{
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end())
        ADD_FAILURE() << "no name " << name;
    return static_cast<std::size_t>(found - names.begin());
}

std::vector<std::string_view> NamesAlsoIn(const std::vector<std::string_view>& names,
                                          const std::vector<std::string_view>& other)
{
    const std::set<std::string_view> held(other.begin(), other.end());
    std::vector<std::string_view> result;
    std::copy_if(names.begin(), names.end(), std::back_inserter(result),
                 [&](std::string_view name) { return held.contains(name); });
    return result;
}

std::size_t DistinctIgnoringCase(const std::vector<std::string_view>& names)
{
    std::set<std::string> keys;
    for (std::string_view name : names)
        keys.insert(LowerCase(name));
    return keys.size();
}

std::size_t DistinctIgnoringCaseAndHyphens(const std::vector<std::string_view>& names)
{
    std::set<std::string> keys;
    for (std::string_view name : names)
        keys.insert(OrderKey(name));
    return keys.size();
}
