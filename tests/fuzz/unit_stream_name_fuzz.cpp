// Arbitrary bytes as a unit's file name, counted by the first byte: the stream name is
// derived and a stream of that name is created and opened again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine_services/units/unit_stream_name.h"
#include "engine_services/units/unit_streams.h"
#include "platform/com/linux/memory_storage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The name lives in a buffer of its exact size, so that reading past the count shows.
    const std::vector<char> name(data + 1, data + size);
    const auto length = static_cast<std::int32_t>(std::min<std::size_t>(data[0], name.size()));
    OLECHAR buffer[StreamNameUnits];
    StreamNameFromFileName(name.data(), length, buffer);

    IStorage* storage = nullptr;
    if (FAILED(CreateMemoryStorage(STGM_READWRITE | STGM_SHARE_EXCLUSIVE, &storage)))
        return 0;
    {
        StorageUnits attached(storage, 1);
        const DWORD mode = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
        if (CreateUnitStream(1, name.data(), length, mode) == 1) {
            CloseUnitStream(1);
            OpenExistingUnitStream(2, name.data(), length, mode);
            CloseUnitStream(2);
        }
    }
    storage->Release();
    return 0;
}
