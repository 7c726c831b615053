# The groups session drives the shipped executable itself.
if(TARGET test_groups_session AND TARGET duelmark)
  add_dependencies(test_groups_session duelmark)
endif()
# Its Match result goes through the Groups page's cells, whose focus another
# test's window in the same session could take at any moment: it runs alone.
if(TEST test_groups_session)
  set_tests_properties(test_groups_session PROPERTIES RUN_SERIAL TRUE)
endif()
