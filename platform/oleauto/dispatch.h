#pragma once
// IDispatch as far as a VARIANT needs it: an interface reference that is counted.
#if defined(_WIN32)  // the platform's own declarations
#include <windows.h>
#else
#include "platform/com/unknown.h"

struct IDispatch : public IUnknown {
protected:
    ~IDispatch() = default;
};
#endif
