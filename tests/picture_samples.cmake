# The bracket picture read by independent decoders: a small Windows program
# exports, copies and prints through the real commands, python3 decodes the
# PNG and BMP files and ghostscript rasterises the printed page; see picture/.
add_executable(picture_samples ${CMAKE_CURRENT_SOURCE_DIR}/picture/picture_samples.cpp
               $<TARGET_OBJECTS:duelmark_resources>)
target_compile_options(picture_samples PRIVATE -Wall -Wextra -Werror -municode)
target_link_libraries(picture_samples PRIVATE test_support duelmark_core winspool)
target_link_options(picture_samples PRIVATE -static -municode)
add_test(NAME BracketPicture.PngAndClipboardDecodeIndependently
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/picture/run_picture_checks.sh ${CMAKE_BINARY_DIR}/wine-run.sh
                 $<TARGET_FILE:picture_samples> ${CMAKE_CURRENT_BINARY_DIR}/picture-files)
set_tests_properties(BracketPicture.PngAndClipboardDecodeIndependently PROPERTIES TIMEOUT 300)
# Printing needs a printer, which the shared prefix must not get: the check
# installs one in a copy of it.
add_test(NAME BracketPicture.PrintsOnePageToPostScript
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/picture/run_print_check.sh ${CMAKE_BINARY_DIR}
                 $<TARGET_FILE:picture_samples> ${CMAKE_CURRENT_BINARY_DIR}/print-files)
set_tests_properties(BracketPicture.PrintsOnePageToPostScript PROPERTIES TIMEOUT 300)
# Every layout at 16 and 256 teams, read back from the PostScript.
add_test(NAME BracketPicture.PrintLayoutsToPostScript
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/picture/run_print_layouts.sh ${CMAKE_BINARY_DIR}
                 $<TARGET_FILE:picture_samples> ${DUELMARK_EN_SATELLITE} ${CMAKE_CURRENT_BINARY_DIR}/print-layouts)
set_tests_properties(BracketPicture.PrintLayoutsToPostScript PROPERTIES TIMEOUT 300)
