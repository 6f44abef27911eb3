// The module exports COrvelEngine's members and nothing else of it: its dynamic symbol table
// on Linux, its export table on Windows. The class's vtable and type information, which an
// ELF module exports with the class, are not asked for: a host reaches them only through an
// object that the module made.
#include "tests/support/processes_and_modules.h"

#include <gtest/gtest.h>

#include <cxxabi.h>

#include <algorithm>
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

// Every member that a host calls by name, exactly as declared; the destructor is reached
// through the virtual slot only.
TEST(ModuleExports, EveryMemberAHostCallsButNotTheDestructor)
{
    const auto symbols = ExportedSymbols();
    const auto exported = [&](const std::string& name) {
        return std::find(symbols.begin(), symbols.end(), name) != symbols.end();
    };
    for (const char* member : {
             "COrvelEngine::COrvelEngine()",
             "COrvelEngine::TransferData(ScalarMap*, ArrayMap*)",
             "COrvelEngine::CheckData(ScalarMap*, ArrayMap*)",
             "COrvelEngine::Execute()",
             "COrvelEngine::SetFileName(char*)",
             "COrvelEngine::get_TubeLayout()",
             "COrvelEngine::TransferResults(ScalarMap*, ArrayMap*)",
             "COrvelEngine::GetResultValue(char*)",
             "COrvelEngine::ImportTAI(char*, ScalarMap*, ArrayMap*)",
             "COrvelEngine::EngineFunction(int, tagVARIANT)",
             "COrvelEngine::Shutdown()",
             "COrvelEngine::ShutdownFeature(int)",
             "COrvelEngine::Stop(int)",
             "COrvelEngine::ThermoInit()",
             "COrvelEngine::GetErrorMsg()",
         })
        EXPECT_TRUE(exported(member)) << member;
    for (const std::string& symbol : symbols)
        EXPECT_EQ(symbol.find("~COrvelEngine"), std::string::npos) << "exported: " << symbol;
}

}  // namespace
