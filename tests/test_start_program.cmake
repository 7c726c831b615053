# The start-up tests read and run the shipped executable itself.
if(TARGET test_start_program AND TARGET duelmark)
  add_dependencies(test_start_program duelmark)
endif()
