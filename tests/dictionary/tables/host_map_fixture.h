#pragma once
// A host map that holds a list of names, and what it holds for a name, read with the
// link's own members while the link journal is off.
#include "link/ScalarMap.h"

#include <optional>
#include <string_view>
#include <vector>

struct HeldValue {
    std::optional<double> Value;  // empty when the host holds no value
    short Source = 0;
    short Status = 0;
    bool operator==(const HeldValue&) const = default;
};

// Adds every name, then gives each the value, source and status from `state`.
void Hold(ScalarMap& map, const std::vector<std::string_view>& names, const HeldValue& state);
void Hold(ScalarMap& map, std::string_view name, const HeldValue& state);
HeldValue Read(ScalarMap& map, std::string_view name);
