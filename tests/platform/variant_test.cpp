// VARIANT copying and clearing: texts are duplicated, interface references counted, values
// held by reference copied as the values they refer to.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/platform/variant_values.h"

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

// A VARIANT of type `vt` | VT_BYREF that refers to `target`.
VARIANT Reference(VARTYPE vt, void* target)
{
    VARIANT v = Typed(static_cast<VARTYPE>(vt | VT_BYREF));
    v.byref = target;
    return v;
}

// VariantCopyInd of `source` into an empty VARIANT; a failed copy leaves it empty.
VARIANT CopyInd(const VARIANT& source, HRESULT expected = S_OK)
{
    VARIANT copy;
    VariantInit(&copy);
    EXPECT_EQ(VariantCopyInd(&copy, &source), expected);
    return copy;
}

// VariantCopyInd of `source`, which leads to `text`, gives a text of its own that reads the same.
void ExpectCopyOwnsTheText(const VARIANT& source, BSTR text)
{
    VARIANT copy;
    VariantInit(&copy);
    ASSERT_EQ(VariantCopyInd(&copy, &source), S_OK);
    ASSERT_EQ(copy.vt, VT_BSTR);
    EXPECT_NE(copy.bstrVal, text);
    EXPECT_EQ(TextOf(copy), std::u16string(text, SysStringLen(text)));
    VariantClear(&copy);
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
    EXPECT_EQ(TextOf(copy), u"CASE7");
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
    const VARIANT copy = CopyInd(Reference(VT_R8, &number));
    EXPECT_EQ(copy.vt, VT_R8);
    EXPECT_EQ(copy.dblVal, 2.5);

    BSTR text = SysAllocString(u"abc");
    ExpectCopyOwnsTheText(Reference(VT_BSTR, &text), text);
    SysFreeString(text);
}

TEST(Variant, CopyIndFollowsAVariantReferenceToTheFinalValue)
{
    BYTE byte = 0x88;
    VARIANT referenced = Reference(VT_UI1, &byte);
    const VARIANT source = Reference(VT_VARIANT, &referenced);
    const VARIANT copy = CopyInd(source);
    EXPECT_EQ(copy.vt, VT_UI1);
    EXPECT_EQ(copy.bVal, 0x88);

    BSTR text = SysAllocString(u"deep");
    referenced = Reference(VT_BSTR, &text);
    ExpectCopyOwnsTheText(source, text);
    SysFreeString(text);

    VARIANT innermost = Whole(VT_I4, 5);
    referenced = Reference(VT_VARIANT, &innermost);
    EXPECT_EQ(CopyInd(source, E_INVALIDARG).vt, VT_EMPTY) << "a variant reference to a variant reference";
}

TEST(Variant, CopyIndCopiesADecimalThroughItsReference)
{
    DECIMAL decimal = Decimal(2, DECIMAL_NEG, 0, 12345).decVal;
    const VARIANT copy = CopyInd(Reference(VT_DECIMAL, &decimal));
    EXPECT_EQ(copy.vt, VT_DECIMAL);
    EXPECT_EQ(copy.decVal.scale, 2);
    EXPECT_EQ(copy.decVal.sign, DECIMAL_NEG);
    EXPECT_EQ(copy.decVal.Hi32, 0u);
    EXPECT_EQ(copy.decVal.Lo64, 12345u);
}

TEST(Variant, CopyOfANullTextIsAnEmptyText)
{
    const VARIANT source = Typed(VT_BSTR);
    VARIANT copy;
    VariantInit(&copy);
    ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
    ASSERT_EQ(copy.vt, VT_BSTR);
    ASSERT_NE(copy.bstrVal, nullptr);
    EXPECT_EQ(SysStringLen(copy.bstrVal), 0u);
    EXPECT_EQ(copy.bstrVal[0], u'\0');
    VariantClear(&copy);
}

// Arrays and records that hold something cannot be freed here: the value is left as it was.
TEST(Variant, ClearingAnArrayOrARecordThatHoldsSomethingIsNotImplemented)
{
    int somewhere = 0;
    VARIANT array = Typed(VT_ARRAY | VT_I4);
    array.parray = reinterpret_cast<SAFEARRAY*>(&somewhere);
    VARIANT record = Typed(VT_RECORD);
    record.brecVal.pvRecord = &somewhere;
    VARIANT recordInfoOnly = Typed(VT_RECORD);
    recordInfoOnly.brecVal.pRecInfo = reinterpret_cast<IRecordInfo*>(&somewhere);
    for (VARIANT* held : {&array, &record, &recordInfoOnly}) {
        const VARTYPE type = held->vt;
        VARIANT before;
        std::memcpy(&before, held, sizeof before);
        EXPECT_EQ(VariantClear(held), E_NOTIMPL) << type;
        EXPECT_EQ(std::memcmp(held, &before, sizeof before), 0) << type;
    }

    VARIANT emptyArray = Typed(VT_ARRAY | VT_I4);
    EXPECT_EQ(VariantClear(&emptyArray), S_OK);
    EXPECT_EQ(emptyArray.vt, VT_EMPTY);
}

// VT_ARRAY and VT_BYREF combine with a base type; VT_VECTOR and VT_RESERVED have no place
// in a VARIANT.
TEST(Variant, TypeFlagsThatAVariantMayCarry)
{
    const struct {
        VARTYPE vt;
        HRESULT cleared;
    } cases[] = {
        {VT_ARRAY | VT_I4, S_OK},
        {VT_ARRAY | VT_BSTR, S_OK},
        {VT_ARRAY | VT_VARIANT, S_OK},
        {VT_ARRAY | VT_BYREF | VT_R8, S_OK},
        {VT_BYREF | VT_UI1, S_OK},
        {VT_ARRAY | VT_EMPTY, DISP_E_BADVARTYPE},
        {VT_ARRAY | VT_NULL, DISP_E_BADVARTYPE},
        {VT_VECTOR | VT_I4, DISP_E_BADVARTYPE},
        {VT_VECTOR | VT_ARRAY | VT_I4, DISP_E_BADVARTYPE},
        {VT_RESERVED | VT_I4, DISP_E_BADVARTYPE},
    };
    for (const auto& c : cases) {
        VARIANT v = Typed(c.vt);
        EXPECT_EQ(VariantClear(&v), c.cleared) << c.vt;
    }
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
