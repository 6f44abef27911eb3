# Configure-time checks of what the build needs. They only look: installing is the job of
# tools/install-prerequisites, and each message names the Debian package to install.

function(quill_missing_prerequisite what package)
  if(WIN32)
    set(script "tools/install-prerequisites windows")
    set(build "the Windows build")
  else()
    set(script "tools/install-prerequisites")
    set(build "the build")
  endif()
  message(FATAL_ERROR "${what} was not found. Install the Debian package ${package} \
(${script} installs every package ${build} needs).")
endfunction()

# The Debian package that provides a compiler command (by its file name).
function(quill_compiler_package compiler result)
  get_filename_component(name "${compiler}" NAME)
  if(name MATCHES "^clang")
    set(package clang)
  elseif(name MATCHES "^(gcc|g\\+\\+|gfortran)")
    set(package "${CMAKE_MATCH_1}")
  else()
    set(package "providing ${name}")
  endif()
  set(${result} "${package}" PARENT_SCOPE)
endfunction()

# Compilers that a preset or the cache names must exist before project() enables the
# languages, so that a missing one is reported by the package that provides it.
macro(quill_require_named_compilers)
  foreach(quill_language C CXX Fortran)
    set(quill_compiler "${CMAKE_${quill_language}_COMPILER}")
    if(quill_compiler AND NOT IS_ABSOLUTE "${quill_compiler}")
      find_program(quill_found_compiler_${quill_language} "${quill_compiler}")
      if(NOT quill_found_compiler_${quill_language})
        quill_compiler_package("${quill_compiler}" quill_package)
        quill_missing_prerequisite("The ${quill_language} compiler ${quill_compiler}" "${quill_package}")
      endif()
    endif()
  endforeach()
endmacro()

# The engine services' plain-unit routines are Fortran.
macro(quill_require_fortran)
  include(CheckLanguage)
  check_language(Fortran)
  if(NOT CMAKE_Fortran_COMPILER)
    quill_missing_prerequisite("A Fortran compiler" gfortran)
  endif()
  enable_language(Fortran)
endmacro()
