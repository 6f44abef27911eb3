#pragma once
// The rules the dictionary's tables are checked against: the order rule, comparison
// without case, and the names of a table as texts.
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

// A name as the order rule sees it: every letter in lower case, every hyphen left out.
std::string OrderKey(std::string_view name);
std::string LowerCase(std::string_view name);

// True when every name stands strictly after the one before it under the order rule.
bool InOrderRule(const std::vector<std::string_view>& names);

// The length of the longest run of names, not necessarily adjacent, that ascends when
// case is ignored.
std::size_t LongestAscendingIgnoringCase(const std::vector<std::string_view>& names);

// True when the name has only letters, digits and the given punctuation.
bool UsesOnly(std::string_view name, std::string_view punctuation);

// The names of a table, each up to its terminating NUL. A name that fills its capacity
// with no NUL is returned whole, so that the length checks see it.
template <std::size_t Count, std::size_t Capacity>
std::vector<std::string_view> NamesOf(const char (&names)[Count][Capacity])
{
    std::vector<std::string_view> result;
    for (const char(&name)[Capacity] : names)
        result.emplace_back(name, strnlen(name, Capacity));
    return result;
}

template <typename Entry, std::size_t Count>
std::vector<std::string_view> NamesOf(const Entry (&entries)[Count])
{
    std::vector<std::string_view> result;
    for (const Entry& entry : entries)
        result.emplace_back(entry.Name, strnlen(entry.Name, sizeof entry.Name));
    return result;
}

// The position of a name in a list; a missing name fails the test and gives the list's size.
std::size_t PositionOf(const std::vector<std::string_view>& names, std::string_view name);

// The names of `names`, in their order, that `other` holds exactly as spelled.
std::vector<std::string_view> NamesAlsoIn(const std::vector<std::string_view>& names,
                                          const std::vector<std::string_view>& other);

// The number of distinct names when case is ignored, and when hyphens are skipped too.
std::size_t DistinctIgnoringCase(const std::vector<std::string_view>& names);
std::size_t DistinctIgnoringCaseAndHyphens(const std::vector<std::string_view>& names);
