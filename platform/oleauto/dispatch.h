#pragma once
// IDispatch as far as a VARIANT needs it: an interface reference that is counted.
#include "platform/com/unknown.h"

struct IDispatch : public IUnknown {
protected:
    ~IDispatch() = default;
};
