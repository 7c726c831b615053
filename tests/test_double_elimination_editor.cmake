# The double-elimination run drives the shipped executable itself.
if(TARGET test_double_elimination_editor AND TARGET duelmark)
  add_dependencies(test_double_elimination_editor duelmark)
endif()
