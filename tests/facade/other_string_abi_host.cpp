// Compiled with _GLIBCXX_USE_CXX11_ABI=0: a host whose standard library lays out its strings
// otherwise than the module's does.
#include "tests/facade/other_string_abi_host.h"

#include "engine/COrvelEngine.h"

#include <cstring>
#include <memory>
#include <vector>

std::size_t EngineObjectSizeInTheOtherStringAbiHost() { return sizeof(COrvelEngine); }

void RunTheDesignFromTheOtherStringAbiHost(const char* caseFileName)
{
    std::vector<char> name(caseFileName, caseFileName + std::strlen(caseFileName) + 1);
    const std::unique_ptr<COrvelEngine> engine(new COrvelEngine);
    engine->SetFileName(name.data());
    engine->Execute();
}
