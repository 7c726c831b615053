# The resource tests read the English satellite from its build folder, and
# the editor itself when it is built; VerQueryValueW lives in version.dll.
target_compile_definitions(test_resources PRIVATE DUELMARK_SATELLITE="${DUELMARK_EN_SATELLITE}")
add_dependencies(test_resources duelmark_en)
target_link_libraries(test_resources PRIVATE version)
if(TARGET duelmark)
  target_compile_definitions(test_resources PRIVATE DUELMARK_EXECUTABLE="$<TARGET_FILE:duelmark>")
  add_dependencies(test_resources duelmark)
endif()
