# The start-up benchmark's floor: a bare program built like the editor (no C
# runtime, same resources and manifest) that initialises COM and the common
# controls and runs the main-window template; given a file, it also loads it
# through MSXML and makes the bare layout calls (floor/startup_floor.cpp).
add_executable(startup_floor WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/floor/startup_floor.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/floor/bare_layout.cpp ${CMAKE_CURRENT_SOURCE_DIR}/floor/bare_load.cpp $<TARGET_OBJECTS:duelmark_resources>)
target_include_directories(startup_floor PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_definitions(startup_floor PRIVATE ${DUELMARK_DEFINES})
target_compile_options(startup_floor PRIVATE ${DUELMARK_FLAGS})
target_link_options(startup_floor PRIVATE -nostdlib -nostartfiles -Wl,-e,startFloor
  -Wl,--subsystem,windows -s)
target_link_libraries(startup_floor PRIVATE kernel32 user32 gdi32 comctl32 ole32 oleaut32 gcc)
if(TARGET bench_startup)
  add_dependencies(bench_startup startup_floor)
  if(TARGET duelmark)
    add_dependencies(bench_startup duelmark)
  endif()
endif()
