# Each display scale in a prefix copy of its own (run_on_display.sh sets its
# LogPixels), on a laptop-sized screen where 64 teams scroll.
foreach(dpi 96 144 192)
  add_test(NAME DisplayScale.At${dpi}Dpi
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/display/run_on_display.sh ${CMAKE_BINARY_DIR} 1366x768
                   $<TARGET_FILE:test_display_scale> --gtest_filter=DisplayScaleTest.*)
  # At 96 the copy is the one the other display tests of that size use.
  set(lock display_prefix_1366x768)
  if(NOT dpi EQUAL 96)
    set(lock ${lock}_${dpi})
  endif()
  set_tests_properties(DisplayScale.At${dpi}Dpi PROPERTIES RESOURCE_LOCK ${lock}
                       TIMEOUT 300 ENVIRONMENT "DUELMARK_ON_DISPLAY=1366x768;DUELMARK_DPI=${dpi}")
endforeach()
