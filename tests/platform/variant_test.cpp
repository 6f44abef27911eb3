// VARIANT copying and clearing: texts are duplicated, interface references counted, values
// held by reference copied as the values they refer to.
#include <gtest/gtest.h>

#include <string>

#include "platform/oleauto/oleauto.h"

namespace {

class CountedObject final : public IUnknown {
public:
    HRESULT QueryInterface(REFIID, void** ppvObject) override
    {
        *ppvObject = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++references; }
    ULONG Release() override { return --references; }
    ULONG references = 1;
};

std::u16string Text(const VARIANT& v)
{
    return std::u16string(v.bstrVal, SysStringLen(v.bstrVal));
}

TEST(Variant, CopyDuplicatesTheTextAndClearFreesIt)
{
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_BSTR;
    source.bstrVal = SysAllocString(u"CASE7");
    VARIANT copy;
    VariantInit(&copy);
    ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
    EXPECT_EQ(copy.vt, VT_BSTR);
    EXPECT_NE(copy.bstrVal, source.bstrVal);
    EXPECT_EQ(Text(copy), u"CASE7");
    EXPECT_EQ(VariantClear(&copy), S_OK);
    EXPECT_EQ(copy.vt, VT_EMPTY);
    EXPECT_EQ(VariantClear(&source), S_OK);
}

TEST(Variant, InterfaceReferencesAreCountedByCopyAndClear)
{
    CountedObject object;
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_UNKNOWN;
    source.punkVal = &object;
    VARIANT copy;
    VariantInit(&copy);
    ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
    EXPECT_EQ(object.references, 2u);
    ASSERT_EQ(VariantClear(&copy), S_OK);
    EXPECT_EQ(object.references, 1u);
}

TEST(Variant, CopyIndCopiesWhatAReferencePointsAt)
{
    double number = 2.5;
    VARIANT byReference;
    VariantInit(&byReference);
    byReference.vt = VT_R8 | VT_BYREF;
    byReference.pdblVal = &number;
    VARIANT copy;
    VariantInit(&copy);
    ASSERT_EQ(VariantCopyInd(&copy, &byReference), S_OK);
    EXPECT_EQ(copy.vt, VT_R8);
    EXPECT_EQ(copy.dblVal, 2.5);

    BSTR text = SysAllocString(u"abc");
    byReference.vt = VT_BSTR | VT_BYREF;
    byReference.pbstrVal = &text;
    ASSERT_EQ(VariantCopyInd(&copy, &byReference), S_OK);
    EXPECT_EQ(copy.vt, VT_BSTR);
    EXPECT_NE(copy.bstrVal, text);
    EXPECT_EQ(Text(copy), u"abc");
    VariantClear(&copy);
    SysFreeString(text);
}

TEST(Variant, CopyIndFollowsAVariantReferenceToTheFinalValue)
{
    BYTE byte = 0x88;
    VARIANT referenced;
    VariantInit(&referenced);
    referenced.vt = VT_UI1 | VT_BYREF;
    referenced.pbVal = &byte;
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_VARIANT | VT_BYREF;
    source.pvarVal = &referenced;
    VARIANT copy;
    VariantInit(&copy);
    ASSERT_EQ(VariantCopyInd(&copy, &source), S_OK);
    EXPECT_EQ(copy.vt, VT_UI1);
    EXPECT_EQ(copy.bVal, 0x88);

    BSTR text = SysAllocString(u"deep");
    referenced.vt = VT_BSTR | VT_BYREF;
    referenced.pbstrVal = &text;
    ASSERT_EQ(VariantCopyInd(&copy, &source), S_OK);
    ASSERT_EQ(copy.vt, VT_BSTR);
    EXPECT_NE(copy.bstrVal, text) << "the copy owns a text of its own";
    EXPECT_EQ(Text(copy), u"deep");
    VariantClear(&copy);
    SysFreeString(text);

    VARIANT innermost;
    VariantInit(&innermost);
    innermost.vt = VT_I4;
    innermost.lVal = 5;
    referenced.vt = VT_VARIANT | VT_BYREF;
    referenced.pvarVal = &innermost;
    EXPECT_EQ(VariantCopyInd(&copy, &source), E_INVALIDARG) << "a variant reference to a variant reference";
    EXPECT_EQ(copy.vt, VT_EMPTY);
}

TEST(Variant, CopyIndCopiesADecimalThroughItsReference)
{
    DECIMAL decimal{};
    decimal.scale = 2;
    decimal.sign = DECIMAL_NEG;
    decimal.Lo64 = 12345;
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_DECIMAL | VT_BYREF;
    source.pdecVal = &decimal;
    VARIANT copy;
    VariantInit(&copy);
    ASSERT_EQ(VariantCopyInd(&copy, &source), S_OK);
    EXPECT_EQ(copy.vt, VT_DECIMAL);
    EXPECT_EQ(copy.decVal.scale, 2);
    EXPECT_EQ(copy.decVal.sign, DECIMAL_NEG);
    EXPECT_EQ(copy.decVal.Hi32, 0u);
    EXPECT_EQ(copy.decVal.Lo64, 12345u);
}

TEST(Variant, CopyOfANullTextIsAnEmptyText)
{
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_BSTR;
    source.bstrVal = nullptr;
    VARIANT copy;
    VariantInit(&copy);
    ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
    ASSERT_EQ(copy.vt, VT_BSTR);
    ASSERT_NE(copy.bstrVal, nullptr);
    EXPECT_EQ(SysStringLen(copy.bstrVal), 0u);
    EXPECT_EQ(copy.bstrVal[0], u'\0');
    VariantClear(&copy);
}

TEST(Variant, InvalidTypesAreRefused)
{
    VARIANT bad;
    VariantInit(&bad);
    bad.vt = 15;
    VARIANT copy;
    VariantInit(&copy);
    EXPECT_EQ(VariantCopy(&copy, &bad), DISP_E_BADVARTYPE);
    EXPECT_EQ(VariantClear(&bad), DISP_E_BADVARTYPE);
    bad.vt = VT_VARIANT;
    EXPECT_EQ(VariantCopy(&copy, &bad), DISP_E_BADVARTYPE);
}

}  // namespace
