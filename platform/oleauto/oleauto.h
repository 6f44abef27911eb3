#pragma once
// The platform's VARIANT operations: initialise, clear, copy, copy through a reference,
// and change the type between the by-value types and text.
#if defined(_WIN32)  // the platform's own declarations
#include <windows.h>
#else
#include "platform/com/unknown.h"
#include "platform/oleauto/bstr.h"
#include "platform/oleauto/variant.h"

void VariantInit(VARIANTARG* pvarg);
HRESULT VariantClear(VARIANTARG* pvarg);
HRESULT VariantCopy(VARIANTARG* pvargDest, const VARIANTARG* pvargSrc);
HRESULT VariantCopyInd(VARIANT* pvarDest, const VARIANTARG* pvargSrc);
HRESULT VariantChangeType(VARIANTARG* pvargDest, const VARIANTARG* pvarSrc, USHORT wFlags, VARTYPE vt);
#endif
