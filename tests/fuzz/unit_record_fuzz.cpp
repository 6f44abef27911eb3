// Arbitrary bytes as the content of a unit's stream, read back record by record by every
// reader until the stream is used up or a record fails.
#include <cstddef>
#include <cstdint>

#include "engine_services/units/unit_records.h"
#include "engine_services/units/unit_streams.h"
#include "platform/com/linux/memory_storage.h"
#include "platform/oleauto/oleauto.h"

namespace {

constexpr DWORD Mode = STGM_READWRITE | STGM_SHARE_EXCLUSIVE | STGM_CREATE;
constexpr std::int32_t Unit = 1;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    IStorage* storage = nullptr;
    if (FAILED(CreateMemoryStorage(STGM_READWRITE | STGM_SHARE_EXCLUSIVE, &storage)))
        return 0;
    {
        StorageUnits attached(storage, 1);
        if (CreateUnitStream(Unit, "FUZZ.DAT", 8, Mode) == 1 && size > 1) {
            // The first byte picks the buffer length of the text reads.
            const std::uint32_t length = data[0];
            FindUnitStream(Unit)->Write(data + 1, static_cast<ULONG>(size - 1), nullptr);
            RewindUnit(Unit);
            char buffer[256];
            for (int record = 0; AtUnitEnd(Unit) == 0; ++record) {
                double number = 0;
                std::int32_t whole = 0;
                VARIANT value;
                VariantInit(&value);
                switch (record % 4) {
                case 0: ReadUnitText(Unit, buffer, length); break;
                case 1: ReadUnitDouble(Unit, number); break;
                case 2: ReadUnitInteger(Unit, whole); break;
                default:
                    ReadUnitVariant(Unit, value);
                    VariantClear(&value);
                    break;
                }
            }
        }
        CloseUnitStream(Unit);
    }
    storage->Release();
    return 0;
}
