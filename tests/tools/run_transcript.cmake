# Runs PROGRAM with INPUT as its standard input and compares its standard output, byte for byte,
# with EXPECTED. Fails on any difference, on an exit status other than 0, and on anything written
# to standard error (a sanitizer report, say). With ARDO_UPDATE_TRANSCRIPTS set in the
# environment, a difference rewrites EXPECTED instead. A program that spins is stopped after 5 s
# of CPU time; the wall-clock limit is only a backstop, so that a busy machine fails no test.
foreach(var PROGRAM INPUT EXPECTED ACTUAL)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_transcript.cmake needs -D${var}=...")
  endif()
endforeach()
if(NOT EXISTS "${EXPECTED}")
  message(FATAL_ERROR "missing expected output ${EXPECTED}")
endif()

get_filename_component(actual_dir "${ACTUAL}" DIRECTORY)
file(MAKE_DIRECTORY "${actual_dir}")
execute_process(COMMAND sh -c "ulimit -t 5 && exec \"$0\"" "${PROGRAM}"
                INPUT_FILE "${INPUT}"
                OUTPUT_FILE "${ACTUAL}"
                ERROR_VARIABLE errors
                RESULT_VARIABLE status
                TIMEOUT 60)

set(failed "")
if(NOT status STREQUAL "0")
  string(APPEND failed "exit status: ${status}\n")
endif()
if(NOT errors STREQUAL "")
  string(APPEND failed "standard error:\n${errors}\n")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${EXPECTED}" "${ACTUAL}"
                RESULT_VARIABLE different OUTPUT_QUIET ERROR_QUIET)
if(different AND DEFINED ENV{ARDO_UPDATE_TRANSCRIPTS})
  # A deliberate change of text: the new output becomes the expected one.
  file(COPY_FILE "${ACTUAL}" "${EXPECTED}")
  message(STATUS "updated ${EXPECTED}")
elseif(different)
  string(APPEND failed "standard output differs from ${EXPECTED}\n")
  find_program(DIFF diff)
  if(DIFF)
    execute_process(COMMAND "${DIFF}" -u "${EXPECTED}" "${ACTUAL}")
  endif()
endif()
if(NOT failed STREQUAL "")
  message(FATAL_ERROR "${failed}")
endif()
