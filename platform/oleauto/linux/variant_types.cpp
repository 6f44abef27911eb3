// Which type codes a VARIANT may carry.
#include "platform/oleauto/linux/variant_types.h"

namespace {

bool IsElementType(VARTYPE base)
{
    return (base >= VT_I2 && base <= VT_DECIMAL) || (base >= VT_I1 && base <= VT_UINT) || base == VT_RECORD;
}

}  // namespace

bool IsValidVariantType(VARTYPE vt)
{
    const VARTYPE base = vt & VT_TYPEMASK;
    const VARTYPE flags = vt & static_cast<VARTYPE>(~VT_TYPEMASK);
    if (flags == 0)
        return base == VT_EMPTY || base == VT_NULL || (IsElementType(base) && base != VT_VARIANT);
    if (flags == VT_BYREF || flags == VT_ARRAY || flags == (VT_ARRAY | VT_BYREF))
        return IsElementType(base);
    return false;
}
