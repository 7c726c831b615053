# The normal run's cycles of real windows and real documents take a minute
# or so under Wine on a busy machine; the long counts run outside CTest
# (scripts/long-tests.sh).
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_CURRENT_BINARY_DIR}/leaks_timeout.cmake)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/leaks_timeout.cmake
     "set_tests_properties(LeakTest.NewCloseCyclesOfSixtyFourTeamsStayFlat LeakTest.LoadSaveCyclesOfAFourTeamFileStayFlat PROPERTIES TIMEOUT 600 COST 300)\n")
