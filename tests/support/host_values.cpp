// The host's side of a test: values put into a host map and read back, out of the journal.
#include "tests/support/host_values.h"

#include "link/LinkJournal.h"

#include <gtest/gtest.h>

#include <ostream>

JournalPause::JournalPause() : m_WasEnabled(LinkJournal::IsEnabled()) { LinkJournal::Disable(); }

JournalPause::~JournalPause()
{
    if (m_WasEnabled)
        LinkJournal::Enable();
}

void PrintTo(const HeldValue& held, std::ostream* out)
{
    if (held.Value)
        *out << "value " << *held.Value;
    else
        *out << "no value";
    *out << ", source " << held.Source << ", status " << held.Status;
}

namespace {
// The link to a name of the map, added first when the map does not hold it.
template <typename Map>
auto* HeldLink(Map& map, const std::string& name)
{
    auto* link = map[name.c_str()];
    if (link == nullptr) {
        map.Add(name.c_str());
        link = map[name.c_str()];
    }
    return link;
}

// The link to a name that the map holds; null, and the test failed, when it does not.
template <typename Map>
auto* LinkToRead(Map& map, const std::string& name)
{
    auto* link = map[name.c_str()];
    if (link == nullptr)
        ADD_FAILURE() << "the host's map does not hold " << name;
    return link;
}
}  // namespace

void Hold(ScalarMap& map, std::string_view name, const HeldValue& held)
{
    const JournalPause pause;
    ScalarLink* link = HeldLink(map, std::string(name));
    if (held.Value)
        link->set_szValuePureSI(*held.Value);
    else
        link->set_szValuePureSI("");
    link->set_source(held.Source);
    link->set_status(held.Status);
    link->Destroy();
}

void Hold(ScalarMap& map, const std::vector<std::string_view>& names, const HeldValue& held)
{
    for (const std::string_view name : names)
        Hold(map, name, held);
}

void HoldText(ScalarMap& map, std::string_view name, std::string_view text, short source)
{
    const JournalPause pause;
    ScalarLink* link = HeldLink(map, std::string(name));
    link->set_szValuePureSI(std::string(text).c_str());
    link->set_source(source);
    link->set_status(0);
    link->Destroy();
}

void Hold(ArrayMap& map, std::string_view name, int index, const HeldValue& held)
{
    const JournalPause pause;
    ArrayLink* link = HeldLink(map, std::string(name));
    if (held.Value)
        link->set_szValuesPureSI(index, *held.Value);
    else
        link->set_szValuesPureSI(index, "");
    link->set_source(index, held.Source);
    link->set_status(index, held.Status);
    link->Destroy();
}

HeldValue Read(ScalarMap& map, std::string_view name)
{
    const JournalPause pause;
    ScalarLink* link = LinkToRead(map, std::string(name));
    if (link == nullptr)
        return {};
    HeldValue held;
    if (!link->isEmpty()) {
        double value = 0.0;
        link->get_szValuePureSI(&value);
        held.Value = value;
    }
    held.Source = link->get_source();
    held.Status = link->get_status();
    link->Destroy();
    return held;
}

HeldValue Read(ArrayMap& map, std::string_view name, int index)
{
    const JournalPause pause;
    ArrayLink* link = LinkToRead(map, std::string(name));
    if (link == nullptr)
        return {};
    HeldValue held;
    // An element holds no value when its text is empty.
    const char* text = nullptr;
    link->get_szValuesPureSI(index, &text);
    if (text != nullptr && *text != '\0') {
        double value = 0.0;
        link->get_szValuesPureSI(index, &value);
        held.Value = value;
    }
    held.Source = link->get_source(index);
    held.Status = link->get_status(index);
    link->Destroy();
    return held;
}

std::string ReadText(ScalarMap& map, std::string_view name)
{
    const JournalPause pause;
    ScalarLink* link = LinkToRead(map, std::string(name));
    if (link == nullptr)
        return {};
    const char* text = nullptr;
    link->get_szValuePureSI(&text);
    std::string value = text != nullptr ? text : "";
    link->Destroy();
    return value;
}
