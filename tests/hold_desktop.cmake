# Keeps Wine's desktop process alive for a whole test run (see
# desktop/hold_desktop.cpp); scripts/common.sh starts it with the server.
add_executable(hold_desktop WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/desktop/hold_desktop.cpp)
target_compile_options(hold_desktop PRIVATE -Wall -Wextra -Werror -ffreestanding)
target_link_options(hold_desktop PRIVATE -nostdlib -nostartfiles -Wl,-e,holdDesktop -Wl,--subsystem,windows -s)
target_link_libraries(hold_desktop PRIVATE kernel32 user32)
