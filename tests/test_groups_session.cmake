# The groups session drives the shipped executable itself.
if(TARGET test_groups_session AND TARGET duelmark)
  add_dependencies(test_groups_session duelmark)
endif()
