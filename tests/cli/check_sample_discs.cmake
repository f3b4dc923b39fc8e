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

# Bad usage is told apart from a disc with errors, and --help and --version answer; each row:
# the exit code, then the arguments, separated by commas.
set(usage
  "2,--json,${DISC_DIR}"
  "2,--check,${DISC_DIR}/vistrel.ini"
  "2,--no-such-option,${DISC_DIR}"
  "0,--help"
  "0,--version")
foreach(row IN LISTS usage)
  string(REPLACE "," ";" row "${row}")
  list(POP_FRONT row expected)
  execute_process(COMMAND ${PROGRAM} ${row} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_QUIET)
  if(NOT code EQUAL expected OR (expected EQUAL 0 AND NOT out MATCHES "vistrel"))
    message(FATAL_ERROR "vistrel ${row} exited with ${code}, not ${expected}:\n${out}")
  endif()
endforeach()
