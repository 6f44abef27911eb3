// The Windows-1252 table through glibc's iconv, and the platform's best fit beside it.
#include "platform/codepage/linux/windows1252.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <unordered_map>

#include "platform/codepage/linux/windows1252_best_fit.h"

namespace {

struct Table {
    bool available = false;
    std::array<char16_t, 256> toUnicode{};
    std::unordered_map<char16_t, BYTE> fromUnicode;

    Table()
    {
        iconv_t converter = iconv_open("UTF-16LE", Windows1252ConverterName);
        if (converter == reinterpret_cast<iconv_t>(-1))
            return;
        for (unsigned value = 0; value < 256; ++value) {
            // glibc leaves five bytes undefined; the platform maps them to the
            // control characters of the same number.
            char16_t unit = static_cast<char16_t>(value);
            char in = static_cast<char>(value);
            unsigned char out[4] = {};
            char* inPointer = &in;
            char* outPointer = reinterpret_cast<char*>(out);
            std::size_t inLeft = 1;
            std::size_t outLeft = sizeof out;
            if (iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) != static_cast<std::size_t>(-1) &&
                outLeft == 2)
                unit = static_cast<char16_t>(out[0] | (out[1] << 8));
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
            toUnicode[value] = unit;
            fromUnicode.emplace(unit, static_cast<BYTE>(value));
        }
        iconv_close(converter);
        available = true;
    }
};

const Table& TheTable()
{
    static const Table table;
    return table;
}

}  // namespace

bool Windows1252Available()
{
    return TheTable().available;
}

char16_t Windows1252ToUnicode(BYTE byte)
{
    return TheTable().toUnicode[byte];
}

std::optional<BYTE> UnicodeToWindows1252(char16_t unit)
{
    const auto& map = TheTable().fromUnicode;
    const auto found = map.find(unit);
    if (found == map.end())
        return std::nullopt;
    return found->second;
}

std::optional<BYTE> BestFitToWindows1252(char16_t unit)
{
    const BestFit* const end = Windows1252BestFits + Windows1252BestFitCount;
    const BestFit* const found =
        std::lower_bound(Windows1252BestFits, end, unit, [](const BestFit& fit, char16_t u) { return fit.unit < u; });
    if (found == end || found->unit != unit)
        return std::nullopt;
    return found->byte;
}
