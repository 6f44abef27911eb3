# Installs a build into a fresh prefix, moves the installed tree, builds the consumer host
# project against the moved package with find_package, and runs it against the installed
# sample engine. Also shows that a plain install never overwrites an installation's engine.
#
#     cmake -DBUILD_DIR=... -DWORK_DIR=... -DCONSUMER_SOURCE=... -DGENERATOR=...
#           -DCXX_COMPILER=... -DLINK_FILE_NAME=... [-DCLANG_COMPILER=...] [-DEXECUTABLE_SUFFIX=...]
#           [-DTOOLCHAIN_FILE=... -DWINE_RUN=... -DWINE=...] -P check_installed_package.cmake
#
# A native build gives clang besides its own compiler, and the consumer is built with each. A
# cross build gives its toolchain file, with which the consumer is built, and how its programs
# run under Wine: the environment command (its list separators written "|") and Wine.
foreach(variable BUILD_DIR WORK_DIR CONSUMER_SOURCE GENERATOR CXX_COMPILER LINK_FILE_NAME)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()

function(run)
  execute_process(COMMAND ${ARGN} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")

# A real installation holds the vendor's engine; a plain install lays down the module, the
# link library, the headers and the package, and leaves the engine as it was.
set(real "${WORK_DIR}/real")
file(WRITE "${real}/XEQ/ASME.DLL" "the vendor's code module")
file(WRITE "${real}/XEQ/ORVEL.DLL" "the vendor's design module")
run("${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${real}")
foreach(file XEQ/ASME.DLL XEQ/ORVEL.DLL)
  file(READ "${real}/${file}" contents)
  if(NOT contents MATCHES "^the vendor's")
    message(FATAL_ERROR "A plain install overwrote ${file} of the installation")
  endif()
endforeach()
foreach(file XEQ/QuillSTMech.dll XEQ/${LINK_FILE_NAME} include/QuillSTMech/engine/COrvelEngine.h
             lib/cmake/QuillSTMech/QuillSTMechConfig.cmake)
  if(NOT EXISTS "${real}/${file}")
    message(FATAL_ERROR "A plain install did not lay down ${file}")
  endif()
endforeach()
# The installed headers hold what a host uses, and nothing of the tests: no call journal, no
# switches that make the link fail, and no VARIANT where a declaration serves.
file(GLOB_RECURSE headers "${real}/include/*.h")
foreach(header IN LISTS headers)
  file(READ "${header}" text)
  if(text MATCHES "LinkJournal|RaiseOn|link/DesignTree.h|oleauto/variant.h")
    message(FATAL_ERROR "The installed header ${header} shows the host '${CMAKE_MATCH_0}'")
  endif()
endforeach()
if(EXISTS "${real}/quill_sample_host${EXECUTABLE_SUFFIX}")
  message(FATAL_ERROR "A plain install laid down the sample host")
endif()

# The whole installation with the sample engine, then moved elsewhere.
run("${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${WORK_DIR}/installed")
run("${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${WORK_DIR}/installed" --component sample)
file(RENAME "${WORK_DIR}/installed" "${WORK_DIR}/moved")

# The consumer, never told a language level: built with the toolchain file in a cross
# build, else with the build's compiler and with clang.
file(MAKE_DIRECTORY "${WORK_DIR}/cases")
if(TOOLCHAIN_FILE)
  set(consumer_builds "toolchain|-DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN_FILE}")
else()
  set(consumer_builds)
  foreach(compiler IN ITEMS "${CXX_COMPILER}" "${CLANG_COMPILER}")
    get_filename_component(name "${compiler}" NAME)
    list(APPEND consumer_builds "${name}|-DCMAKE_CXX_COMPILER=${compiler}")
  endforeach()
endif()
foreach(build IN LISTS consumer_builds)
  string(REPLACE "|" ";" build "${build}")
  list(GET build 0 name)
  list(GET build 1 compiler)
  set(consumer "${WORK_DIR}/consumer-${name}")
  run("${CMAKE_COMMAND}" -S "${CONSUMER_SOURCE}" -B "${consumer}" -G "${GENERATOR}"
    "${compiler}" "-DCMAKE_PREFIX_PATH=${WORK_DIR}/moved")
  run("${CMAKE_COMMAND}" --build "${consumer}")
  file(WRITE "${WORK_DIR}/cases/HX-7.QXR" "")
  file(REMOVE "${WORK_DIR}/cases/HX-7-run.txt")
  if(WINE_RUN)
    # The platform's loader finds the installation's DLLs through the search path; the
    # program reads the platform's paths (Wine's Z: drive holds the machine's root).
    string(REPLACE "|" ";" wine_run "${WINE_RUN}")
    string(REPLACE "/" "\\" moved "Z:${WORK_DIR}/moved/")
    run(${wine_run} "WINEPATH=Z:${WORK_DIR}/moved/XEQ" "${WINE}" "${consumer}/consumer_host${EXECUTABLE_SUFFIX}"
      "Z:${WORK_DIR}/cases" "${moved}")
  else()
    run("${consumer}/consumer_host" "${WORK_DIR}/cases" "${WORK_DIR}/moved/")
  endif()
endforeach()
