// Attaching and detaching an in-memory storage, for the Fortran test program.
#include "engine_services/units/unit_streams.h"
#include "platform/com/memory_storage.h"

namespace {

StorageUnits* attached = nullptr;

}  // namespace

extern "C" void AttachTestStorage()
{
    IStorage* storage = nullptr;
    if (FAILED(CreateMemoryStorage(STGM_READWRITE | STGM_SHARE_EXCLUSIVE, &storage)))
        return;
    attached = new StorageUnits(storage, 1);
    storage->Release();
}

extern "C" void DetachTestStorage()
{
    delete attached;
    attached = nullptr;
}
