// The conformance table over the stand-ins: the in-memory storage, never Wine.
#include "tests/platform_conformance/platform_under_test.h"

#include "platform/com/memory_storage.h"

HRESULT CreateTestStorage(IStorage** storage)
{
    return CreateMemoryStorage(STGM_READWRITE | STGM_SHARE_EXCLUSIVE, storage);
}

bool PlatformIsWine()
{
    return false;
}
