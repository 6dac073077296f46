# Read by cpack before it builds the package. The package's dependencies are worked out by
# dpkg-shlibdeps, and its time stamps read with dpkg-parsechangelog: both come with dpkg-dev.
foreach(tool dpkg-shlibdeps dpkg-parsechangelog)
  find_program(ARDO_${tool} ${tool})
  if(NOT ARDO_${tool})
    message(FATAL_ERROR "Building the package needs ${tool}, from the Debian package dpkg-dev: "
                        "sudo apt install dpkg-dev")
  endif()
endforeach()
# The package's time stamps are SOURCE_DATE_EPOCH when the environment sets it, or else the time
# of the changelog's latest entry, as Debian's own tools take it: every build of one commit then
# gives the same bytes.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND dpkg-parsechangelog -l "${CPACK_ARDO_CHANGELOG}" -S Timestamp
                  OUTPUT_VARIABLE timestamp OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
  set(ENV{SOURCE_DATE_EPOCH} "${timestamp}")
endif()
