// The conversion rows through VariantChangeType: the platform's answer and value for each.
#include <gtest/gtest.h>

#include <string>

#include "tests/platform_conformance/conformance_cases.h"
#include "tests/platform_conformance/expected_answer.h"
#include "tests/platform_conformance/platform_text.h"

namespace {

VARIANT MakeVariant(const Value& value)
{
    VARIANT v;
    VariantInit(&v);
    if (value.vt == VT_DECIMAL) {
        v.decVal.scale = value.scale;
        v.decVal.sign = value.sign;
        v.decVal.Hi32 = value.hi32;
        v.decVal.Lo64 = value.lo64;
    }
    v.vt = value.vt;
    switch (value.vt) {
    case VT_I1: v.cVal = static_cast<CHAR>(value.whole); break;
    case VT_UI1: v.bVal = static_cast<BYTE>(value.whole); break;
    case VT_I2: v.iVal = static_cast<SHORT>(value.whole); break;
    case VT_UI2: v.uiVal = static_cast<USHORT>(value.whole); break;
    case VT_I4: v.lVal = static_cast<LONG>(value.whole); break;
    case VT_UI4: v.ulVal = static_cast<ULONG>(value.whole); break;
    case VT_INT: v.intVal = static_cast<INT>(value.whole); break;
    case VT_UINT: v.uintVal = static_cast<UINT>(value.whole); break;
    case VT_I8: v.llVal = value.whole; break;
    case VT_UI8: v.ullVal = static_cast<ULONGLONG>(value.whole); break;
    case VT_BOOL: v.boolVal = static_cast<VARIANT_BOOL>(value.whole); break;
    case VT_ERROR: v.scode = static_cast<SCODE>(value.whole); break;
    case VT_CY: v.cyVal.int64 = value.whole; break;
    case VT_R4: v.fltVal = static_cast<FLOAT>(value.real); break;
    case VT_R8: v.dblVal = value.real; break;
    case VT_DATE: v.date = value.real; break;
    case VT_BSTR: v.bstrVal = MakeBstr(value.text); break;
    default: break;
    }
    return v;
}

void ExpectValue(const VARIANT& v, const Value& expected)
{
    ASSERT_EQ(v.vt, expected.vt);
    switch (expected.vt) {
    case VT_UI1: EXPECT_EQ(v.bVal, expected.whole); break;
    case VT_UI2: EXPECT_EQ(v.uiVal, expected.whole); break;
    case VT_UI4: EXPECT_EQ(v.ulVal, expected.whole); break;
    case VT_UINT: EXPECT_EQ(v.uintVal, expected.whole); break;
    case VT_I4: EXPECT_EQ(v.lVal, expected.whole); break;
    case VT_I8: EXPECT_EQ(v.llVal, expected.whole); break;
    case VT_UI8: EXPECT_EQ(v.ullVal, static_cast<ULONGLONG>(expected.whole)); break;
    case VT_CY: EXPECT_EQ(v.cyVal.int64, expected.whole); break;
    case VT_R8: EXPECT_EQ(v.dblVal, expected.real); break;
    case VT_BSTR: EXPECT_EQ(Readable(UnitsOf(v.bstrVal)), Readable(expected.text)); break;
    default: FAIL() << "the table holds no results of type " << expected.vt;
    }
}

class PlatformConversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(PlatformConversion, AnswersAsThePlatform)
{
    const ConversionCase& row = GetParam();
    const ExpectedAnswer expected(row);
    VARIANT source = MakeVariant(row.from);
    VARIANT result;
    VariantInit(&result);
    const HRESULT answer = VariantChangeType(&result, &source, 0, row.to);
    EXPECT_EQ(Hex(answer), Hex(expected->answer));
    if (answer == expected->answer && SUCCEEDED(answer))
        ExpectValue(result, expected->result);
    VariantClear(&result);
    VariantClear(&source);
}

INSTANTIATE_TEST_SUITE_P(Table, PlatformConversion, ::testing::ValuesIn(ConversionCases().begin(), ConversionCases().end()),
                         RowName<::testing::TestParamInfo<ConversionCase>>);

}  // namespace
