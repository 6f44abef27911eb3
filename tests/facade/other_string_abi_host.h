#pragma once
// A host built against the standard library's other string ABI (_GLIBCXX_USE_CXX11_ABI=0),
// as an older host is: only plain types cross between it and the test that drives it.
#include <cstddef>

// The size of an engine object as that host compiles the module's header.
std::size_t EngineObjectSizeInTheOtherStringAbiHost();
// That host makes an object in storage of its own size, names the design case, runs the
// design and destroys the object.
void RunTheDesignFromTheOtherStringAbiHost(const char* caseFileName);
