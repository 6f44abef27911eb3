#pragma once
// The platform objects and forms that the tests make, on both builds: a structured storage
// in memory (the stand-in's on Linux, the platform's compound file over memory on Windows),
// an object that is no storage, text of OLECHAR units, stream offsets, a stream that
// passes its calls on, and whether Wine stands in for the platform.
#include <string>

#include "platform/com/storage.h"
#if !defined(_WIN32)
#include "platform/com/linux/memory_storage.h"
#include "tests/support/object_without_storage.h"
#endif

using OleString = std::basic_string<OLECHAR>;

// A new empty storage opened with the mode; the caller owns the one reference.
inline HRESULT CreateTestStorage(DWORD mode, IStorage** storage)
{
#if defined(_WIN32)
    ILockBytes* bytes = nullptr;
    HRESULT hr = CreateILockBytesOnHGlobal(nullptr, TRUE, &bytes);
    if (FAILED(hr))
        return hr;
    hr = StgCreateDocfileOnILockBytes(bytes, mode | STGM_CREATE, 0, storage);
    bytes->Release();
    return hr;
#else
    return CreateMemoryStorage(mode, storage);
#endif
}

// An object that offers IUnknown but no storage; the caller owns the one reference.
inline IUnknown* CreateTestObjectWithoutStorage()
{
#if defined(_WIN32)
    ILockBytes* bytes = nullptr;
    return SUCCEEDED(CreateILockBytesOnHGlobal(nullptr, TRUE, &bytes)) ? bytes : nullptr;
#else
    return CreateObjectWithoutStorage();
#endif
}

// Whether the tests run under Wine, whose compound files fold only the letters A to Z in
// element names where the platform folds by simple uppercase.
inline bool RunsUnderWine()
{
#if defined(_WIN32)
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

// A stream offset (the platform's LARGE_INTEGER is a union there).
inline LARGE_INTEGER StreamOffset(LONGLONG offset)
{
    LARGE_INTEGER value{};
    value.QuadPart = offset;
    return value;
}

#if defined(_WIN32)
// The platform's interfaces have public destructors that are not virtual: objects go away
// through Release.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif
// A stream that passes every call on to another stream, for tests that watch some calls.
class ForwardingStream : public IStream {
public:
    explicit ForwardingStream(IStream* inner) : inner_(inner) {}
    HRESULT QueryInterface(REFIID riid, void** out) override { return inner_->QueryInterface(riid, out); }
    ULONG AddRef() override { return inner_->AddRef(); }
    ULONG Release() override { return inner_->Release(); }
    HRESULT Read(void* pv, ULONG cb, ULONG* got) override { return inner_->Read(pv, cb, got); }
    HRESULT Write(const void* pv, ULONG cb, ULONG* put) override { return inner_->Write(pv, cb, put); }
    HRESULT Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* at) override
    {
        return inner_->Seek(move, origin, at);
    }
    HRESULT Commit(DWORD flags) override { return inner_->Commit(flags); }
    HRESULT Stat(STATSTG* status, DWORD flag) override { return inner_->Stat(status, flag); }
#if defined(_WIN32)
    HRESULT SetSize(ULARGE_INTEGER size) override { return inner_->SetSize(size); }
    HRESULT CopyTo(IStream* to, ULARGE_INTEGER cb, ULARGE_INTEGER* read, ULARGE_INTEGER* written) override
    {
        return inner_->CopyTo(to, cb, read, written);
    }
    HRESULT Revert() override { return inner_->Revert(); }
    HRESULT LockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER cb, DWORD type) override
    {
        return inner_->LockRegion(offset, cb, type);
    }
    HRESULT UnlockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER cb, DWORD type) override
    {
        return inner_->UnlockRegion(offset, cb, type);
    }
    HRESULT Clone(IStream** copy) override { return inner_->Clone(copy); }
#endif
    virtual ~ForwardingStream() = default;

protected:
    IStream* inner_;
};
#if defined(_WIN32)
#pragma GCC diagnostic pop
#endif
