# The profile of opening a 64-team file (profile_open.cpp), run by
# scripts/bench.sh after the benchmarks, and the empty program whose start it
# times.
add_executable(profile_open ${CMAKE_CURRENT_SOURCE_DIR}/profile_open.cpp $<TARGET_OBJECTS:duelmark_resources>)
target_compile_options(profile_open PRIVATE -Wall -Wextra -Werror -O2)
target_link_libraries(profile_open PRIVATE bench_floor duelmark_core)
target_link_options(profile_open PRIVATE -static)
add_executable(empty_program WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/floor/empty_program.cpp)
target_compile_definitions(empty_program PRIVATE ${DUELMARK_DEFINES})
target_compile_options(empty_program PRIVATE ${DUELMARK_FLAGS})
target_link_options(empty_program PRIVATE -nostdlib -nostartfiles -Wl,-e,startEmpty -Wl,--subsystem,windows -s)
target_link_libraries(empty_program PRIVATE kernel32)
add_dependencies(profile_open empty_program)
