# Read by ctest each time it runs, from the cases.cmake the build writes (which sets the ardo_
# variables): a test for every transcript and every terminal session there is now.
foreach(entry IN LISTS ardo_programs)
  string(REPLACE "=" ";" entry "${entry}")
  list(GET entry 0 program)
  list(GET entry 1 path)

  file(GLOB inputs "${ardo_tests}/transcripts/${program}/*.in")
  foreach(input IN LISTS inputs)
    get_filename_component(case "${input}" NAME_WLE)
    add_test("${program}/${case}" "${ardo_cmake}" "-DPROGRAM=${path}" "-DEMULATOR=${ardo_emulator}"
             "-DINPUT=${input}" "-DEXPECTED=${ardo_tests}/transcripts/${program}/${case}.out"
             "-DACTUAL=${ardo_actual}/${program}/${case}.actual"
             -P "${ardo_tests}/tools/run_transcript.cmake")
    set_tests_properties("${program}/${case}" PROPERTIES TIMEOUT 120 LABELS transcript)
  endforeach()

  # Whole sessions typed at a pseudo-terminal, each answer only once its prompt is on the screen.
  if(ardo_terminal_python)
    file(GLOB screens "${ardo_tests}/terminal/${program}/*.screen")
    foreach(screen IN LISTS screens)
      get_filename_component(session "${screen}" NAME_WLE)
      add_test("terminal/${program}/${session}" "${ardo_terminal_python}"
               "${ardo_tests}/tools/terminal_session.py" "${path}" "${screen}")
      set_tests_properties("terminal/${program}/${session}" PROPERTIES TIMEOUT 120 LABELS terminal)
    endforeach()
  endif()
endforeach()
