# vistrel --check keeps what the libraries beneath write on standard error (Qt's messages, the
# media framework's debug output, asked for here so that there is some) out of the author's
# sight; its own log still gets through, and --verbose lets everything through.
set(ENV{QT_LOGGING_RULES} "vistrel.startup=true;qt.*=true")
set(ENV{GST_DEBUG} "4")
execute_process(COMMAND ${PROGRAM} --check ${DISC_DIR}
  RESULT_VARIABLE code OUTPUT_VARIABLE quiet ERROR_VARIABLE quietErrors)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "--check exited with ${code}:\n${quiet}\n${quietErrors}")
endif()
string(REGEX REPLACE "[^\n]*vistrel\\.[a-z]+: [^\n]*\n?" "" foreign "${quietErrors}")
if(NOT foreign STREQUAL "")
  message(FATAL_ERROR "--check let other output through on standard error:\n${foreign}")
endif()
if(NOT quietErrors MATCHES "vistrel.startup: checking the disc: ")
  message(FATAL_ERROR "--check kept its own log off standard error:\n${quietErrors}")
endif()

execute_process(COMMAND ${PROGRAM} --check --verbose ${DISC_DIR}
  RESULT_VARIABLE code OUTPUT_VARIABLE verbose ERROR_VARIABLE verboseErrors)
if(NOT code EQUAL 0 OR NOT verbose STREQUAL quiet)
  message(FATAL_ERROR "--check --verbose changed the findings (${code}):\n${verbose}")
endif()
if(NOT verboseErrors MATCHES "qt\\.[a-z.]+: " OR NOT verboseErrors MATCHES "GST_")
  message(FATAL_ERROR "--check --verbose kept the libraries' output back:\n${verboseErrors}")
endif()

execute_process(COMMAND ${PROGRAM} --verbose ${DISC_DIR}
  RESULT_VARIABLE code OUTPUT_QUIET ERROR_QUIET)
if(NOT code EQUAL 2)
  message(FATAL_ERROR "--verbose without --check exited with ${code}, not 2")
endif()
