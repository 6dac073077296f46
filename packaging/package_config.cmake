# Read by cpack before it builds the package. The package's dependencies are worked out by
# dpkg-shlibdeps, for the programs that file finds to be linked dynamically, and its time stamps
# read with dpkg-parsechangelog. Each tool is named with the Debian package it comes in.
foreach(tool dpkg-shlibdeps:dpkg-dev dpkg-parsechangelog:dpkg-dev file:file)
  string(REPLACE ":" ";" tool "${tool}")
  list(GET tool 0 program)
  list(GET tool 1 package)
  find_program(ARDO_${program} ${program})
  if(NOT ARDO_${program})
    message(FATAL_ERROR "Building the package needs ${program}, from the Debian package "
                        "${package}: sudo apt install ${package}")
  endif()
endforeach()
# The package's time stamps are SOURCE_DATE_EPOCH when the environment sets it, or else the time
# of the changelog's latest entry, as Debian's own tools take it: every build of one commit then
# gives the same bytes.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND ${ARDO_dpkg-parsechangelog} -l "${CPACK_ARDO_CHANGELOG}" -S Timestamp
                  OUTPUT_VARIABLE timestamp OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
  set(ENV{SOURCE_DATE_EPOCH} "${timestamp}")
endif()
