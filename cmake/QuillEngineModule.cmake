# Engine modules (the sample engine and the test engines) are shared objects named as the
# platform names them ("ASME.DLL"). They are built without STB_GNU_UNIQUE symbols so that
# the dynamic loader really unloads them once the last reference is freed.
function(quill_add_engine_module target)
  cmake_parse_arguments(ARG "" "FILE_NAME;OUTPUT_DIR" "SOURCES;DEFINITIONS" ${ARGN})
  add_library(${target} MODULE ${ARG_SOURCES})
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    OUTPUT_NAME "${ARG_FILE_NAME}"
    SUFFIX ""
    LIBRARY_OUTPUT_DIRECTORY "${ARG_OUTPUT_DIR}")
  # g++ alone makes STB_GNU_UNIQUE symbols (and alone knows the flag against them).
  target_compile_options(${target} PRIVATE $<$<COMPILE_LANG_AND_ID:CXX,GNU>:-fno-gnu-unique>)
  target_compile_definitions(${target} PRIVATE ${ARG_DEFINITIONS})
  target_include_directories(${target} PRIVATE "${PROJECT_SOURCE_DIR}")
  quill_apply_settings(${target})
endfunction()
