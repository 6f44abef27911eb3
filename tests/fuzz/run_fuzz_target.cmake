# Runs one fuzz target with its whole output in a log file of the build folder, and says in
# one line what it did; on a finding (the target failing), shows the whole log and fails.
#
#     cmake -DFUZZER=<program> -DLOG=<log file> -DARGUMENTS=<;-list> -P run_fuzz_target.cmake
get_filename_component(name "${FUZZER}" NAME)
execute_process(COMMAND "${FUZZER}" ${ARGUMENTS}
  OUTPUT_FILE "${LOG}" ERROR_FILE "${LOG}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E cat "${LOG}")
  message(FATAL_ERROR "fuzz: ${name} found a failing input (exit ${result}); its whole output is above, "
    "and in ${LOG}")
endif()
file(READ "${LOG}" output)
string(REGEX MATCH "Done [0-9]+ runs in [0-9]+ second" done "${output}")
# The coverage reached: the last that the target reported.
string(REGEX MATCHALL "cov: [0-9]+" coverages "${output}")
list(POP_BACK coverages coverage)
message(STATUS "fuzz: ${name}: ${done}s, ${coverage}, no finding (output in ${LOG})")
