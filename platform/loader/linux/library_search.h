#pragma once
// Where LoadLibraryA finds the file of a module: the steps it keeps of the platform's
// standard search are listed at LoadLibraryA.
#include <string_view>

// Loads the module that the name (folders separated by '/') finds, with one new reference;
// null when none is found, or the file found cannot be loaded.
void* LoadFoundLibrary(std::string_view name);
