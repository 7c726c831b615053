# The scrolling cases mean something only where the window is really placed:
# a small laptop screen and a common desktop screen. Tabbing through 511
# slots of real controls takes minutes under Wine on a busy machine.
duelmark_add_display_test(test_scroll_view_1366x768 test_scroll_view "ScrollViewTest.*" 1366x768)
duelmark_add_display_test(test_scroll_view_1920x1080 test_scroll_view "ScrollViewTest.*" 1920x1080)
set_tests_properties(test_scroll_view_1366x768 test_scroll_view_1920x1080 PROPERTIES TIMEOUT 900)
