#pragma once
// IUnknown: reference counting and interface queries, as every COM object offers them.
#if defined(_WIN32)  // the platform's own declarations
#include <windows.h>
#else
#include "platform/com/guid.h"
#include "platform/com/hresult.h"

struct IUnknown {
    virtual HRESULT QueryInterface(REFIID riid, void** ppvObject) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    // Objects go away through Release, never through delete on the interface.
    ~IUnknown() = default;
};
#endif
