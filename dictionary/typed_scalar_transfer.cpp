// Per-entry transfers of one named text, double or unsigned 64-bit scalar.
#include "dictionary/typed_scalar_transfer.h"

#include "dictionary/transfer_rules.h"

#include <cstring>
#include <string>

namespace {
void CopyHostText(const char* text, char* buffer, std::size_t capacity)
{
    if (capacity == 0)
        return;
    std::size_t length = 0;
    if (text != nullptr) {
        while (length + 1 < capacity && text[length] != '\0') {
            buffer[length] = text[length];
            ++length;
        }
    }
    buffer[length] = '\0';
}

void SendBufferText(ScalarLink& link, const char* buffer, std::size_t capacity)
{
    if (std::memchr(buffer, '\0', capacity) != nullptr) {
        link.set_szValuePureSI(buffer);
        return;
    }
    // A buffer filled to its capacity has no terminator of its own.
    const std::string text(buffer, capacity);
    link.set_szValuePureSI(text.c_str());
}

// 2^64, the first double above the unsigned 64-bit integers.
constexpr double UnsignedLimit = 18446744073709551616.0;

// Truncates toward zero; a double outside [0, 2^64) or NaN leaves the value as it was.
void StoreUnsigned(double number, std::uint64_t& value)
{
    if (number >= 0.0 && number < UnsignedLimit)
        value = static_cast<std::uint64_t>(number);
}
}  // namespace

void TransferScalarText(ScalarMap* map, const char* name, char* buffer, std::size_t capacity,
                        TransferDirection direction)
{
    WithLink(map, name, [&](ScalarLink& link) {
        if (IsEngineToHost(direction)) {
            SendBufferText(link, buffer, capacity);
        } else if (!link.isEmpty() && link.get_source() != SourceNone) {
            const char* text = nullptr;
            link.get_szValuePureSI(&text);
            CopyHostText(text, buffer, capacity);
        }
    });
}

void TransferScalarDouble(ScalarMap* map, const char* name, double* value, TransferDirection direction,
                          ForceEngineSource force)
{
    TransferScalarNumber(map, name, value, direction, force);
}

void TransferScalarDoublePlain(ScalarMap* map, const char* name, double* value, TransferDirection direction)
{
    TransferScalarDouble(map, name, value, direction, NotForced);
}

void TransferScalarUnsigned(ScalarMap* map, const char* name, std::uint64_t* value, TransferDirection direction,
                            ForceEngineSource force)
{
    double number = static_cast<double>(*value);
    TransferScalarDouble(map, name, &number, direction, force);
    StoreUnsigned(number, *value);
}

void TransferScalarUnsignedPlain(ScalarMap* map, const char* name, std::uint64_t* value,
                                 TransferDirection direction)
{
    TransferScalarUnsigned(map, name, value, direction, NotForced);
}
