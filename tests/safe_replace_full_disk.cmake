# The full-disk case of test_safe_replace runs through a wrapper that gives
# it a tiny file system of its own (see full_disk/run_full_disk.sh).
add_test(NAME SafeReplaceTest.FullDiskThroughATmpfs
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/full_disk/run_full_disk.sh ${CMAKE_BINARY_DIR}/wine-run.sh
                 $<TARGET_FILE:test_safe_replace> ${CMAKE_CURRENT_BINARY_DIR}/full-disk-tmpfs)
set_tests_properties(SafeReplaceTest.FullDiskThroughATmpfs PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120)

# The symbolic-link case runs on a link the system made (see links/run_with_link.sh).
add_test(NAME SafeReplaceTest.ThroughASymbolicLink
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/links/run_with_link.sh ${CMAKE_BINARY_DIR}/wine-run.sh
                 $<TARGET_FILE:test_safe_replace> ${CMAKE_CURRENT_BINARY_DIR}/linked-folder)
set_tests_properties(SafeReplaceTest.ThroughASymbolicLink PROPERTIES TIMEOUT 120)
