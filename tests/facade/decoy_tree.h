#pragma once
// An installation beside a tree that holds engine modules of its own: what a prefix taken
// from the working folder would run once the host has moved into that tree.
#include "tests/support/installation.h"

#include <string>

inline constexpr char DecoyFolder[] = "decoy";

// The usual installation, and "decoy/XEQ" with a code module that lacks ASMECC and a design
// module of its own.
InstallationLayout LayoutWithDecoyTree();

// Expects that the code and design modules loaded are the installation's, and that the
// design run received the installation's prefix.
void ExpectTheInstallationsEngineRan(const Installation& installation);

// Makes the decoy tree the working folder, as a host that moved into it.
void EnterTheDecoyTree(const Installation& installation);

// Goes back to the tree's root, where the module was found by its relative name: at exit
// the leak checker reads the module's symbols by that name.
void ReturnToTheRoot(const Installation& installation);
