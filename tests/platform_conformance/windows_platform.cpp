// The conformance table over the platform itself: a compound file in memory (on an
// HGLOBAL lock-bytes object), and Wine recognised by the export that only its ntdll has.
#include "tests/platform_conformance/platform_under_test.h"

HRESULT CreateTestStorage(IStorage** storage)
{
    ILockBytes* bytes = nullptr;
    HRESULT hr = CreateILockBytesOnHGlobal(nullptr, TRUE, &bytes);
    if (FAILED(hr))
        return hr;
    hr = StgCreateDocfileOnILockBytes(bytes, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, storage);
    bytes->Release();
    return hr;
}

bool PlatformIsWine()
{
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}
