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
