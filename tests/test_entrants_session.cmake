# The entrants session drives the shipped executable itself.
if(TARGET test_entrants_session AND TARGET duelmark)
  add_dependencies(test_entrants_session duelmark)
endif()
