# Its Rename entrant acts on the focused name box, whose focus another
# test's window in the same session could take between the focus and the
# command: it runs alone.
if(TEST test_late_change_commands)
  set_tests_properties(test_late_change_commands PROPERTIES RUN_SERIAL TRUE)
endif()
