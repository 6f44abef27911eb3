# Cross build for 64-bit Windows with mingw-w64's posix compilers (the win32-thread ones
# have no std::mutex, which GoogleTest needs). Programs of the build run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUILL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUILL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_Fortran_COMPILER ${QUILL_MINGW_TRIPLE}-gfortran-posix)
set(CMAKE_RC_COMPILER ${QUILL_MINGW_TRIPLE}-windres)

# A missing cross compiler is named by the Debian package that brings it. The check runs on
# the first configure only: each try-compile project reads this file again.
function(quill_require_cross_compiler compiler package)
  find_program(quill_cross_compiler_found "${compiler}" NO_CACHE)
  if(NOT quill_cross_compiler_found)
    message(FATAL_ERROR "The cross compiler ${compiler} was not found. Install the Debian \
package ${package} (tools/install-prerequisites windows installs every package the Windows \
build needs).")
  endif()
endfunction()
get_property(quill_in_try_compile GLOBAL PROPERTY IN_TRY_COMPILE)
if(NOT quill_in_try_compile)
  quill_require_cross_compiler("${CMAKE_C_COMPILER}" g++-mingw-w64-x86-64-posix)
  quill_require_cross_compiler("${CMAKE_CXX_COMPILER}" g++-mingw-w64-x86-64-posix)
  quill_require_cross_compiler("${CMAKE_Fortran_COMPILER}" gfortran-mingw-w64-x86-64-posix)
endif()

# The compilers' run-times (C++, Fortran, GCC's own, threads) are linked statically into
# each program and DLL, which so need no DLL beyond the platform's and the project's.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -static)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -static)

# Headers, libraries and packages come from the cross environment only; programs from the
# build machine. A consumer's own prefixes stay searchable: CMAKE_FIND_ROOT_PATH takes
# CMAKE_PREFIX_PATH, so ONLY does not hide them.
set(CMAKE_FIND_ROOT_PATH /usr/${QUILL_MINGW_TRIPLE} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The build's programs (tests, the sample host) run under Wine, which the project finds
# and sets up (cmake/QuillWindows.cmake).
