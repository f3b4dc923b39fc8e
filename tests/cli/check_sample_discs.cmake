# vistrel --check on both sample discs: exit code 0, no warnings, and --json gives one valid
# document whose counts agree with the text's summary line.
foreach(disc ${DISC_DIR} ${DISC_DIR}-slideshow)
  execute_process(COMMAND ${PROGRAM} --check ${disc}
    RESULT_VARIABLE code OUTPUT_VARIABLE text ERROR_VARIABLE ignored)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "--check ${disc} exited with ${code}:\n${text}")
  endif()
  if(NOT text MATCHES "\n0 errors, 0 warnings, [0-9]+ notes?\n$")
    message(FATAL_ERROR "--check ${disc} does not end in a clean summary:\n${text}")
  endif()

  execute_process(COMMAND ${PROGRAM} --check --json ${disc}
    RESULT_VARIABLE code OUTPUT_VARIABLE json ERROR_VARIABLE ignored)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "--check --json ${disc} exited with ${code}:\n${json}")
  endif()
  string(JSON errors ERROR_VARIABLE bad GET "${json}" errors)
  if(bad)
    message(FATAL_ERROR "--check --json ${disc} is not valid JSON (${bad}):\n${json}")
  endif()
  string(JSON warnings GET "${json}" warnings)
  string(JSON notes GET "${json}" notes)
  string(JSON count LENGTH "${json}" findings)
  math(EXPR total "${errors} + ${warnings} + ${notes}")
  if(NOT errors EQUAL 0 OR NOT warnings EQUAL 0 OR NOT count EQUAL total)
    message(FATAL_ERROR "--check --json ${disc}: counts do not agree:\n${json}")
  endif()
  if(NOT text MATCHES "0 errors, 0 warnings, ${notes} note")
    message(FATAL_ERROR "text and JSON disagree on ${disc}:\n${text}\n${json}")
  endif()
endforeach()

# Bad usage is told apart from a disc with errors.
execute_process(COMMAND ${PROGRAM} --json ${DISC_DIR}
  RESULT_VARIABLE code OUTPUT_QUIET ERROR_QUIET)
if(NOT code EQUAL 2)
  message(FATAL_ERROR "--json without --check exited with ${code}, not 2")
endif()
execute_process(COMMAND ${PROGRAM} --check ${DISC_DIR}/vistrel.ini
  RESULT_VARIABLE code OUTPUT_QUIET ERROR_QUIET)
if(NOT code EQUAL 2)
  message(FATAL_ERROR "--check on a file exited with ${code}, not 2")
endif()
