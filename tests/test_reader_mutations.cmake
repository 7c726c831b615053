# Three hundred reads with layouts take a minute or so under Wine on a busy
# machine; the long run (scripts/long-mutations.sh) runs outside CTest.
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_CURRENT_BINARY_DIR}/reader_mutations_timeout.cmake)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/reader_mutations_timeout.cmake
     "set_tests_properties(ReaderMutations.EveryMutatedFileLoadsWholeOrIsRefusedWithoutATrace PROPERTIES TIMEOUT 600)\n")
