// The scalar variable table's layout by component: components of one kind repeat one order
// of fields at a fixed distance of slots, so that a slot edited by mistake breaks a repeat.
#include "dictionary/tables/scalar_variable_table.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Component {
    // The name of a field in this component: '*' stands for the field ("HdReCov*", "LiftLugs*B").
    std::string Pattern;
    // The fields named otherwise in this component: field, then its name here.
    std::map<std::string, std::string> Renamed = {};
    // The fields of the repeat that this component does not have.
    std::set<std::string> Lacks = {};
};

struct Field {
    std::string Name;
    int Offset;  // from the component's first slot
};

struct Repeat {
    const char* Label;
    int FirstSlot;  // of the first component; each further one begins Distance slots on
    int Distance;
    std::vector<Component> Components;
    // The fields with their offsets where the layout states them. Where it does not, the
    // fields are those that the components' own slots hold: Length slots from each first one.
    std::vector<Field> Fields;
    int Length = 0;
};

void PrintTo(const Repeat& repeat, std::ostream* out) { *out << repeat.Label; }

const std::map<std::string_view, int>& SlotsByName()
{
    static const std::map<std::string_view, int> slots = [] {
        std::map<std::string_view, int> result;
        for (const ScalarVariableEntry& entry : ScalarVariableTable)
            result.emplace(entry.Name, entry.Slot);
        return result;
    }();
    return slots;
}

std::string NameIn(const Component& component, const std::string& field)
{
    const auto renamed = component.Renamed.find(field);
    if (renamed != component.Renamed.end())
        return renamed->second;
    const auto star = component.Pattern.find('*');
    return component.Pattern.substr(0, star) + field + component.Pattern.substr(star + 1);
}

// The field that a name of the component stands for, or empty when it is none of its names.
std::string FieldOf(const Component& component, std::string_view name)
{
    for (const auto& [field, renamed] : component.Renamed)
        if (renamed == name)
            return field;
    const auto star = component.Pattern.find('*');
    const std::string_view prefix = std::string_view(component.Pattern).substr(0, star);
    const std::string_view suffix = std::string_view(component.Pattern).substr(star + 1);
    if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) || !name.ends_with(suffix))
        return {};
    return std::string(name.substr(prefix.size(), name.size() - prefix.size() - suffix.size()));
}

int FirstSlotOf(const Repeat& repeat, std::size_t component)
{
    return repeat.FirstSlot + static_cast<int>(component) * repeat.Distance;
}

// The fields that the components' own slots hold, each at the offset where the first
// component holding it has it.
std::vector<Field> FieldsInSlots(const Repeat& repeat)
{
    std::vector<Field> fields;
    std::set<std::string> found;
    for (std::size_t k = 0; k < repeat.Components.size(); ++k) {
        const int first = FirstSlotOf(repeat, k);
        for (const ScalarVariableEntry& entry : ScalarVariableTable) {
            if (entry.Slot < first || entry.Slot >= first + repeat.Length)
                continue;
            const std::string field = FieldOf(repeat.Components[k], entry.Name);
            if (!field.empty() && found.insert(field).second)
                fields.push_back({field, entry.Slot - first});
        }
    }
    return fields;
}

class ScalarVariableLayout : public ::testing::TestWithParam<Repeat> {};

TEST_P(ScalarVariableLayout, EveryComponentHoldsEachFieldAtTheSameOffset)
{
    const Repeat& repeat = GetParam();
    const std::vector<Field> fields = repeat.Fields.empty() ? FieldsInSlots(repeat) : repeat.Fields;
    ASSERT_GE(fields.size(), 3u) << "the repeat's fields were not found";
    for (std::size_t k = 0; k < repeat.Components.size(); ++k) {
        const Component& component = repeat.Components[k];
        for (const Field& field : fields) {
            const std::string name = NameIn(component, field.Name);
            const auto slot = SlotsByName().find(name);
            if (component.Lacks.contains(field.Name)) {
                EXPECT_EQ(slot, SlotsByName().end()) << name << " is said to be lacking";
                continue;
            }
            ASSERT_NE(slot, SlotsByName().end()) << name;
            EXPECT_EQ(slot->second, FirstSlotOf(repeat, k) + field.Offset) << name;
        }
    }
}

const std::vector<Field> kCylinderFields = {{"Mtl", 0},        {"CldMtl", 1}, {"OD", 3},     {"ID", 4},
                                            {"Thk", 5},        {"Len", 6},    {"LenExtPres", 7},
                                            {"JE", 8},         {"GWLoc", 9},  {"LWLoc", 10}, {"CldThk", 11},
                                            {"JE-Circ", 12}};

const std::vector<Field> kBodyFlangeFields = {
    {"Ind", 0}, {"Mtl", 1}, {"BoltMtl", 2}, {"GaskMtl", 3}, {"OLMtl", 30}};

const Repeat kRepeats[] = {
    {"Cylinders",
     450,
     25,
     {{"ShlCyl*"},
      {"HdFrCyl*"},
      {"HdReCyl*"},
      {"ShlCovCyl*"},
      {"KetlCyl*", {{"OD", "KetlOD"}, {"ID", "KetlID"}, {"LenExtPres", "KetlCylLenEP"}}}},
     kCylinderFields},
    {"HeadCovers",
     250,
     50,
     {{"HdFrCov*"},
      {"HdReCov*"},
      {"ShlCov*", {{"Ratio", "ShlCovHdratio"}, {"CFactor", "ShlCovCFac"}}},
      {"KetlRed*",
       {{"KRadPC", "KetlRedKnuRad"},
        {"CRadPC", "KetlRedCrownRad"},
        {"Ratio", "KetlRedHdratio"},
        {"CldThk", "KetlRedCovCldThk"}},
       {"FlatWeldType", "CFactor"}}},
     {},
     30},
    {"ShellAndTubeSideFlanges", 575, 12, {{"SS*"}, {"TS*"}}, {}, 12},
    {"BodyFlanges",
     600,
     50,
     {{"FlgHdFrCov*"},
      {"FlgHdFrTsh*"},
      {"FlgHdReTsh*"},
      {"FlgHdReCov*"},
      {"FlgFrShl*", {}, {"Ind"}},
      {"FlgReShl*", {}, {"Ind"}},
      {"FlgShlCov*", {}, {"Ind"}}},
     kBodyFlangeFields},
    {"BackingRings", 950, 25, {{"FlgFrBkRng*"}, {"FlgReBkRng*"}}, {}, 25},
    // A tubesheet's own fields lie in the 26 slots from its first one; the tubesheet fields
    // that follow (such as TshFrThkSS and TshReThkSS) are general ones, not repeated.
    {"Tubesheets", 1025, 50, {{"TshFr*", {}, {"Det", "AttType"}}, {"TshRe*"}}, {}, 26},
    {"Nozzles", 1800, 20, {{"SSNoz*"}, {"TSNoz*"}}, {}, 20},
    {"LiftingLugs",
     1527,
     10,
     {{"LiftLugs*A"}, {"LiftLugs*B"}, {"LiftLugs*C"}, {"LiftLugs*D"}, {"LiftLugs*E"}, {"LiftLugs*F"}},
     {{"Loc", 0}, {"Ang", 1}, {"Dist", 2}}},
};

INSTANTIATE_TEST_SUITE_P(Components, ScalarVariableLayout, ::testing::ValuesIn(kRepeats),
                         [](const auto& testParam) { return std::string(testParam.param.Label); });

}  // namespace
