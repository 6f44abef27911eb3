// Reaches the blocks of a loaded recording engine.
#include "tests/support/recording_engine.h"

#include "tests/support/processes_and_modules.h"

#include <cstring>

namespace {
template <typename Function>
Function Symbol(ModuleHandle module, const char* name)
{
    Function function = nullptr;
    void* address = ModuleSymbol(module, name);
    std::memcpy(&function, &address, sizeof function);
    return function;
}
}  // namespace

RecordingEngine::RecordingEngine(const std::filesystem::path& enginePath)
{
    const ModuleHandle module = ReferenceLoadedModule(enginePath);
    if (module == nullptr)
        return;
    m_Values = Symbol<float* (*)(int)>(module, "RecordingValueBlock");
    m_Statuses = Symbol<std::int32_t* (*)(int)>(module, "RecordingStatusBlock");
    m_BlocksInUse = Symbol<int (*)()>(module, "RecordingBlocksInUse");
    ReleaseModule(module);  // the module under test holds its own reference
}

float* RecordingEngine::Values(int which) const { return m_Values(which); }

StatusEntry* RecordingEngine::Statuses(int which) const
{
    return reinterpret_cast<StatusEntry*>(m_Statuses(which));
}

int RecordingEngine::BlocksInUse() const { return m_BlocksInUse(); }

bool RecordingEngine::IsModuleLoaded(const std::filesystem::path& enginePath)
{
    const ModuleHandle module = ReferenceLoadedModule(enginePath);
    if (module != nullptr)
        ReleaseModule(module);
    return module != nullptr;
}
