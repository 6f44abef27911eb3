#pragma once
// Small helpers for tests that play the host: put values into a map and read them back
// through the link library, releasing every link they fetch.
#include "link/ScalarMap.h"

#include <optional>
#include <string>

struct HostScalar {
    bool Held = false;
    bool Empty = true;
    double Value = 0.0;
    short Source = 0;
    short Status = 0;
};

// Holds the name with the value (none: empty) and the source.
void HoldScalar(ScalarMap& map, const char* name, std::optional<double> value, short source);
// What the host's map holds for the name.
HostScalar ReadScalar(ScalarMap& map, const char* name);
