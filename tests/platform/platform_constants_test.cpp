// The platform's constants as the stand-ins declare them, against the numbers that the
// platform's documentation gives: a wrong number would still agree with itself everywhere
// else in these tests.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/com/storage.h"
#include "platform/oleauto/variant.h"

namespace {

struct DeclaredConstant {
    const char* name;
    std::uint64_t declared;
    std::uint64_t documented;
};

TEST(PlatformConstants, HaveThePlatformsValues)
{
    const DeclaredConstant constants[] = {
        {"VT_EMPTY", VT_EMPTY, 0},
        {"VT_NULL", VT_NULL, 1},
        {"VT_I2", VT_I2, 2},
        {"VT_I4", VT_I4, 3},
        {"VT_R4", VT_R4, 4},
        {"VT_R8", VT_R8, 5},
        {"VT_CY", VT_CY, 6},
        {"VT_DATE", VT_DATE, 7},
        {"VT_BSTR", VT_BSTR, 8},
        {"VT_DISPATCH", VT_DISPATCH, 9},
        {"VT_ERROR", VT_ERROR, 10},
        {"VT_BOOL", VT_BOOL, 11},
        {"VT_VARIANT", VT_VARIANT, 12},
        {"VT_UNKNOWN", VT_UNKNOWN, 13},
        {"VT_DECIMAL", VT_DECIMAL, 14},
        {"VT_I1", VT_I1, 16},
        {"VT_UI1", VT_UI1, 17},
        {"VT_UI2", VT_UI2, 18},
        {"VT_UI4", VT_UI4, 19},
        {"VT_I8", VT_I8, 20},
        {"VT_UI8", VT_UI8, 21},
        {"VT_INT", VT_INT, 22},
        {"VT_UINT", VT_UINT, 23},
        {"VT_VOID", VT_VOID, 24},
        {"VT_HRESULT", VT_HRESULT, 25},
        {"VT_PTR", VT_PTR, 26},
        {"VT_SAFEARRAY", VT_SAFEARRAY, 27},
        {"VT_CARRAY", VT_CARRAY, 28},
        {"VT_USERDEFINED", VT_USERDEFINED, 29},
        {"VT_LPSTR", VT_LPSTR, 30},
        {"VT_LPWSTR", VT_LPWSTR, 31},
        {"VT_RECORD", VT_RECORD, 36},
        {"VT_INT_PTR", VT_INT_PTR, 37},
        {"VT_UINT_PTR", VT_UINT_PTR, 38},
        {"VT_FILETIME", VT_FILETIME, 64},
        {"VT_BLOB", VT_BLOB, 65},
        {"VT_STREAM", VT_STREAM, 66},
        {"VT_STORAGE", VT_STORAGE, 67},
        {"VT_STREAMED_OBJECT", VT_STREAMED_OBJECT, 68},
        {"VT_STORED_OBJECT", VT_STORED_OBJECT, 69},
        {"VT_BLOB_OBJECT", VT_BLOB_OBJECT, 70},
        {"VT_CF", VT_CF, 71},
        {"VT_CLSID", VT_CLSID, 72},
        {"VT_VERSIONED_STREAM", VT_VERSIONED_STREAM, 73},
        {"VT_BSTR_BLOB", VT_BSTR_BLOB, 0xFFF},
        {"VT_VECTOR", VT_VECTOR, 0x1000},
        {"VT_ARRAY", VT_ARRAY, 0x2000},
        {"VT_BYREF", VT_BYREF, 0x4000},
        {"VT_RESERVED", VT_RESERVED, 0x8000},
        {"VT_ILLEGAL", VT_ILLEGAL, 0xFFFF},
        {"VT_ILLEGALMASKED", VT_ILLEGALMASKED, 0xFFF},
        {"VT_TYPEMASK", VT_TYPEMASK, 0xFFF},
        {"STGTY_STORAGE", STGTY_STORAGE, 1},
        {"STGTY_STREAM", STGTY_STREAM, 2},
        {"STREAM_SEEK_SET", STREAM_SEEK_SET, 0},
        {"STREAM_SEEK_CUR", STREAM_SEEK_CUR, 1},
        {"STREAM_SEEK_END", STREAM_SEEK_END, 2},
        {"STATFLAG_DEFAULT", STATFLAG_DEFAULT, 0},
        {"STATFLAG_NONAME", STATFLAG_NONAME, 1},
        {"STGC_DEFAULT", STGC_DEFAULT, 0},
        {"STGM_READ", STGM_READ, 0},
        {"STGM_WRITE", STGM_WRITE, 0x1},
        {"STGM_READWRITE", STGM_READWRITE, 0x2},
        {"STGM_SHARE_DENY_NONE", STGM_SHARE_DENY_NONE, 0x40},
        {"STGM_SHARE_DENY_READ", STGM_SHARE_DENY_READ, 0x30},
        {"STGM_SHARE_DENY_WRITE", STGM_SHARE_DENY_WRITE, 0x20},
        {"STGM_SHARE_EXCLUSIVE", STGM_SHARE_EXCLUSIVE, 0x10},
        {"STGM_CREATE", STGM_CREATE, 0x1000},
        {"STGM_TRANSACTED", STGM_TRANSACTED, 0x10000},
        {"STGM_NOSCRATCH", STGM_NOSCRATCH, 0x100000},
        {"STGM_NOSNAPSHOT", STGM_NOSNAPSHOT, 0x200000},
        {"STGM_DELETEONRELEASE", STGM_DELETEONRELEASE, 0x4000000},
    };
    for (const DeclaredConstant& c : constants)
        EXPECT_EQ(c.declared, c.documented) << c.name;
}

}  // namespace
