// The host's map of named scalar values and its links.
#include "link/ScalarMap.h"

#include "link/LinkJournal.h"
#include "link/name_index.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

struct ScalarVariable {
    std::string Name;
    HostValue Value;
    short Source = 0;
    short Status = 0;
};

struct ScalarMap::Variables {
    NameIndex<ScalarVariable> ByName;
};

ScalarMap::ScalarMap() : m_Variables(std::make_unique<Variables>()) {}
ScalarMap::~ScalarMap() = default;

ScalarLink* ScalarMap::operator[](const char* name)
{
    if (name == nullptr)
        return nullptr;
    const auto found = m_Variables->ByName.find(std::string_view(name));
    LinkJournal::Record("ScalarMap::operator[]", name);
    if (found == m_Variables->ByName.end())
        return nullptr;
    return new ScalarLink(found->second);
}

void ScalarMap::Add(const char* name)
{
    if (name == nullptr)
        return;
    ScalarVariable variable;
    variable.Name = name;
    m_Variables->ByName.insert_or_assign(std::string(name), std::move(variable));
}

bool ScalarLink::isEmpty()
{
    LinkJournal::Record("ScalarLink::isEmpty", m_Variable.Name);
    return m_Variable.Value.IsEmpty();
}

short ScalarLink::get_source()
{
    LinkJournal::Record("ScalarLink::get_source", m_Variable.Name);
    return m_Variable.Source;
}

void ScalarLink::set_source(short source)
{
    if (LinkJournal::IsEnabled())
        LinkJournal::Record("ScalarLink::set_source", m_Variable.Name, -1, std::to_string(source));
    m_Variable.Source = source;
}

void ScalarLink::get_szValuePureSI(float* value)
{
    LinkJournal::Record("ScalarLink::get_szValuePureSI(float)", m_Variable.Name);
    if (value != nullptr)
        *value = m_Variable.Value.AsFloat();
}

void ScalarLink::get_szValuePureSI(double* value)
{
    LinkJournal::Record("ScalarLink::get_szValuePureSI(double)", m_Variable.Name);
    if (value != nullptr)
        *value = m_Variable.Value.AsDouble();
}

void ScalarLink::get_szValuePureSI(const char** text)
{
    LinkJournal::Record("ScalarLink::get_szValuePureSI(text)", m_Variable.Name);
    if (text != nullptr)
        *text = m_Variable.Value.AsText();
}

void ScalarLink::set_szValuePureSI(const char* text)
{
    if (LinkJournal::IsEnabled())
        LinkJournal::Record("ScalarLink::set_szValuePureSI(text)", m_Variable.Name, -1, text != nullptr ? text : "");
    m_Variable.Value.SetText(text);
}

void ScalarLink::set_szValuePureSI(double value)
{
    if (LinkJournal::IsEnabled())
        LinkJournal::Record("ScalarLink::set_szValuePureSI(double)", m_Variable.Name, -1, HostValue::Formatted(value));
    m_Variable.Value.SetNumber(value);
}

void ScalarLink::set_status(short status)
{
    if (LinkJournal::IsEnabled())
        LinkJournal::Record("ScalarLink::set_status", m_Variable.Name, -1, std::to_string(status));
    m_Variable.Status = status;
}

short ScalarLink::get_status() { return m_Variable.Status; }

void ScalarLink::Destroy()
{
    LinkJournal::Record("ScalarLink::Destroy", m_Variable.Name);
    delete this;
}
