// Reaches the blocks of a loaded recording engine.
#include "tests/support/recording_engine.h"

#include <dlfcn.h>

#include <cstring>

namespace {
template <typename Function>
Function Symbol(void* module, const char* name)
{
    Function function = nullptr;
    void* address = dlsym(module, name);
    std::memcpy(&function, &address, sizeof function);
    return function;
}
}  // namespace

RecordingEngine::RecordingEngine(const std::filesystem::path& enginePath)
{
    void* module = dlopen(enginePath.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (module == nullptr)
        return;
    m_Values = Symbol<float* (*)(int)>(module, "RecordingValueBlock");
    m_Statuses = Symbol<std::int32_t* (*)(int)>(module, "RecordingStatusBlock");
    m_BlocksInUse = Symbol<int (*)()>(module, "RecordingBlocksInUse");
    dlclose(module);  // the module under test holds its own reference
}

float* RecordingEngine::Values(int which) const { return m_Values(which); }

StatusEntry* RecordingEngine::Statuses(int which) const
{
    return reinterpret_cast<StatusEntry*>(m_Statuses(which));
}

int RecordingEngine::BlocksInUse() const { return m_BlocksInUse(); }

bool RecordingEngine::IsModuleLoaded(const std::filesystem::path& enginePath)
{
    void* module = dlopen(enginePath.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (module != nullptr)
        dlclose(module);
    return module != nullptr;
}
