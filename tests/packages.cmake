# The packages tested as a user gets them: the zip unpacked and run, the
# installer run by msiexec in a copy of the build's prefix (install, the
# optional English feature, an upgrade to a higher version, uninstall).
# window_probe starts the editor from outside and reads what it shows;
# install_state reads what an installation left in the registry.
if(NOT TARGET packages)
  return()
endif()

add_executable(window_probe ${CMAKE_CURRENT_SOURCE_DIR}/packages/window_probe.cpp)
target_include_directories(window_probe PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_definitions(window_probe PRIVATE UNICODE _UNICODE)
target_compile_options(window_probe PRIVATE -Wall -Wextra -Werror -municode)
target_link_options(window_probe PRIVATE -municode -static)
target_link_libraries(window_probe PRIVATE shell32 user32 ole32 uuid)
add_executable(install_state ${CMAKE_CURRENT_SOURCE_DIR}/packages/install_state.cpp)
target_compile_definitions(install_state PRIVATE UNICODE _UNICODE)
target_compile_options(install_state PRIVATE -Wall -Wextra -Werror -municode)
target_link_options(install_state PRIVATE -municode -static)
target_link_libraries(install_state PRIVATE advapi32)

# The same package with the next minor version, to upgrade to.
math(EXPR next_minor "${DUELMARK_VERSION_MINOR} + 1")
set(DUELMARK_NEXT_VERSION "${DUELMARK_VERSION_MAJOR}.${next_minor}")
set(DUELMARK_NEXT_MSI ${CMAKE_CURRENT_BINARY_DIR}/packages/duelmark-${DUELMARK_NEXT_VERSION}-win64.msi)
duelmark_add_msi(${DUELMARK_NEXT_MSI} ${DUELMARK_NEXT_VERSION})
add_custom_target(package_tests ALL DEPENDS ${DUELMARK_NEXT_MSI} window_probe install_state)

set(script ${CMAKE_CURRENT_SOURCE_DIR}/packages/test_packages.sh)
set(common_arguments ${CMAKE_BINARY_DIR} $<TARGET_FILE:window_probe> ${DUELMARK_VERSION})
add_test(NAME packages_version COMMAND bash ${script} version ${common_arguments} ${DUELMARK_VERSION_COMMAS})
add_test(NAME packages_zip COMMAND bash ${script} zip ${common_arguments})
add_test(NAME packages_msi COMMAND bash ${script} msi ${common_arguments} ${DUELMARK_NEXT_MSI}
         $<TARGET_FILE:install_state>)
set_tests_properties(packages_version packages_zip packages_msi PROPERTIES TIMEOUT 180)
