// BSTR layout and allocation rules.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "platform/oleauto/bstr.h"

namespace {

std::uint32_t Prefix(BSTR text)
{
    std::uint32_t count = 0;
    std::memcpy(&count, reinterpret_cast<const char*>(text) - 4, 4);
    return count;
}

TEST(Bstr, PrefixHoldsTheByteCountAndAZeroUnitEndsTheText)
{
    BSTR text = SysAllocString(u"Test");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(Prefix(text), 8u);
    EXPECT_EQ(SysStringLen(text), 4u);
    EXPECT_EQ(text[4], u'\0');
    SysFreeString(text);
}

TEST(Bstr, NullAndEmptyAllocations)
{
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    BSTR empty = SysAllocStringLen(nullptr, 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(SysStringLen(empty), 0u);
    EXPECT_EQ(empty[0], u'\0');
    SysFreeString(empty);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    SysFreeString(nullptr);
}

TEST(Bstr, CountedCopyKeepsEmbeddedZerosAndReservesUnits)
{
    const char16_t source[] = {u'a', u'\0', u'b'};
    BSTR text = SysAllocStringLen(source, 3);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(SysStringLen(text), 3u);
    EXPECT_EQ(text[2], u'b');
    SysFreeString(text);

    BSTR reserved = SysAllocStringLen(nullptr, 5);
    ASSERT_NE(reserved, nullptr);
    EXPECT_EQ(SysStringLen(reserved), 5u);
    EXPECT_EQ(reserved[5], u'\0');
    SysFreeString(reserved);
}

TEST(Bstr, ALengthWhoseByteCountExceedsThirtyTwoBitsIsRefused)
{
    EXPECT_EQ(SysAllocStringLen(nullptr, 0x80000000u), nullptr);
    EXPECT_EQ(SysAllocStringLen(nullptr, 0xFFFFFFFFu), nullptr);
}

}  // namespace
