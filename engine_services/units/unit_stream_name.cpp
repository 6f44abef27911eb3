// The stream name of a unit's file name, in UTF-16.
#include "engine_services/units/unit_stream_name.h"

#include <cstring>

#include "platform/codepage/codepage.h"

int StreamNameFromFileName(const char* name, std::int32_t length, OLECHAR (&buffer)[StreamNameUnits])
{
    buffer[0] = 0;
    if (name == nullptr || length <= 0)
        return 0;
    const auto counted = static_cast<std::size_t>(length);
    const void* zero = std::memchr(name, 0, counted);
    const char* end = zero != nullptr ? static_cast<const char*>(zero) : name + counted;
    const char* begin = name;
    const void* dot = std::memchr(name, '.', static_cast<std::size_t>(end - name));
    if (dot != nullptr) {
        const char* dotAt = static_cast<const char*>(dot);
        if (dotAt + 1 < end)
            begin = dotAt + 1;
        else
            end = dotAt;
    }
    const int units = MultiByteToWideChar(CP_ACP, 0, begin, static_cast<int>(end - begin), buffer,
                                          StreamNameUnits - 1);
    buffer[units] = 0;
    return units;
}
