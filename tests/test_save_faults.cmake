# The full-disk case runs on a tmpfs of its own (root only, skipped elsewhere).
add_test(NAME SaveFaultTest.FullDiskThroughATmpfs
         COMMAND env DUELMARK_FULL_DISK_FILTER=SaveFaultTest.OnAFullDisk*
                 bash ${CMAKE_CURRENT_SOURCE_DIR}/full_disk/run_full_disk.sh ${CMAKE_BINARY_DIR}/wine-run.sh
                 $<TARGET_FILE:test_save_faults> ${CMAKE_CURRENT_BINARY_DIR}/save-faults-tmpfs)
set_tests_properties(SaveFaultTest.FullDiskThroughATmpfs PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120)
