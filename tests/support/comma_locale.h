#pragma once
// A locale whose decimal separator is a comma, as a host may have made its process's locale
// with setlocale(LC_ALL, ""). The build compiles one into its own tree (see
// cmake/QuillCommaLocale.cmake); a locale installed on the machine serves as well.
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include <langinfo.h>

namespace comma_locale_detail {

inline bool HasCommaDecimalPoint(const char* name)
{
    locale_t locale = newlocale(LC_ALL_MASK, name, nullptr);
    if (locale == nullptr)
        return false;
    const bool comma = std::strcmp(nl_langinfo_l(RADIXCHAR, locale), ",") == 0;
    freelocale(locale);
    return comma;
}

}  // namespace comma_locale_detail

// The name of a comma-decimal locale that setlocale and newlocale accept from now on, or
// nullptr when none can be had on this machine.
inline const char* FindCommaLocale()
{
    using comma_locale_detail::HasCommaDecimalPoint;
#ifdef QUILL_COMMA_LOCALE_DIR
    setenv("LOCPATH", QUILL_COMMA_LOCALE_DIR, 1);
    if (HasCommaDecimalPoint(QUILL_COMMA_LOCALE))
        return QUILL_COMMA_LOCALE;
    unsetenv("LOCPATH");
#endif
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "fr_FR"})
        if (HasCommaDecimalPoint(name))
            return name;
    return nullptr;
}
