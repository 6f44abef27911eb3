// A host map holding a list of names, read with the link's own members.
#include "host_map_fixture.h"

#include "link/LinkJournal.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// Link calls made by the fixture stay out of the journal.
class JournalPause {
public:
    JournalPause() : m_WasEnabled(LinkJournal::IsEnabled()) { LinkJournal::Disable(); }
    ~JournalPause()
    {
        if (m_WasEnabled)
            LinkJournal::Enable();
    }
    JournalPause(const JournalPause&) = delete;
    JournalPause& operator=(const JournalPause&) = delete;

private:
    bool m_WasEnabled;
};
}  // namespace

void Hold(ScalarMap& map, std::string_view name, const HeldValue& state)
{
    const JournalPause pause;
    const std::string text(name);
    map.Add(text.c_str());
    ScalarLink* link = map[text.c_str()];
    ASSERT_NE(link, nullptr);
    if (state.Value)
        link->set_szValuePureSI(*state.Value);
    link->set_source(state.Source);
    link->set_status(state.Status);
    link->Destroy();
}

void Hold(ScalarMap& map, const std::vector<std::string_view>& names, const HeldValue& state)
{
    for (std::string_view name : names)
        Hold(map, name, state);
}

HeldValue Read(ScalarMap& map, std::string_view name)
{
    const JournalPause pause;
    const std::string text(name);
    ScalarLink* link = map[text.c_str()];
    if (link == nullptr) {
        ADD_FAILURE() << "the map does not hold " << text;
        return {};
    }
    HeldValue state;
    if (!link->isEmpty()) {
        double value = 0.0;
        link->get_szValuePureSI(&value);
        state.Value = value;
    }
    state.Source = link->get_source();
    state.Status = link->get_status();
    link->Destroy();
    return state;
}
