# Feeds PROGRAM an endless stream of LINE with its standard output on /dev/full. The program must
# notice that its output fails and end by itself, with status 0, within a few seconds.
execute_process(COMMAND yes "${LINE}"
                COMMAND "${PROGRAM}"
                OUTPUT_FILE /dev/full
                ERROR_VARIABLE errors
                RESULTS_VARIABLE statuses
                TIMEOUT 5)
list(GET statuses 1 status)
if(NOT status STREQUAL "0" OR NOT errors STREQUAL "")
  message(FATAL_ERROR "exit status: ${status}\n${errors}")
endif()
