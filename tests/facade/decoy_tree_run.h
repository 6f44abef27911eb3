#pragma once
// A host that links the module runs the engine from the decoy tree.
#include "tests/support/installation.h"

// From the decoy tree: an engine object's transfer, check and design run, which the
// installation's own engine modules must receive.
void RunTheInstallationsEngineFromTheDecoyFolder(const Installation& installation);
