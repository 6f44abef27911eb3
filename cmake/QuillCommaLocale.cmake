# A locale whose decimal separator is a comma, compiled from the machine's locale sources
# into the build tree (no root needed), for the checks that no text form follows the
# process's locale. quill_use_comma_locale(target) tells a test program where it is.
# Wine takes the user's locale from the same locales.
include_guard(GLOBAL)

set(QUILL_COMMA_LOCALE "de_DE.UTF-8")
set(QUILL_COMMA_LOCALE_DIR "${CMAKE_BINARY_DIR}/locales")
find_program(QUILL_LOCALEDEF localedef)
find_file(QUILL_COMMA_LOCALE_SOURCE de_DE PATHS /usr/share/i18n/locales NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)

set(quill_comma_locale_numeric "${QUILL_COMMA_LOCALE_DIR}/${QUILL_COMMA_LOCALE}/LC_NUMERIC")
if(QUILL_LOCALEDEF AND QUILL_COMMA_LOCALE_SOURCE)
  add_custom_command(OUTPUT "${quill_comma_locale_numeric}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${QUILL_COMMA_LOCALE_DIR}"
    COMMAND "${QUILL_LOCALEDEF}" -i de_DE -f UTF-8 "${QUILL_COMMA_LOCALE_DIR}/${QUILL_COMMA_LOCALE}"
    COMMENT "Compiling the comma-decimal locale ${QUILL_COMMA_LOCALE} for the tests"
    VERBATIM)
  add_custom_target(quill_comma_locale DEPENDS "${quill_comma_locale_numeric}")
else()
  message(WARNING "localedef or the de_DE locale source (Debian package 'locales') is missing: "
    "the tests that run under a comma-decimal locale use an installed one or are skipped.")
  add_custom_target(quill_comma_locale)
endif()

function(quill_use_comma_locale target)
  add_dependencies(${target} quill_comma_locale)
  # The platform's C run-time has locales of its own; the locale built here serves Wine
  # (through LOCPATH) as the user's locale.
  if(WIN32)
    return()
  endif()
  target_compile_definitions(${target} PRIVATE
    QUILL_COMMA_LOCALE="${QUILL_COMMA_LOCALE}"
    QUILL_COMMA_LOCALE_DIR="${QUILL_COMMA_LOCALE_DIR}")
endfunction()
