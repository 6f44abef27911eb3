#pragma once
// For the tests of the Linux build: an object that answers IUnknown only, so attaching it
// gives no storage.
#include "platform/com/unknown.h"

class ObjectWithoutStorage final : public IUnknown {
public:
    HRESULT QueryInterface(REFIID riid, void** ppvObject) override
    {
        if (ppvObject == nullptr)
            return E_POINTER;
        if (riid == IID_IUnknown) {
            AddRef();
            *ppvObject = static_cast<IUnknown*>(this);
            return S_OK;
        }
        *ppvObject = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++references_; }
    ULONG Release() override
    {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

private:
    ~ObjectWithoutStorage() = default;

    ULONG references_ = 1;
};

// A new such object; the caller owns the one reference.
inline IUnknown* CreateObjectWithoutStorage()
{
    return new ObjectWithoutStorage;
}
