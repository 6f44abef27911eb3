# The Windows build: the system's code against the platform's own libraries (the toolchain
# file links the run-times statically), and the build's programs run under Wine on a Wine
# prefix of the build tree.
include_guard(GLOBAL)

set(QUILL_PLATFORM_LIBRARIES kernel32 ole32 oleaut32 uuid)
# The platform's headers define no min and max macros in the project's code.
target_compile_definitions(quill_build_settings INTERFACE NOMINMAX)

if(CMAKE_CROSSCOMPILING)
  # Wine is a command of the build machine, found on its PATH as a shell finds it (the
  # cross build's system folders are the target's).
  find_program(QUILL_WINE wine NO_CMAKE_SYSTEM_PATH)
  if(NOT QUILL_WINE)
    quill_missing_prerequisite("Wine (the command wine)" wine)
  endif()
  set(QUILL_WINE_PREFIX "${CMAKE_BINARY_DIR}/wineprefix")
  # Programs find the module, the link library and the engine modules in XEQ/ through
  # WINEPATH, since the platform's loader does not look into a folder beside the program.
  # Wine's own dialogs for its .NET and HTML engines stay off.
  # QUILL_WINE_RUN, then the search path, then the program: how a program runs under Wine.
  set(QUILL_WINE_RUN "${CMAKE_COMMAND};-E;env;WINEPREFIX=${QUILL_WINE_PREFIX};WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml=")
  set(CMAKE_CROSSCOMPILING_EMULATOR "${QUILL_WINE_RUN};WINEPATH=Z:${QUILL_XEQ_DIR};${QUILL_WINE}")

  # The prefix is made once, here, before any program runs in it (the test lists are read
  # by running the test programs).
  if(NOT EXISTS "${QUILL_WINE_PREFIX}/system.reg")
    message(STATUS "Making the Wine prefix ${QUILL_WINE_PREFIX}")
    execute_process(COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} wineboot --init
      RESULT_VARIABLE quill_wineboot_result OUTPUT_QUIET ERROR_QUIET)
    execute_process(COMMAND ${QUILL_WINE_RUN} wineserver --wait)
    if(NOT quill_wineboot_result EQUAL 0 OR NOT EXISTS "${QUILL_WINE_PREFIX}/system.reg")
      message(FATAL_ERROR "Wine could not make its prefix ${QUILL_WINE_PREFIX}")
    endif()
  endif()
endif()
