# Pixels on the screen and typed keys need a real display.
duelmark_add_display_test(HallDisplayOnDisplay test_hall_display "HallDisplayTest.*" 1024x768)
