# The entrants session drives the shipped executable itself.
if(TARGET test_entrants_session AND TARGET duelmark)
  add_dependencies(test_entrants_session duelmark)
endif()
# Its Rename entrant and Match result act on the focused pick, whose focus
# another test's window in the same session could take between the focus
# and the command: it runs alone.
if(TEST test_entrants_session)
  set_tests_properties(test_entrants_session PROPERTIES RUN_SERIAL TRUE)
endif()
