// The module's dynamic symbol table holds COrvelEngine's members and nothing else of it.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> DefinedDynamicSymbols(const std::string& file)
{
    std::vector<std::string> symbols;
    const std::string command = "nm -D --defined-only --demangle '" + file + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), &pclose);
    if (!pipe)
        return symbols;
    char line[4096];
    while (fgets(line, sizeof line, pipe.get()) != nullptr) {
        std::string text(line);
        text.erase(text.find_last_not_of("\r\n") + 1);
        // "<address> <type> <name>"
        const auto second = text.find(' ', text.find(' ') + 1);
        if (second != std::string::npos)
            symbols.push_back(text.substr(second + 1));
    }
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
    const auto symbols = DefinedDynamicSymbols(QUILL_MODULE_FILE);
    ASSERT_FALSE(symbols.empty()) << "nm found no symbols in " << QUILL_MODULE_FILE;
    for (const std::string& symbol : symbols) {
        // The module's own version node is listed too.
        if (symbol.find("QuillSTMech") != std::string::npos || symbol == "VERS_1")
            continue;
        EXPECT_TRUE(BelongsToCOrvelEngine(symbol)) << "exported: " << symbol;
    }
}

TEST(ModuleExports, ConstructorAndOperationsButNotTheDestructor)
{
    const auto symbols = DefinedDynamicSymbols(QUILL_MODULE_FILE);
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
    EXPECT_TRUE(exported("vtable for COrvelEngine"));
    EXPECT_FALSE(exported("COrvelEngine::~COrvelEngine()"));
}

}  // namespace
