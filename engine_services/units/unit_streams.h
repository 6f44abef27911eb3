#pragma once
// Numbered units held as streams of one attached structured storage: the module-wide
// binding state and the operations that bind, close, commit, rewind and test a unit.
#include <cstdint>
#include <list>

#include "platform/com/storage.h"

// One bound unit. It owns its stream reference and is never copied: a binding is made
// by appending an entry to UnitTable and filling it in place.
struct UnitEntry {
    std::int32_t unit = -1;
    IStream* stream = nullptr;

    UnitEntry() = default;
    UnitEntry(const UnitEntry&) = delete;
    UnitEntry& operator=(const UnitEntry&) = delete;
    ~UnitEntry();
};

extern IStorage* AttachedStorage;
extern SHORT CopyFlag;
extern std::list<UnitEntry> UnitTable;

// Attaches a storage for the whole module while it lives, and sets CopyFlag.
class StorageUnits {
public:
    StorageUnits(IUnknown* object, SHORT copyFlag);
    ~StorageUnits();
    StorageUnits(const StorageUnits&) = delete;
    StorageUnits& operator=(const StorageUnits&) = delete;
};

// The step that obtains a stream of a storage under a UTF-16 name.
using StreamOpener = HRESULT (*)(IStorage* storage, const OLECHAR* name, DWORD mode, IStream** stream);

HRESULT OpenStorageStream(IStorage* storage, const OLECHAR* name, DWORD mode, IStream** stream);
HRESULT CreateStorageStream(IStorage* storage, const OLECHAR* name, DWORD mode, IStream** stream);

std::int32_t IsStorageAttached();
IStream* FindUnitStream(std::int32_t unit);
std::int32_t OpenUnitStream(std::int32_t unit, const char* name, std::int32_t length, DWORD mode,
                            StreamOpener opener);
std::int32_t OpenExistingUnitStream(std::int32_t unit, const char* name, std::int32_t length, DWORD mode);
std::int32_t CreateUnitStream(std::int32_t unit, const char* name, std::int32_t length, DWORD mode);
std::int32_t CloseUnitStream(std::int32_t unit);
std::int32_t CommitUnit(std::int32_t unit);
std::int32_t RewindUnit(std::int32_t unit);
std::int32_t BackspaceUnit(std::int32_t unit);
std::int32_t AtUnitEnd(std::int32_t unit);
