// The host's map of named arrays and its links.
#include "link/ArrayMap.h"

#include "link/LinkJournal.h"
#include "link/name_index.h"

#include <climits>
#include <cstddef>
#include <type_traits>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct ArrayElement {
    HostValue Value;
    short Source = 0;
    short Status = 0;
};

struct ArrayVariable {
    std::string Name;
    std::vector<ArrayElement> Elements;

    const ArrayElement* At(int index) const
    {
        return index >= 0 && static_cast<std::size_t>(index) < Elements.size() ? &Elements[static_cast<std::size_t>(index)]
                                                                                : nullptr;
    }
    ArrayElement* Grown(int index)
    {
        if (index < 0)
            return nullptr;
        if (static_cast<std::size_t>(index) >= Elements.size())
            Elements.resize(static_cast<std::size_t>(index) + 1);
        return &Elements[static_cast<std::size_t>(index)];
    }
};

namespace {

// The argument's text is formed only while the journal records.
template <typename Argument = std::nullptr_t>
void RecordElementCall(const char* member, const ArrayVariable& variable, int index, Argument argument = nullptr)
{
    if (!LinkJournal::IsEnabled())
        return;
    if constexpr (std::is_same_v<Argument, std::nullptr_t>)
        LinkJournal::Record(member, variable.Name, index);
    else if constexpr (std::is_same_v<Argument, double>)
        LinkJournal::Record(member, variable.Name, index, HostValue::Formatted(argument));
    else if constexpr (std::is_same_v<Argument, short>)
        LinkJournal::Record(member, variable.Name, index, std::to_string(argument));
    else
        LinkJournal::Record(member, variable.Name, index, argument != nullptr ? argument : "");
}
}  // namespace

struct ArrayMap::Variables {
    NameIndex<ArrayVariable> ByName;
};

ArrayMap::ArrayMap() : m_Variables(std::make_unique<Variables>()) {}
ArrayMap::~ArrayMap() = default;

ArrayLink* ArrayMap::operator[](const char* name)
{
    if (name == nullptr)
        return nullptr;
    const auto found = m_Variables->ByName.find(std::string_view(name));
    LinkJournal::Record("ArrayMap::operator[]", name);
    if (found == m_Variables->ByName.end())
        return nullptr;
    return new ArrayLink(found->second);
}

void ArrayMap::Add(const char* name)
{
    if (name == nullptr)
        return;
    ArrayVariable variable;
    variable.Name = name;
    m_Variables->ByName.insert_or_assign(std::string(name), std::move(variable));
}

short ArrayLink::nonEmptySize()
{
    RecordElementCall("ArrayLink::nonEmptySize", m_Variable, -1);
    const std::size_t count = m_Variable.Elements.size();
    return static_cast<short>(count > SHRT_MAX ? SHRT_MAX : count);
}

short ArrayLink::get_source(int index)
{
    RecordElementCall("ArrayLink::get_source", m_Variable, index);
    const ArrayElement* element = m_Variable.At(index);
    return element != nullptr ? element->Source : 0;
}

void ArrayLink::set_source(int index, short source)
{
    RecordElementCall("ArrayLink::set_source", m_Variable, index, source);
    if (ArrayElement* element = m_Variable.Grown(index))
        element->Source = source;
}

void ArrayLink::get_szValuesPureSI(int index, const char** text)
{
    RecordElementCall("ArrayLink::get_szValuesPureSI(text)", m_Variable, index);
    if (text == nullptr)
        return;
    const ArrayElement* element = m_Variable.At(index);
    *text = element != nullptr ? element->Value.AsText() : "";
}

void ArrayLink::get_szValuesPureSI(int index, double* value)
{
    RecordElementCall("ArrayLink::get_szValuesPureSI(double)", m_Variable, index);
    if (value == nullptr)
        return;
    const ArrayElement* element = m_Variable.At(index);
    *value = element != nullptr ? element->Value.AsDouble() : 0.0;
}

void ArrayLink::get_szValuesPureSI(int index, LONG* value)
{
    RecordElementCall("ArrayLink::get_szValuesPureSI(integer)", m_Variable, index);
    if (value == nullptr)
        return;
    const ArrayElement* element = m_Variable.At(index);
    *value = element != nullptr ? element->Value.AsInteger() : 0;
}

void ArrayLink::set_szValuesPureSI(int index, const char* text)
{
    RecordElementCall("ArrayLink::set_szValuesPureSI(text)", m_Variable, index, text);
    if (ArrayElement* element = m_Variable.Grown(index))
        element->Value.SetText(text);
}

void ArrayLink::set_szValuesPureSI(int index, double value)
{
    RecordElementCall("ArrayLink::set_szValuesPureSI(double)", m_Variable, index, value);
    if (ArrayElement* element = m_Variable.Grown(index))
        element->Value.SetNumber(value);
}

void ArrayLink::set_status(int index, short status)
{
    RecordElementCall("ArrayLink::set_status", m_Variable, index, status);
    if (ArrayElement* element = m_Variable.Grown(index))
        element->Status = status;
}

short ArrayLink::get_status(int index)
{
    const ArrayElement* element = m_Variable.At(index);
    return element != nullptr ? element->Status : 0;
}

void ArrayLink::Destroy()
{
    RecordElementCall("ArrayLink::Destroy", m_Variable, -1);
    delete this;
}
