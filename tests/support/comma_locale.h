#pragma once
// A locale whose decimal separator is a comma, as a host may have made its process's locale
// with setlocale(LC_ALL, ""). The build compiles one into its own tree (see
// cmake/QuillCommaLocale.cmake); a locale installed on the machine serves as well.
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>

namespace comma_locale_detail {

// Probed through setlocale, which is put back after: newlocale keeps a copy of LOCPATH that
// it never frees, which the leak checker would report.
inline bool HasCommaDecimalPoint(const char* name)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const bool comma =
        std::setlocale(LC_NUMERIC, name) != nullptr && std::strcmp(std::localeconv()->decimal_point, ",") == 0;
    std::setlocale(LC_NUMERIC, previous.c_str());
    return comma;
}

}  // namespace comma_locale_detail

// The name of a comma-decimal locale that setlocale and newlocale accept from now on, or
// nullptr when none can be had on this machine.
inline const char* FindCommaLocale()
{
    using comma_locale_detail::HasCommaDecimalPoint;
#ifdef QUILL_COMMA_LOCALE_DIR
    // The build's locale is found through LOCPATH. Without it, the locale path the
    // developer set, if any, is put back for the machine's locales.
    const char* developerPath = std::getenv("LOCPATH");
    const std::optional<std::string> previous =
        developerPath != nullptr ? std::optional<std::string>(developerPath) : std::nullopt;
    setenv("LOCPATH", QUILL_COMMA_LOCALE_DIR, 1);
    if (HasCommaDecimalPoint(QUILL_COMMA_LOCALE))
        return QUILL_COMMA_LOCALE;
    if (previous)
        setenv("LOCPATH", previous->c_str(), 1);
    else
        unsetenv("LOCPATH");
#endif
    // The last is the platform C run-time's name for the German locale.
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "fr_FR", "German_Germany.1252"})
        if (HasCommaDecimalPoint(name))
            return name;
    return nullptr;
}
