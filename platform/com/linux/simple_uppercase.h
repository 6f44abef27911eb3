#pragma once
// The simple uppercase of one UTF-16 unit, by the Unicode Character Database and free of
// any locale, as compound files use it to compare element names. A surrogate unit maps
// to itself: a character beyond the first plane is never mapped.
char16_t SimpleUppercase(char16_t unit);
