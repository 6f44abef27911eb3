#pragma once
// The platform's VARIANT operations: initialise, clear, copy, copy through a reference,
// and change the type between the by-value types and text (with a locale's forms, which are
// always en-US's here).
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

// A locale: the language in the low 16 bits. 0x0409 is en-US.
using LCID = DWORD;
// Change the type with the locale's own forms, not the ones the user has set for it.
constexpr USHORT VARIANT_NOUSEROVERRIDE = 0x04;
// The same, with the texts of the given locale. The texts here are always those of en-US
// without user overrides, whatever the locale asked for.
HRESULT VariantChangeTypeEx(VARIANTARG* pvargDest, const VARIANTARG* pvarSrc, LCID lcid, USHORT wFlags, VARTYPE vt);
#endif
