# Thousands of cycles of real windows and real documents take minutes under Wine.
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_CURRENT_BINARY_DIR}/leaks_timeout.cmake)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/leaks_timeout.cmake
     "set_tests_properties(LeakTest.AThousandNewCloseCyclesOfSixtyFourTeamsStayFlat LeakTest.TenThousandLoadSaveCyclesStayFlat PROPERTIES TIMEOUT 2700)\n")
