# The marks' property again at the larger display scales, each in its own
# prefix copy (run_on_display.sh sets its LogPixels), sharing the copies
# test_display_scale uses.
foreach(dpi 144 192)
  add_test(NAME TidyWindow.At${dpi}Dpi
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/display/run_on_display.sh ${CMAKE_BINARY_DIR} 1366x768
                   $<TARGET_FILE:test_tidy_window> --gtest_filter=TidyWindowTest.NoMark*:TidyWindowEndToEnd.*)
  set_tests_properties(TidyWindow.At${dpi}Dpi PROPERTIES RESOURCE_LOCK display_prefix_1366x768_${dpi}
                       TIMEOUT 900 ENVIRONMENT "DUELMARK_ON_DISPLAY=1366x768;DUELMARK_DPI=${dpi}")
endforeach()
