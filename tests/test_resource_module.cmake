# The cases copy the English satellite beside this test program.
target_compile_definitions(test_resource_module PRIVATE DUELMARK_SATELLITE="${DUELMARK_EN_SATELLITE}")
add_dependencies(test_resource_module duelmark_en)
