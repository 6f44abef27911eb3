// The record of member calls made on the link library.
#include "link/LinkJournal.h"

#include <algorithm>

namespace {
bool g_Enabled = false;
std::vector<LinkCall> g_Calls;
}  // namespace

void LinkJournal::Enable() { g_Enabled = true; }
void LinkJournal::Disable() { g_Enabled = false; }
bool LinkJournal::IsEnabled() { return g_Enabled; }
void LinkJournal::Clear() { g_Calls.clear(); }
const std::vector<LinkCall>& LinkJournal::Calls() { return g_Calls; }

std::size_t LinkJournal::Count(const std::string& member, const std::string& name)
{
    return static_cast<std::size_t>(std::count_if(g_Calls.begin(), g_Calls.end(), [&](const LinkCall& call) {
        return call.Member == member && (name.empty() || call.Name == name);
    }));
}

void LinkJournal::Record(const char* member, std::string_view name, int index, std::string_view argument)
{
    if (g_Enabled)
        g_Calls.push_back({member, std::string(name), index, std::string(argument)});
}
