#pragma once
// The platform's VARIANT: a 16-bit type code, three reserved words and a 16-byte value
// field at offset 8, 24 bytes in all, laid out as on 64-bit Windows. A DECIMAL fills the
// first 16 bytes instead, its reserved word in the place of the type code.
#if defined(_WIN32)  // the platform's own declarations
#include <windows.h>
#else
#include <cstddef>

#include "platform/win_types.h"

using VARTYPE = std::uint16_t;
using VARIANT_BOOL = SHORT;
using SCODE = LONG;
using DATE = double;
using BSTR = OLECHAR*;
using PVOID = void*;

constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

// Currency: a 64-bit integer scaled by 10000.
struct CY {
    LONGLONG int64;
};

// A 96-bit unsigned integer (Hi32, then Lo64) with a sign and a power-of-ten scale (0 to 28).
struct DECIMAL {
    USHORT wReserved;
    BYTE scale;
    BYTE sign;  // 0, or DECIMAL_NEG
    ULONG Hi32;
    ULONGLONG Lo64;
};

constexpr BYTE DECIMAL_NEG = 0x80;

struct IUnknown;
struct IDispatch;
struct IRecordInfo;
struct SAFEARRAY;
struct tagVARIANT;

// The value of a VT_RECORD: the record and its type description.
struct BRECORD {
    PVOID pvRecord;
    IRecordInfo* pRecInfo;
};

enum VARENUM : VARTYPE {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_DECIMAL = 14,
    VT_I1 = 16,
    VT_UI1 = 17,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_I8 = 20,
    VT_UI8 = 21,
    VT_INT = 22,
    VT_UINT = 23,
    VT_VOID = 24,
    VT_HRESULT = 25,
    VT_PTR = 26,
    VT_SAFEARRAY = 27,
    VT_CARRAY = 28,
    VT_USERDEFINED = 29,
    VT_LPSTR = 30,
    VT_LPWSTR = 31,
    VT_RECORD = 36,
    VT_INT_PTR = 37,
    VT_UINT_PTR = 38,
    VT_FILETIME = 64,
    VT_BLOB = 65,
    VT_STREAM = 66,
    VT_STORAGE = 67,
    VT_STREAMED_OBJECT = 68,
    VT_STORED_OBJECT = 69,
    VT_BLOB_OBJECT = 70,
    VT_CF = 71,
    VT_CLSID = 72,
    VT_VERSIONED_STREAM = 73,
    VT_BSTR_BLOB = 0x0fff,
    VT_VECTOR = 0x1000,
    VT_ARRAY = 0x2000,
    VT_BYREF = 0x4000,
    VT_RESERVED = 0x8000,
    VT_ILLEGAL = 0xffff,
    VT_ILLEGALMASKED = 0x0fff,
    VT_TYPEMASK = 0x0fff,
};

// The members are reached by their own names (v.vt, v.dblVal, v.decVal) as on the platform,
// which takes anonymous structs: a language extension that both compilers here have.
struct tagVARIANT {
    __extension__ union {
        __extension__ struct {
            VARTYPE vt;
            WORD wReserved1;
            WORD wReserved2;
            WORD wReserved3;
            union {
                LONGLONG llVal;
                LONG lVal;
                BYTE bVal;
                SHORT iVal;
                FLOAT fltVal;
                DOUBLE dblVal;
                VARIANT_BOOL boolVal;
                SCODE scode;
                CY cyVal;
                DATE date;
                BSTR bstrVal;
                IUnknown* punkVal;
                IDispatch* pdispVal;
                SAFEARRAY* parray;
                BYTE* pbVal;
                SHORT* piVal;
                LONG* plVal;
                LONGLONG* pllVal;
                FLOAT* pfltVal;
                DOUBLE* pdblVal;
                VARIANT_BOOL* pboolVal;
                SCODE* pscode;
                CY* pcyVal;
                DATE* pdate;
                BSTR* pbstrVal;
                IUnknown** ppunkVal;
                IDispatch** ppdispVal;
                SAFEARRAY** pparray;
                tagVARIANT* pvarVal;
                PVOID byref;
                CHAR cVal;
                USHORT uiVal;
                ULONG ulVal;
                ULONGLONG ullVal;
                INT intVal;
                UINT uintVal;
                DECIMAL* pdecVal;
                CHAR* pcVal;
                USHORT* puiVal;
                ULONG* pulVal;
                ULONGLONG* pullVal;
                INT* pintVal;
                UINT* puintVal;
                BRECORD brecVal;
            };
        };
        DECIMAL decVal;
    };
};

using VARIANT = tagVARIANT;
using VARIANTARG = tagVARIANT;
using LPVARIANT = VARIANT*;
using LPVARIANTARG = VARIANT*;

static_assert(sizeof(VARIANT) == 24, "a VARIANT is 24 bytes, as on the platform");
static_assert(offsetof(VARIANT, vt) == 0, "the type code opens the VARIANT");
static_assert(offsetof(VARIANT, dblVal) == 8, "the value field starts at offset 8");
static_assert(offsetof(VARIANT, bstrVal) == 8, "the value field starts at offset 8");
static_assert(sizeof(DECIMAL) == 16 && offsetof(VARIANT, decVal) == 0, "a DECIMAL fills the first 16 bytes");
static_assert(offsetof(DECIMAL, scale) == 2 && offsetof(DECIMAL, Hi32) == 4 && offsetof(DECIMAL, Lo64) == 8,
              "a DECIMAL is laid out as on the platform");
#endif
