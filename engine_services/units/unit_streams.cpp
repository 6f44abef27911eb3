// Numbered units held as streams of one attached structured storage.
#include "engine_services/units/unit_streams.h"

#include <algorithm>

#include "engine_services/units/unit_stream_name.h"

IStorage* AttachedStorage = nullptr;
SHORT CopyFlag = 0;
std::list<UnitEntry> UnitTable;

namespace {

std::list<UnitEntry>::iterator FindEntry(std::int32_t unit)
{
    return std::find_if(UnitTable.begin(), UnitTable.end(), [unit](const UnitEntry& entry) { return entry.unit == unit; });
}

}  // namespace

UnitEntry::~UnitEntry()
{
    if (stream != nullptr)
        stream->Release();
}

StorageUnits::StorageUnits(IUnknown* object, SHORT copyFlag)
{
    if (object != nullptr)
        object->QueryInterface(IID_IStorage, reinterpret_cast<void**>(&AttachedStorage));
    CopyFlag = copyFlag;
}

StorageUnits::~StorageUnits()
{
    if (AttachedStorage != nullptr)
        AttachedStorage->Release();
    AttachedStorage = nullptr;
}

HRESULT OpenStorageStream(IStorage* storage, const OLECHAR* name, DWORD mode, IStream** stream)
{
    return storage->OpenStream(name, nullptr, mode, 0, stream);
}

HRESULT CreateStorageStream(IStorage* storage, const OLECHAR* name, DWORD mode, IStream** stream)
{
    return storage->CreateStream(name, mode, 0, 0, stream);
}

std::int32_t IsStorageAttached()
{
    return AttachedStorage != nullptr ? 1 : 0;
}

IStream* FindUnitStream(std::int32_t unit)
{
    const auto entry = FindEntry(unit);
    return entry != UnitTable.end() ? entry->stream : nullptr;
}

std::int32_t OpenUnitStream(std::int32_t unit, const char* name, std::int32_t length, DWORD mode,
                            StreamOpener opener)
{
    // A negative length names nothing, as a length of 0 does.
    if (name == nullptr || length <= 0)
        return 0;
    // The earlier binding goes first, so that every later failure leaves the unit unbound.
    const auto earlier = FindEntry(unit);
    if (earlier != UnitTable.end())
        UnitTable.erase(earlier);
    if (AttachedStorage == nullptr)
        return 0;
    OLECHAR streamName[StreamNameUnits];
    if (StreamNameFromFileName(name, length, streamName) == 0)
        return 0;
    IStream* stream = nullptr;
    if (FAILED(opener(AttachedStorage, streamName, mode, &stream)) || stream == nullptr)
        return 0;
    try {
        UnitTable.emplace_back();
    } catch (...) {
        stream->Release();
        throw;
    }
    UnitEntry& entry = UnitTable.back();
    entry.unit = unit;
    entry.stream = stream;
    return 1;
}

std::int32_t OpenExistingUnitStream(std::int32_t unit, const char* name, std::int32_t length, DWORD mode)
{
    return OpenUnitStream(unit, name, length, mode, &OpenStorageStream);
}

std::int32_t CreateUnitStream(std::int32_t unit, const char* name, std::int32_t length, DWORD mode)
{
    return OpenUnitStream(unit, name, length, mode, &CreateStorageStream);
}

std::int32_t CloseUnitStream(std::int32_t unit)
{
    const auto entry = FindEntry(unit);
    if (entry == UnitTable.end())
        return 0;
    if (entry->stream != nullptr)
        entry->stream->Commit(STGC_DEFAULT);
    UnitTable.erase(entry);
    return 1;
}

std::int32_t CommitUnit(std::int32_t unit)
{
    IStream* stream = FindUnitStream(unit);
    return stream != nullptr && SUCCEEDED(stream->Commit(STGC_DEFAULT)) ? 1 : 0;
}

std::int32_t RewindUnit(std::int32_t unit)
{
    IStream* stream = FindUnitStream(unit);
    return stream != nullptr && SUCCEEDED(stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr)) ? 1 : 0;
}

// A stream has no records to step back over: backspacing never moves it.
std::int32_t BackspaceUnit(std::int32_t)
{
    return 0;
}

std::int32_t AtUnitEnd(std::int32_t unit)
{
    IStream* stream = FindUnitStream(unit);
    if (stream == nullptr)
        return 1;
    ULARGE_INTEGER position{};
    if (FAILED(stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &position)))
        return 1;
    STATSTG status{};
    if (FAILED(stream->Stat(&status, STATFLAG_NONAME)))
        return 1;
    return position.QuadPart == status.cbSize.QuadPart ? 1 : 0;
}
