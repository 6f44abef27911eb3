# Compiler settings shared by every target of the project.

set(CMAKE_CXX_VISIBILITY_PRESET hidden)
set(CMAKE_C_VISIBILITY_PRESET hidden)
set(CMAKE_VISIBILITY_INLINES_HIDDEN ON)

set(QUILL_CXX_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
  -Wcast-align -Wunused -Woverloaded-virtual -Wnull-dereference -Wdouble-promotion -Wformat=2)
set(QUILL_FORTRAN_WARNINGS -Wall -Wextra)

if(QUILL_SANITIZE)
  set(QUILL_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
  add_compile_options(${QUILL_SANITIZER_FLAGS})
  add_link_options(${QUILL_SANITIZER_FLAGS})
endif()

# Warnings for the project's own targets (not for third-party code).
function(quill_apply_settings target)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX>:${QUILL_CXX_WARNINGS}>
    $<$<COMPILE_LANGUAGE:C>:-Wall -Wextra -Wpedantic>
    $<$<COMPILE_LANGUAGE:Fortran>:${QUILL_FORTRAN_WARNINGS} -fvisibility=hidden>)
  if(QUILL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
