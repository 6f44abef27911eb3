// An object that answers IUnknown only.
#include "platform/com/unknown.h"

namespace {

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
    ULONG references_ = 1;
};

}  // namespace

IUnknown* CreateObjectWithoutStorage()
{
    return new ObjectWithoutStorage;
}
