# The large open is watched on a real display, in the shipped executable.
duelmark_add_display_test(OpenProgressOnDisplay test_open_progress "OpenProgress.*" 1024x768)
if(TARGET test_open_progress AND TARGET duelmark)
  add_dependencies(test_open_progress duelmark)
endif()
