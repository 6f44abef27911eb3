#pragma once
// Reaches the blocks of a recording engine that the module has loaded.
#include "dictionary/transfer_types.h"

#include <filesystem>

class RecordingEngine {
public:
    // The engine at the path must already be loaded; no reference is kept.
    explicit RecordingEngine(const std::filesystem::path& enginePath);

    bool IsLoaded() const { return m_Values != nullptr; }
    float* Values(int which = 0) const;
    StatusEntry* Statuses(int which = 0) const;
    // Which block set the engine handed over last: 0 or 1, or -1 before any.
    int BlocksInUse() const;

    // Whether a module at the path is loaded at all.
    static bool IsModuleLoaded(const std::filesystem::path& enginePath);

private:
    float* (*m_Values)(int) = nullptr;
    std::int32_t* (*m_Statuses)(int) = nullptr;
    int (*m_BlocksInUse)() = nullptr;
};
