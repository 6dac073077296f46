# Installs BUILD into a fresh PREFIX, checks that each of PROGRAMS (comma-separated) is there with
# its manual page, runs account_sum from there and compares its output with
# EXPECTED, and renders every installed manual page, failing on any groff warning.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                OUTPUT_QUIET RESULT_VARIABLE status)
if(status)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

string(REPLACE "," ";" programs "${PROGRAMS}")
foreach(program IN LISTS programs)
  if(NOT EXISTS "${PREFIX}/bin/${program}")
    message(FATAL_ERROR "not installed: bin/${program}")
  endif()
  set(page "${PREFIX}/share/man/man1/${program}.1")
  if(NOT EXISTS "${page}")
    message(FATAL_ERROR "not installed: share/man/man1/${program}.1")
  endif()
  execute_process(COMMAND groff -man -Tutf8 -ww -z "${page}"
                  ERROR_VARIABLE warnings RESULT_VARIABLE status)
  if(status OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "${program}.1 does not render cleanly:\n${warnings}")
  endif()
endforeach()

execute_process(COMMAND "${PREFIX}/bin/account_sum" OUTPUT_FILE "${PREFIX}/account_sum.out"
                RESULT_VARIABLE status TIMEOUT 5)
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${EXPECTED}" "${PREFIX}/account_sum.out"
                RESULT_VARIABLE different)
if(status OR different)
  message(FATAL_ERROR "installed account_sum: status ${status}, output differs: ${different}")
endif()
