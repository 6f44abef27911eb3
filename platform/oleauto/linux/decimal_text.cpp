// DECIMAL values as text in the platform's en-US form.
#include "platform/oleauto/linux/decimal_text.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr BYTE LargestScale = 28;

// The decimal digits of a 96-bit unsigned value, by long division of its 32-bit words.
std::string DigitsOf(const DECIMAL& value)
{
    std::array<std::uint32_t, 3> words = {value.Hi32, static_cast<std::uint32_t>(value.Lo64 >> 32),
                                          static_cast<std::uint32_t>(value.Lo64)};
    std::string digits;
    do {
        std::uint64_t remainder = 0;
        for (std::uint32_t& word : words) {
            const std::uint64_t part = (remainder << 32) | word;
            word = static_cast<std::uint32_t>(part / 10);
            remainder = part % 10;
        }
        digits.push_back(static_cast<char>('0' + remainder));
    } while (words[0] != 0 || words[1] != 0 || words[2] != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

}  // namespace

HRESULT FormatDecimal(const DECIMAL& value, std::string& text)
{
    if (value.scale > LargestScale || (value.sign != 0 && value.sign != DECIMAL_NEG))
        return E_INVALIDARG;
    std::string digits = DigitsOf(value);
    const std::size_t scale = value.scale;
    if (scale > 0) {
        if (digits.size() <= scale)
            digits.insert(0, scale + 1 - digits.size(), '0');
        digits.insert(digits.size() - scale, 1, '.');
        digits.erase(digits.find_last_not_of('0') + 1);
        if (digits.back() == '.')
            digits.pop_back();
    }
    text = (value.sign == DECIMAL_NEG ? "-" : "") + digits;
    return S_OK;
}
