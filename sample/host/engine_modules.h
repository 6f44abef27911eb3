#pragma once
// The engine modules that the module loads, looked for as it looks for them: in the XEQ
// folder below the installation that the host loaded the module from.
#include <string>

// Which engine module file is missing ("there is no design module at '<path>'"), or empty
// when both are there.
std::string MissingEngineModule();
