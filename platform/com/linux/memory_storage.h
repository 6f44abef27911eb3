#pragma once
// An in-memory structured storage: named streams that live as long as the storage,
// judged as the platform's compound files judge names, modes and handles. Releasing its
// last reference reverts the stream handles still open.
#include "platform/com/storage.h"

// Creates an empty storage opened with `grfMode` (STGM_READ makes it read-only).
// The caller owns the one reference handed out through `storage`.
HRESULT CreateMemoryStorage(DWORD grfMode, IStorage** storage);
