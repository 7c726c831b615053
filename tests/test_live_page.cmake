# The live page's tests drive the shipped executable.
if(TARGET test_live_page AND TARGET duelmark)
  add_dependencies(test_live_page duelmark)
endif()
