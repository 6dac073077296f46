# The one list of the programs: each folder declares its own with ardo_program, and everything
# else that goes over all of them (installation, tests, fuzz targets, the package check) reads
# the global properties ARDO_PROGRAMS and ARDO_DIALOGUES (those that read standard input).
function(ardo_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "DIALOGUE" "" "SOURCES;LIBRARIES")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} ardo::warnings)
  if(ARDO_HARDENED)
    add_custom_command(TARGET ${name} POST_BUILD
                       COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment $<TARGET_FILE:${name}>)
  endif()
  set_property(GLOBAL APPEND PROPERTY ARDO_PROGRAMS ${name})
  if(arg_DIALOGUE)
    set_property(GLOBAL APPEND PROPERTY ARDO_DIALOGUES ${name})
  endif()
endfunction()

# A static library of the project, ardo_NAME, used as ardo::NAME; its folder is where its headers
# are found. LIBRARIES are its own to use, PUBLIC_LIBRARIES its users' too.
function(ardo_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES;PUBLIC_LIBRARIES")
  add_library(ardo_${name} STATIC ${arg_SOURCES})
  add_library(ardo::${name} ALIAS ardo_${name})
  target_include_directories(ardo_${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(ardo_${name} PUBLIC ${arg_PUBLIC_LIBRARIES}
                                     PRIVATE ${arg_LIBRARIES} ardo::warnings)
endfunction()

# A program's dialogue built into a harness (the fuzz targets, the replay test) that calls its
# main as dialogue_main; the harness sources come after the program's name.
function(ardo_dialogue_harness target program)
  get_target_property(sources ${program} SOURCES)
  get_target_property(folder ${program} SOURCE_DIR)
  get_target_property(libraries ${program} LINK_LIBRARIES)
  list(TRANSFORM sources PREPEND ${folder}/)
  # Only in the calling folder, so the program itself keeps its main.
  set_source_files_properties(${sources} PROPERTIES COMPILE_DEFINITIONS main=dialogue_main)
  add_executable(${target} ${ARGN} ${sources})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/tools)
  target_link_libraries(${target} PRIVATE ${libraries})
endfunction()
