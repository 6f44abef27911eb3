#pragma once
// The engine modules that the module loads, sought as it seeks them: their paths from the
// installation that the host loaded the module from, found by the loader's own search.
#include <string>

// Which engine module the loader does not find ("there is no design module at '<path>'",
// the path as the module forms it), or empty when it finds both.
std::string MissingEngineModule();
