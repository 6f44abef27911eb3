// Initialising, clearing and copying VARIANTs: a VARIANT owns its text and its interface
// reference; a value held by reference is owned by someone else.
#include <cstring>

#include "platform/oleauto/dispatch.h"
#include "platform/oleauto/oleauto.h"
#include "platform/oleauto/linux/variant_types.h"

namespace {

// Arrays and records have no stand-in here: only empty ones can be held.
bool HoldsForeignResource(const VARIANT& v)
{
    if ((v.vt & VT_BYREF) != 0)
        return false;
    if ((v.vt & VT_ARRAY) != 0)
        return v.parray != nullptr;
    if (v.vt == VT_RECORD)
        return v.brecVal.pvRecord != nullptr || v.brecVal.pRecInfo != nullptr;
    return false;
}

HRESULT DuplicateOwned(VARIANT& v)
{
    switch (v.vt) {
    case VT_BSTR:
        // A null text copies as the empty text, as on the platform.
        v.bstrVal = SysAllocStringLen(v.bstrVal, SysStringLen(v.bstrVal));
        if (v.bstrVal == nullptr) {
            v.vt = VT_EMPTY;
            return E_OUTOFMEMORY;
        }
        return S_OK;
    case VT_UNKNOWN:
        if (v.punkVal != nullptr)
            v.punkVal->AddRef();
        return S_OK;
    case VT_DISPATCH:
        if (v.pdispVal != nullptr)
            v.pdispVal->AddRef();
        return S_OK;
    default:
        return S_OK;
    }
}

// The value a by-reference VARIANT points at, as a VARIANT of its own that borrows it.
HRESULT Dereference(const VARIANT& source, VARIANT& target)
{
    VariantInit(&target);
    const auto base = static_cast<VARTYPE>(source.vt & ~VT_BYREF);
    if (source.byref == nullptr)
        return E_INVALIDARG;
    target.vt = base;
    switch (base) {
    case VT_I2: target.iVal = *source.piVal; break;
    case VT_I4: target.lVal = *source.plVal; break;
    case VT_R4: target.fltVal = *source.pfltVal; break;
    case VT_R8: target.dblVal = *source.pdblVal; break;
    case VT_CY: target.cyVal = *source.pcyVal; break;
    case VT_DATE: target.date = *source.pdate; break;
    case VT_BSTR: target.bstrVal = *source.pbstrVal; break;
    case VT_DISPATCH: target.pdispVal = *source.ppdispVal; break;
    case VT_ERROR: target.scode = *source.pscode; break;
    case VT_BOOL: target.boolVal = *source.pboolVal; break;
    case VT_UNKNOWN: target.punkVal = *source.ppunkVal; break;
    case VT_I1: target.cVal = *source.pcVal; break;
    case VT_UI1: target.bVal = *source.pbVal; break;
    case VT_UI2: target.uiVal = *source.puiVal; break;
    case VT_UI4: target.ulVal = *source.pulVal; break;
    case VT_I8: target.llVal = *source.pllVal; break;
    case VT_UI8: target.ullVal = *source.pullVal; break;
    case VT_INT: target.intVal = *source.pintVal; break;
    case VT_UINT: target.uintVal = *source.puintVal; break;
    case VT_DECIMAL:
        target.decVal = *source.pdecVal;
        target.vt = VT_DECIMAL;  // in the place of the decimal's reserved word
        break;
    case VT_VARIANT: {
        // A VARIANT reached through a reference may hold a reference of its own, which is
        // followed too; one more VARIANT reference is refused.
        const VARIANT& referenced = *source.pvarVal;
        if (referenced.vt == (VT_VARIANT | VT_BYREF))
            return E_INVALIDARG;
        if ((referenced.vt & VT_BYREF) != 0)
            return IsValidVariantType(referenced.vt) ? Dereference(referenced, target) : DISP_E_BADVARTYPE;
        std::memcpy(&target, &referenced, sizeof target);
        break;
    }
    default:
        // Records and arrays through a reference have no stand-in here.
        target.vt = VT_EMPTY;
        return E_NOTIMPL;
    }
    return S_OK;
}

}  // namespace

void VariantInit(VARIANTARG* pvarg)
{
    pvarg->vt = VT_EMPTY;
}

HRESULT VariantClear(VARIANTARG* pvarg)
{
    if (pvarg == nullptr)
        return E_INVALIDARG;
    if (!IsValidVariantType(pvarg->vt))
        return DISP_E_BADVARTYPE;
    if (HoldsForeignResource(*pvarg))
        return E_NOTIMPL;
    switch (pvarg->vt) {
    case VT_BSTR: SysFreeString(pvarg->bstrVal); break;
    case VT_UNKNOWN:
        if (pvarg->punkVal != nullptr)
            pvarg->punkVal->Release();
        break;
    case VT_DISPATCH:
        if (pvarg->pdispVal != nullptr)
            pvarg->pdispVal->Release();
        break;
    default: break;
    }
    pvarg->vt = VT_EMPTY;
    return S_OK;
}

HRESULT VariantCopy(VARIANTARG* pvargDest, const VARIANTARG* pvargSrc)
{
    if (pvargDest == nullptr || pvargSrc == nullptr)
        return E_INVALIDARG;
    if (pvargDest == pvargSrc)
        return S_OK;
    if (!IsValidVariantType(pvargSrc->vt))
        return DISP_E_BADVARTYPE;
    if (HoldsForeignResource(*pvargSrc))
        return E_NOTIMPL;
    VARIANT copy;
    std::memcpy(&copy, pvargSrc, sizeof copy);
    const HRESULT hr = DuplicateOwned(copy);
    if (FAILED(hr))
        return hr;
    const HRESULT cleared = VariantClear(pvargDest);
    if (FAILED(cleared)) {
        VariantClear(&copy);
        return cleared;
    }
    std::memcpy(pvargDest, &copy, sizeof copy);
    return S_OK;
}

HRESULT VariantCopyInd(VARIANT* pvarDest, const VARIANTARG* pvargSrc)
{
    if (pvarDest == nullptr || pvargSrc == nullptr)
        return E_INVALIDARG;
    if ((pvargSrc->vt & VT_BYREF) == 0)
        return VariantCopy(pvarDest, pvargSrc);
    if (!IsValidVariantType(pvargSrc->vt))
        return DISP_E_BADVARTYPE;
    VARIANT borrowed;
    HRESULT hr = Dereference(*pvargSrc, borrowed);
    if (FAILED(hr))
        return hr;
    if (!IsValidVariantType(borrowed.vt))
        return DISP_E_BADVARTYPE;
    if (HoldsForeignResource(borrowed))
        return E_NOTIMPL;
    hr = DuplicateOwned(borrowed);
    if (FAILED(hr))
        return hr;
    // The source may be the destination: it owns nothing, so it is simply overwritten.
    if (pvarDest != pvargSrc) {
        hr = VariantClear(pvarDest);
        if (FAILED(hr)) {
            VariantClear(&borrowed);
            return hr;
        }
    }
    std::memcpy(pvarDest, &borrowed, sizeof borrowed);
    return S_OK;
}
