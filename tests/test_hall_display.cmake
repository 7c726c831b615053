# Pixels on the screen and typed keys need a real display; the end-to-end
# case runs the shipped executable.
duelmark_add_display_test(HallDisplayOnDisplay test_hall_display "HallDisplayTest.*:HallDisplayEndToEnd.*" 1024x768)
if(TARGET test_hall_display AND TARGET duelmark)
  add_dependencies(test_hall_display duelmark)
endif()
