#pragma once
// Views of the link journal that the transfer tests compare against.
#include "link/LinkJournal.h"

#include <string>
#include <vector>

// The element indices of every recorded call of one member, in call order.
inline std::vector<int> JournalIndices(const std::string& member)
{
    std::vector<int> indices;
    for (const LinkCall& call : LinkJournal::Calls())
        if (call.Member == member)
            indices.push_back(call.Index);
    return indices;
}

// The recorded members, in call order.
inline std::vector<std::string> JournalMembers()
{
    std::vector<std::string> members;
    for (const LinkCall& call : LinkJournal::Calls())
        members.push_back(call.Member);
    return members;
}

inline void StartJournal()
{
    LinkJournal::Enable();
    LinkJournal::Clear();
}
