# Two thousand reads with layouts take minutes under Wine, not seconds.
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_CURRENT_BINARY_DIR}/reader_mutations_timeout.cmake)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/reader_mutations_timeout.cmake
     "set_tests_properties(ReaderMutations.EveryMutatedFileLoadsWholeOrIsRefusedWithoutATrace PROPERTIES TIMEOUT 1500)\n")
