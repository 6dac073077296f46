# Runs PROGRAM (under EMULATOR, when it is not empty) with INPUT as its standard input and compares
# its standard output, byte for byte, with EXPECTED. Fails on any difference, on an exit status
# other than 0, and on anything written to standard error (a sanitizer report, say). With
# ARDO_UPDATE_TRANSCRIPTS set in the environment, EXPECTED is written from the output instead,
# for a deliberate change of text or a new case. A program that spins is stopped after 5 s of CPU
# time; the wall-clock limit is only a backstop, so that a busy machine fails no test.
foreach(var PROGRAM INPUT EXPECTED ACTUAL)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_transcript.cmake needs -D${var}=...")
  endif()
endforeach()
set(update $ENV{ARDO_UPDATE_TRANSCRIPTS})
if(NOT EXISTS "${EXPECTED}" AND NOT update)
  message(FATAL_ERROR "no expected output ${EXPECTED} yet: write it from what the program prints "
                      "with ARDO_UPDATE_TRANSCRIPTS=1 ctest --preset test -R <program>/<case>, "
                      "and read it through before you commit it")
endif()

get_filename_component(actual_dir "${ACTUAL}" DIRECTORY)
file(MAKE_DIRECTORY "${actual_dir}")
separate_arguments(emulator UNIX_COMMAND "${EMULATOR}")
execute_process(COMMAND sh -c "ulimit -t 5 && exec \"$@\"" sh ${emulator} "${PROGRAM}"
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
set(different 1)
if(EXISTS "${EXPECTED}")
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${EXPECTED}" "${ACTUAL}"
                  RESULT_VARIABLE different OUTPUT_QUIET ERROR_QUIET)
endif()
if(different AND update)
  file(COPY_FILE "${ACTUAL}" "${EXPECTED}")
  message(STATUS "wrote ${EXPECTED}")
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
