# duelmark.exe: its own entry point, no C runtime, only system DLLs imported.
if(EXISTS ${PROJECT_SOURCE_DIR}/app/start_program.cpp)
  add_executable(duelmark WIN32
    ${PROJECT_SOURCE_DIR}/app/start_program.cpp
    ${PROJECT_SOURCE_DIR}/app/runtime_support.cpp
    $<TARGET_OBJECTS:duelmark_resources>)
  target_compile_options(duelmark PRIVATE ${DUELMARK_FLAGS})
  # memset must not be turned into a call to itself.
  set_source_files_properties(${PROJECT_SOURCE_DIR}/app/runtime_support.cpp
    PROPERTIES COMPILE_OPTIONS -fno-tree-loop-distribute-patterns)
  target_link_options(duelmark PRIVATE -nostdlib -nostartfiles -Wl,-e,startProgram
    -Wl,--subsystem,windows -s -Wl,--gc-sections)
  target_link_libraries(duelmark PRIVATE duelmark_core ${DUELMARK_SYSTEM_LIBS} gcc)
endif()
