# Writes one desktop entry per program into OUT_DIR, named and described as the programs list
# themselves (DRILL_RUN --list), from TEMPLATE. Run at build time with cmake -P.
execute_process(COMMAND ${DRILL_RUN} --list OUTPUT_VARIABLE table COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" rows "${table}")
foreach(row IN LISTS rows)
  if(row STREQUAL "")
    continue()
  endif()
  string(REPLACE "\t" ";" fields "${row}")
  list(GET fields 0 PROGRAM)
  list(GET fields 1 TITLE)
  list(GET fields 2 PROBLEMS)
  configure_file(${TEMPLATE} ${OUT_DIR}/maths-drills-${PROGRAM}.desktop @ONLY)
endforeach()
