// Per-entry transfers between a named host array and engine memory.
#include "dictionary/array_transfer.h"

#include "dictionary/index_range.h"
#include "dictionary/transfer_rules.h"

namespace {
// What differs between the element kinds of a range: how a host element is read, which
// engine values have no value, and the number an engine element sends to the host.
void ReadElement(ArrayLink& link, int index, double& element) { link.get_szValuesPureSI(index, &element); }

void ReadElement(ArrayLink& link, int index, std::uint64_t& element)
{
    LONG number = 0;
    link.get_szValuesPureSI(index, &number);
    element = static_cast<std::uint64_t>(static_cast<std::int64_t>(number));
}

bool IsNoValueElement(double element) { return IsNoValue(element); }
// Integer elements: 0, and the two's-complement form of -32767.
bool IsNoValueElement(std::uint64_t element)
{
    return element == 0 || element == static_cast<std::uint64_t>(-32767);
}

double HostNumber(double element) { return element; }
double HostNumber(std::uint64_t element) { return static_cast<double>(element); }

bool HasText(ArrayLink& link, int index)
{
    const char* text = nullptr;
    link.get_szValuesPureSI(index, &text);
    return text != nullptr && *text != '\0';
}

template <typename Element>
void TransferArrayRange(ArrayMap* map, std::int32_t first, std::int32_t last, std::int32_t stride,
                        const char* name, Element* buffer, TransferDirection direction, ForceEngineSource force)
{
    WithLink(map, name, [&](ArrayLink& link) {
        IndexRange range = IndexRange::Between(first, last);
        const short size = link.nonEmptySize();
        if (!IsEngineToHost(direction)) {
            if (!range.ClampHighForReading(size))
                return;
            range.ForEach([&](int index) {
                TakeFromHost(ElementHostValue{link, index}, [&] {
                    if (HasText(link, index))
                        ReadElement(link, index, buffer[range.Position(index, stride)]);
                });
            });
        } else {
            range.ForEach([&](int index) {
                const Element element = buffer[range.Position(index, stride)];
                if (!IsNoValueElement(element))
                    SendToHost(ElementHostValue{link, index}, HostNumber(element), force);
            });
        }
    });
}
}  // namespace

void TransferArrayElementDouble(ArrayMap* map, std::int32_t index, const char* name, double* value,
                                TransferDirection direction, ForceEngineSource force)
{
    WithLink(map, name, [&](ArrayLink& link) {
        const ElementHostValue host{link, index};
        if (!IsEngineToHost(direction)) {
            if (index > link.nonEmptySize())
                return;
            TakeFromHost(host, [&] { link.get_szValuesPureSI(index, value); });
        } else if (!IsNoValue(*value)) {
            SendToHost(host, *value, force);
        }
    });
}

void TransferArrayDouble(ArrayMap* map, std::int32_t first, std::int32_t last, std::int32_t stride,
                         const char* name, double* buffer, TransferDirection direction, ForceEngineSource force)
{
    TransferArrayRange(map, first, last, stride, name, buffer, direction, force);
}

void TransferArrayDoubleContiguous(ArrayMap* map, std::int32_t first, std::int32_t last, const char* name,
                                   double* buffer, TransferDirection direction, ForceEngineSource force)
{
    TransferArrayDouble(map, first, last, 1, name, buffer, direction, force);
}

void TransferArrayDoublePlain(ArrayMap* map, std::int32_t first, std::int32_t last, std::int32_t stride,
                              const char* name, double* buffer, TransferDirection direction)
{
    TransferArrayDouble(map, first, last, stride, name, buffer, direction, NotForced);
}

void TransferArrayDoublePlainContiguous(ArrayMap* map, std::int32_t first, std::int32_t last, const char* name,
                                        double* buffer, TransferDirection direction)
{
    TransferArrayDoublePlain(map, first, last, 1, name, buffer, direction);
}

void TransferArrayInteger(ArrayMap* map, std::int32_t first, std::int32_t last, std::int32_t stride,
                          const char* name, std::uint64_t* buffer, TransferDirection direction,
                          ForceEngineSource force)
{
    TransferArrayRange(map, first, last, stride, name, buffer, direction, force);
}

void TransferArrayIntegerPlain(ArrayMap* map, std::int32_t first, std::int32_t last, std::int32_t stride,
                               const char* name, std::uint64_t* buffer, TransferDirection direction)
{
    TransferArrayInteger(map, first, last, stride, name, buffer, direction, NotForced);
}

void TransferArrayStatus(ArrayMap* map, std::int32_t first, std::int32_t last, std::int32_t stride,
                         const char* name, StatusEntry* buffer, TransferDirection direction)
{
    WithLink(map, name, [&](ArrayLink& link) {
        if (!IsEngineToHost(direction))
            return;
        const IndexRange range = IndexRange::Between(first, last);
        range.ForEach([&](int index) {
            link.set_status(index, HostStatusCode(buffer[range.Position(index, stride)].Code));
        });
    });
}
