#pragma once
// An optional record of the member calls made on the link library, which a host or a
// test switches on and reads. While it is off, recording costs one test of a flag.
#include "link/link_export.h"

#include <string>
#include <string_view>
#include <vector>

struct LINK_API LinkCall {
    std::string Member;    // such as "ScalarLink::get_source"
    std::string Name;      // the variable's name, empty for calls that have none
    int Index = -1;        // the element index of array members, else -1
    std::string Argument;  // the value passed in, as text, where there is one
};

class LINK_API LinkJournal {
public:
    static void Enable();
    static void Disable();
    static bool IsEnabled();
    static void Clear();
    static const std::vector<LinkCall>& Calls();
    // The number of calls of one member, optionally for one name only.
    static std::size_t Count(const std::string& member, const std::string& name = {});

    // Records nothing, and builds nothing, while the journal is off.
    static void Record(const char* member, std::string_view name, int index = -1, std::string_view argument = {});
};
