# Installs BUILD into a fresh PREFIX and checks that each of PROGRAMS (comma-separated) is there
# with its gzipped manual page, that every page renders without a groff warning, that each
# program's --version names VERSION, and that the installed account_sum prints EXPECTED; and that
# the copyright file and changelog are there.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                OUTPUT_QUIET RESULT_VARIABLE status)
if(status)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

foreach(document copyright changelog.gz)
  if(NOT EXISTS "${PREFIX}/share/doc/ardo-console/${document}")
    message(FATAL_ERROR "not installed: share/doc/ardo-console/${document}")
  endif()
endforeach()

string(REPLACE "," ";" programs "${PROGRAMS}")
foreach(program IN LISTS programs)
  if(NOT EXISTS "${PREFIX}/bin/${program}")
    message(FATAL_ERROR "not installed: bin/${program}")
  endif()
  set(page "${PREFIX}/share/man/man1/${program}.1.gz")
  if(NOT EXISTS "${page}")
    message(FATAL_ERROR "not installed: share/man/man1/${program}.1.gz")
  endif()
  execute_process(COMMAND gzip -dc "${page}"
                  COMMAND groff -man -Tutf8 -ww -z
                  ERROR_VARIABLE warnings RESULTS_VARIABLE statuses)
  string(REPLACE ";" "" status "${statuses}")
  if(NOT status STREQUAL "00" OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "${program}.1 does not render cleanly:\n${warnings}")
  endif()
  execute_process(COMMAND "${PREFIX}/bin/${program}" --version OUTPUT_VARIABLE version)
  if(NOT version MATCHES "^${program} \\(ardo console\\) ${VERSION}\n")
    message(FATAL_ERROR "${program}: --version does not name version ${VERSION}")
  endif()
endforeach()

execute_process(COMMAND "${PREFIX}/bin/account_sum" OUTPUT_FILE "${PREFIX}/account_sum.out"
                RESULT_VARIABLE status TIMEOUT 60)
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${EXPECTED}" "${PREFIX}/account_sum.out"
                RESULT_VARIABLE different)
if(NOT status STREQUAL "0" OR different)
  message(FATAL_ERROR "installed account_sum: status ${status}, output differs: ${different}")
endif()
