# Resource-only string modules beside test_layout.exe, standing in for
# satellites whose caption format differs from the shipped one.
foreach(strings foreign_caption broken_caption)
  add_library(${strings} SHARED ${CMAKE_CURRENT_SOURCE_DIR}/layout_captions/${strings}.rc)
  target_include_directories(${strings} PRIVATE ${PROJECT_SOURCE_DIR}/res)
  set_target_properties(${strings} PROPERTIES PREFIX "" LINKER_LANGUAGE C
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  target_link_options(${strings} PRIVATE -nostdlib -Wl,-e,0 -s)
  add_dependencies(test_layout ${strings})
endforeach()
