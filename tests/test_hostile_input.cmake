# The hostile-input sessions run copies of the shipped executable beside a
# rewritten satellite or planted probe libraries.
add_library(planted_probe SHARED ${CMAKE_CURRENT_SOURCE_DIR}/probe/planted_probe.cpp)
target_compile_options(planted_probe PRIVATE -ffreestanding -fno-exceptions -fno-rtti)
target_link_options(planted_probe PRIVATE -nostdlib -Wl,-e,probeMain)
target_link_libraries(planted_probe PRIVATE kernel32)
set_target_properties(planted_probe PROPERTIES PREFIX "")
target_compile_definitions(test_hostile_input PRIVATE DUELMARK_SATELLITE="${DUELMARK_EN_SATELLITE}"
                           PLANTED_PROBE="$<TARGET_FILE:planted_probe>")
add_dependencies(test_hostile_input duelmark duelmark_en planted_probe)
