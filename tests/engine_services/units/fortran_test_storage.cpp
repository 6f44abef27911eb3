// Attaching and detaching a storage in memory, for the Fortran test program.
#include "engine_services/units/unit_streams.h"
#include "tests/support/platform_objects.h"

namespace {

StorageUnits* attached = nullptr;

}  // namespace

extern "C" void AttachTestStorage()
{
    IStorage* storage = nullptr;
    if (FAILED(CreateTestStorage(STGM_READWRITE | STGM_SHARE_EXCLUSIVE, &storage)))
        return;
    attached = new StorageUnits(storage, 1);
    storage->Release();
}

extern "C" void DetachTestStorage()
{
    delete attached;
    attached = nullptr;
}
