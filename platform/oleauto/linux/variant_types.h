#pragma once
// Which type codes a VARIANT may carry, by value, by reference or as an array.
#include "platform/oleauto/variant.h"

bool IsValidVariantType(VARTYPE vt);
