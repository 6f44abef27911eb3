# Compiler settings shared by every target of the project: each target takes them through
# quill_apply_settings, and nothing is set for the whole directory tree.

set(CMAKE_CXX_VISIBILITY_PRESET hidden)
set(CMAKE_C_VISIBILITY_PRESET hidden)
set(CMAKE_VISIBILITY_INLINES_HIDDEN ON)

set(QUILL_CXX_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
  -Wcast-align -Wunused -Woverloaded-virtual -Wnull-dereference -Wdouble-promotion -Wformat=2)
set(QUILL_FORTRAN_WARNINGS -Wall -Wextra)

# What every target of the project compiles and links with (cmake/QuillWindows.cmake adds the
# Windows build's own): a target takes these usage requirements by linking
# quill_build_settings, as quill_apply_settings does.
add_library(quill_build_settings INTERFACE)
if(QUILL_SANITIZE)
  set(QUILL_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
  target_compile_options(quill_build_settings INTERFACE ${QUILL_SANITIZER_FLAGS})
  target_link_options(quill_build_settings INTERFACE ${QUILL_SANITIZER_FLAGS})
endif()

# The shared settings and the warnings for the project's own targets (not for third-party
# code).
function(quill_apply_settings target)
  target_link_libraries(${target} PRIVATE quill_build_settings)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX>:${QUILL_CXX_WARNINGS}>
    $<$<COMPILE_LANGUAGE:C>:-Wall -Wextra -Wpedantic>
    $<$<COMPILE_LANGUAGE:Fortran>:${QUILL_FORTRAN_WARNINGS}>)
  if(QUILL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Programs of the sanitized build carry their sanitizer settings (see
# tests/support/sanitizer_defaults.cpp). FORTRAN_RUNTIME: the program runs the Fortran
# run-time, so strict string checks stay off.
function(quill_add_sanitizer_defaults target)
  cmake_parse_arguments(ARG "FORTRAN_RUNTIME" "" "" ${ARGN})
  if(NOT QUILL_SANITIZE)
    return()
  endif()
  target_sources(${target} PRIVATE "${PROJECT_SOURCE_DIR}/tests/support/sanitizer_defaults.cpp")
  if(ARG_FORTRAN_RUNTIME)
    target_compile_definitions(${target} PRIVATE QUILL_STRICT_STRING_CHECKS=0)
  endif()
endfunction()
