// The module exports COrvelEngine's members and nothing else of it: its dynamic symbol table
// on Linux, its export table on Windows. The class's vtable and type information, which an
// ELF module exports with the class, are not asked for: a host reaches them only through an
// object that the module made.
#include "tests/support/processes_and_modules.h"

#include <gtest/gtest.h>

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string Demangled(const std::string& name)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> text(abi::__cxa_demangle(name.c_str(), nullptr, nullptr, &status),
                                                &std::free);
    return status == 0 ? std::string(text.get()) : name;
}

std::vector<std::string> ExportedSymbols()
{
    std::vector<std::string> symbols;
    for (const std::string& name : ExportedNames(QUILL_MODULE_FILE))
        symbols.push_back(Demangled(name));
    return symbols;
}

bool BelongsToCOrvelEngine(const std::string& symbol)
{
    for (const char* prefix : {"COrvelEngine::", "vtable for COrvelEngine", "typeinfo for COrvelEngine",
                               "typeinfo name for COrvelEngine"})
        if (symbol.rfind(prefix, 0) == 0)
            return true;
    return false;
}

TEST(ModuleExports, OnlyCOrvelEngineMembers)
{
    const auto symbols = ExportedSymbols();
    ASSERT_FALSE(symbols.empty()) << "no exported symbols found in " << QUILL_MODULE_FILE;
    for (const std::string& symbol : symbols) {
        // An ELF module lists its own version node too.
        if (symbol.find("QuillSTMech") != std::string::npos || symbol == "VERS_1")
            continue;
        EXPECT_TRUE(BelongsToCOrvelEngine(symbol)) << "exported: " << symbol;
    }
}

TEST(ModuleExports, ConstructorAndOperationsButNotTheDestructor)
{
    const auto symbols = ExportedSymbols();
    auto exported = [&](const std::string& name) {
        for (const std::string& symbol : symbols)
            if (symbol.rfind(name, 0) == 0)
                return true;
        return false;
    };
    EXPECT_TRUE(exported("COrvelEngine::COrvelEngine()"));
    EXPECT_TRUE(exported("COrvelEngine::TransferData(ScalarMap*, ArrayMap*)"));
    EXPECT_TRUE(exported("COrvelEngine::CheckData(ScalarMap*, ArrayMap*)"));
    EXPECT_TRUE(exported("COrvelEngine::Execute()"));
    EXPECT_TRUE(exported("COrvelEngine::EngineFunction(int, tagVARIANT)"));
    EXPECT_TRUE(exported("COrvelEngine::GetErrorMsg()"));
    EXPECT_FALSE(exported("COrvelEngine::~COrvelEngine()"));
}

}  // namespace
