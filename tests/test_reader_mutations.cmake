# Three hundred reads with layouts take a minute or so under Wine on a busy
# machine; the long run (scripts/long-mutations.sh) runs outside CTest.
set_tests_properties(test_reader_mutations PROPERTIES TIMEOUT 900)
