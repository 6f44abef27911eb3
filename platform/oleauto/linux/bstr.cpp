// BSTRs live in one block: the byte count, the text and a zero unit.
#include "platform/oleauto/bstr.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr std::size_t PrefixBytes = sizeof(std::uint32_t);

BYTE* BlockOf(BSTR text)
{
    return static_cast<BYTE*>(static_cast<void*>(text)) - PrefixBytes;
}

}  // namespace

BSTR SysAllocStringLen(const OLECHAR* strIn, UINT ui)
{
    // The byte count, the prefix and the terminator must all fit the 32-bit count.
    constexpr std::uint64_t limit = std::numeric_limits<std::uint32_t>::max();
    const std::uint64_t textBytes = std::uint64_t{ui} * sizeof(OLECHAR);
    if (textBytes + PrefixBytes + sizeof(OLECHAR) > limit)
        return nullptr;
    auto* block = static_cast<BYTE*>(std::malloc(static_cast<std::size_t>(textBytes) + PrefixBytes + sizeof(OLECHAR)));
    if (block == nullptr)
        return nullptr;
    const auto count = static_cast<std::uint32_t>(textBytes);
    std::memcpy(block, &count, PrefixBytes);
    auto* text = static_cast<OLECHAR*>(static_cast<void*>(block + PrefixBytes));
    if (strIn != nullptr && ui > 0)
        std::memcpy(text, strIn, static_cast<std::size_t>(textBytes));
    text[ui] = 0;
    return text;
}

BSTR SysAllocString(const OLECHAR* psz)
{
    if (psz == nullptr)
        return nullptr;
    UINT length = 0;
    while (psz[length] != 0)
        ++length;
    return SysAllocStringLen(psz, length);
}

UINT SysStringLen(BSTR pbstr)
{
    if (pbstr == nullptr)
        return 0;
    std::uint32_t count = 0;
    std::memcpy(&count, BlockOf(pbstr), PrefixBytes);
    return count / sizeof(OLECHAR);
}

void SysFreeString(BSTR bstrString)
{
    if (bstrString != nullptr)
        std::free(BlockOf(bstrString));
}
