# Regenerates the simple-uppercase table with tools/generate-simple-uppercase and compares
# it with the table in the sources, so that an edit of the table by hand, or a generator
# that no longer gives it, fails.
#
#     cmake -DPERL=<perl> -DGENERATOR=<script> -DTABLE=<source table> -DOUTPUT=<file> -P <this>
execute_process(COMMAND "${PERL}" "${GENERATOR}" "${OUTPUT}" RESULT_VARIABLE generated)
if(NOT generated EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} failed (${generated})")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}" "${TABLE}" RESULT_VARIABLE different)
if(different)
  file(STRINGS "${OUTPUT}" regenerated_head LIMIT_COUNT 2)
  file(STRINGS "${TABLE}" table_head LIMIT_COUNT 2)
  message(FATAL_ERROR "${TABLE} is not what ${GENERATOR} makes (${OUTPUT}).\n"
    "The table says: ${table_head}\nThe generator says: ${regenerated_head}")
endif()
