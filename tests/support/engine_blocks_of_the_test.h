#pragma once
// Points the module-wide block addresses at blocks of a test's own while it lives, and puts
// back the addresses that were there when it ends: a test that fails midway leaves the
// later tests of its program none of its blocks.
#include "dictionary/engine_blocks.h"

class EngineBlocksOfTheTest {
public:
    EngineBlocksOfTheTest(void* values, void* statuses)
        : m_Values(ValueBlockAddress), m_Statuses(StatusBlockAddress), m_Auxiliary(AuxBlockAddress)
    {
        HandOverEngineBlocks(values, statuses, nullptr);
    }
    ~EngineBlocksOfTheTest() { HandOverEngineBlocks(m_Values, m_Statuses, m_Auxiliary); }
    EngineBlocksOfTheTest(const EngineBlocksOfTheTest&) = delete;
    EngineBlocksOfTheTest& operator=(const EngineBlocksOfTheTest&) = delete;

private:
    void* m_Values;
    void* m_Statuses;
    void* m_Auxiliary;
};
