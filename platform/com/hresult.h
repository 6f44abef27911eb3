#pragma once
// HRESULT codes of the platform, with its numeric values, and the sign tests on them.
#if defined(_WIN32)  // the platform's own declarations
#include <windows.h>
#else
#include "platform/win_types.h"

constexpr HRESULT MakeHResult(std::uint32_t code)
{
    return static_cast<HRESULT>(code);
}

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = MakeHResult(0x80004001u);
constexpr HRESULT E_NOINTERFACE = MakeHResult(0x80004002u);
constexpr HRESULT E_POINTER = MakeHResult(0x80004003u);
constexpr HRESULT E_FAIL = MakeHResult(0x80004005u);
constexpr HRESULT E_OUTOFMEMORY = MakeHResult(0x8007000Eu);
constexpr HRESULT E_INVALIDARG = MakeHResult(0x80070057u);

constexpr HRESULT STG_E_INVALIDFUNCTION = MakeHResult(0x80030001u);
constexpr HRESULT STG_E_FILENOTFOUND = MakeHResult(0x80030002u);
constexpr HRESULT STG_E_ACCESSDENIED = MakeHResult(0x80030005u);
constexpr HRESULT STG_E_INVALIDPOINTER = MakeHResult(0x80030009u);
constexpr HRESULT STG_E_FILEALREADYEXISTS = MakeHResult(0x80030050u);
constexpr HRESULT STG_E_INVALIDPARAMETER = MakeHResult(0x80030057u);
constexpr HRESULT STG_E_INVALIDNAME = MakeHResult(0x800300FCu);
constexpr HRESULT STG_E_INVALIDFLAG = MakeHResult(0x800300FFu);
constexpr HRESULT STG_E_REVERTED = MakeHResult(0x80030102u);

constexpr HRESULT DISP_E_TYPEMISMATCH = MakeHResult(0x80020005u);
constexpr HRESULT DISP_E_BADVARTYPE = MakeHResult(0x80020008u);
constexpr HRESULT DISP_E_OVERFLOW = MakeHResult(0x8002000Au);

constexpr bool SUCCEEDED(HRESULT hr)
{
    return hr >= 0;
}

constexpr bool FAILED(HRESULT hr)
{
    return hr < 0;
}
#endif
